// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "scheduler.h"

#include <memory>

namespace OlvarControls {

/*!
    A scheduler whose time moves only when told: advance() delivers the timer
    ticks that fall due, in time order, with now() and tickCount() moved to each
    tick's due time. Ticks due at the same moment come in the order they were
    scheduled. A handler may start, stop or restart timers, its own included,
    and may itself advance or pause.

    Hosts and tests install it with Scheduler::setInstance() to test an hour of
    timers in microseconds.
*/
class OLVAR_EXPORT VirtualScheduler : public Scheduler
{
public:
    /*! A scheduler whose clock reads \a now and whose tick count reads \a tickCount. */
    explicit VirtualScheduler(OleDate now = OleDate(), quint32 tickCount = 0);
    ~VirtualScheduler() override;

    OleDate now() const override;
    quint32 tickCount() const override;
    /*! Handles the waiting Qt events; virtual time does not move. */
    void processEvents() override;

    /*! Sets the clock to \a now; timers stay due after the same number of milliseconds. */
    void setNow(OleDate now);
    /*! Sets the tick count to \a tickCount. */
    void setTickCount(quint32 tickCount);

    /*! Moves time on by \a ms milliseconds, delivering the ticks that fall due. Negative \a ms raise OleError 5. */
    void advance(int ms);
    /*! The milliseconds this scheduler has advanced in all. */
    qint64 elapsed() const;

    /*! Whether the timer \a timerId runs on this scheduler. */
    bool isTimerActive(int timerId) const;
    /*! The number of running timers. */
    int activeTimerCount() const;
    /*! Milliseconds until the next tick; -1 with no timer running. */
    qint64 msecsToNextTick() const;

protected:
    void scheduleTimer(int timerId, int intervalMs, std::function<void()> handler) override;
    void cancelTimer(int timerId) override;
    /*! The same as advance(). */
    void wait(int ms) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
