// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "scheduler.h"

#include <memory>

namespace OlvarControls {

/*! The production scheduler: the system clock, precise Qt timers and Qt's event loop. */
class QtScheduler : public Scheduler
{
public:
    QtScheduler();
    ~QtScheduler() override;

    OleDate now() const override;
    quint32 tickCount() const override;
    void processEvents() override;

protected:
    void scheduleTimer(int timerId, int intervalMs, std::function<void()> handler) override;
    void cancelTimer(int timerId) override;
    void wait(int ms) override;

private:
    class TimerHost;
    std::unique_ptr<TimerHost> d;
};

} // namespace OlvarControls
