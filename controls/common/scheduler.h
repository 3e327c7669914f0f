// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <functional>
#include <memory>

namespace OlvarControls {

/*!
    The clock, tick count, timers and waits the controls run on, replaceable as
    one service: QtScheduler in production, VirtualScheduler where time has to
    be driven by hand.

    Timers repeat until stopped and call their handler on the user-interface
    thread. Timer ids are unique in the process, so stopping an id that another
    scheduler handed out does nothing.
*/
class OLVAR_EXPORT Scheduler
{
public:
    virtual ~Scheduler();

    /*! The installed scheduler; a QtScheduler unless another has been set. */
    static Scheduler &instance();
    /*! Installs \a scheduler; nullptr puts back a QtScheduler. */
    static void setInstance(std::unique_ptr<Scheduler> scheduler);

    /*! The local date and time. */
    virtual OleDate now() const = 0;
    /*! Today's date at 00:00. */
    OleDate today() const;
    /*! Milliseconds since an arbitrary start, wrapping at 2^32. */
    virtual quint32 tickCount() const = 0;

    /*!
        Starts a timer that calls \a handler every \a intervalMs milliseconds and
        returns its id (never 0). An interval below 1 or an empty handler
        raises OleError 5.
    */
    int startTimer(int intervalMs, std::function<void()> handler);
    /*! Stops the timer \a timerId; an unknown id is ignored. A handler may stop its own timer. */
    void stopTimer(int timerId);

    /*! Handles the events that are waiting. */
    virtual void processEvents() = 0;
    /*! Waits \a ms milliseconds while events and timers keep being handled. */
    void pause(int ms);

protected:
    Scheduler();

    /*! Starts the timer \a timerId; arguments are checked. */
    virtual void scheduleTimer(int timerId, int intervalMs, std::function<void()> handler) = 0;
    /*! Stops the timer \a timerId if it is one of this scheduler's. */
    virtual void cancelTimer(int timerId) = 0;
    /*! Waits \a ms (0 or more) milliseconds. */
    virtual void wait(int ms) = 0;

private:
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
};

} // namespace OlvarControls
