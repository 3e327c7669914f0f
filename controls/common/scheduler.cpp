// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "scheduler.h"

#include "oleerror.h"
#include "qtscheduler.h"
#include "serviceholder_p.h"

namespace OlvarControls {

namespace {

using Holder = ServiceHolder<Scheduler, QtScheduler>;

} // namespace

Scheduler::Scheduler() = default;

Scheduler::~Scheduler() = default;

Scheduler &Scheduler::instance()
{
    return Holder::get();
}

void Scheduler::setInstance(std::unique_ptr<Scheduler> scheduler)
{
    Holder::set(std::move(scheduler));
}

OleDate Scheduler::today() const
{
    return now().datePart();
}

int Scheduler::startTimer(int intervalMs, std::function<void()> handler)
{
    if (intervalMs < 1 || !handler)
        throw OleError(
            ErrorNumber::InvalidProcedureCall,
            QStringLiteral("A timer needs a handler and an interval of at least 1 ms, not %1").arg(intervalMs));
    static int lastTimerId = 0;
    const int timerId = ++lastTimerId;
    scheduleTimer(timerId, intervalMs, std::move(handler));
    return timerId;
}

void Scheduler::stopTimer(int timerId)
{
    if (timerId > 0)
        cancelTimer(timerId);
}

void Scheduler::pause(int ms)
{
    if (ms < 0)
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("Cannot pause for %1 ms").arg(ms));
    wait(ms);
}

} // namespace OlvarControls
