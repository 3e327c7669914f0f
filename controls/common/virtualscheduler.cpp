// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "virtualscheduler.h"

#include "oleerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <map>

namespace OlvarControls {

struct OLVAR_NO_EXPORT VirtualScheduler::Private
{
    struct Timer
    {
        int intervalMs;
        qint64 due; // in elapsed milliseconds
        quint64 queued; // breaks ties between timers due at the same moment
        std::function<void()> handler;
    };

    std::map<int, Timer>::iterator nextDue(qint64 until)
    {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            const Timer &t = it->second;
            if (t.due <= until
                && (next == timers.end() || t.due < next->second.due
                    || (t.due == next->second.due && t.queued < next->second.queued)))
                next = it;
        }
        return next;
    }

    void moveTo(qint64 moment)
    {
        const qint64 step = moment - elapsed;
        elapsed = moment;
        nowMSecs += step;
        ticks += quint32(quint64(step));
    }

    std::map<int, Timer> timers;
    qint64 elapsed = 0;
    qint64 nowMSecs = 0;
    quint32 ticks = 0;
    quint64 lastQueued = 0;
};

VirtualScheduler::VirtualScheduler(OleDate now, quint32 tickCount)
    : d(std::make_unique<Private>())
{
    d->nowMSecs = now.toMSecs();
    d->ticks = tickCount;
}

VirtualScheduler::~VirtualScheduler() = default;

OleDate VirtualScheduler::now() const
{
    return OleDate::fromMSecs(d->nowMSecs);
}

quint32 VirtualScheduler::tickCount() const
{
    return d->ticks;
}

void VirtualScheduler::processEvents()
{
    QCoreApplication::processEvents();
}

void VirtualScheduler::setNow(OleDate now)
{
    d->nowMSecs = now.toMSecs();
}

void VirtualScheduler::setTickCount(quint32 tickCount)
{
    d->ticks = tickCount;
}

void VirtualScheduler::advance(int ms)
{
    if (ms < 0)
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("Cannot advance by %1 ms").arg(ms));
    const qint64 target = d->elapsed + ms;
    for (auto next = d->nextDue(target); next != d->timers.end(); next = d->nextDue(target)) {
        Private::Timer &timer = next->second;
        d->moveTo(std::max(d->elapsed, timer.due));
        timer.due += timer.intervalMs;
        timer.queued = ++d->lastQueued;
        const std::function<void()> handler = timer.handler; // the handler may stop its own timer
        handler();
    }
    // A handler that advanced further has moved time past the target already.
    d->moveTo(std::max(d->elapsed, target));
}

qint64 VirtualScheduler::elapsed() const
{
    return d->elapsed;
}

bool VirtualScheduler::isTimerActive(int timerId) const
{
    return d->timers.count(timerId) != 0;
}

int VirtualScheduler::activeTimerCount() const
{
    return int(d->timers.size());
}

qint64 VirtualScheduler::msecsToNextTick() const
{
    const auto next = d->nextDue(std::numeric_limits<qint64>::max());
    return next == d->timers.end() ? -1 : std::max<qint64>(0, next->second.due - d->elapsed);
}

void VirtualScheduler::scheduleTimer(int timerId, int intervalMs, std::function<void()> handler)
{
    d->timers[timerId] = {intervalMs, d->elapsed + intervalMs, ++d->lastQueued, std::move(handler)};
}

void VirtualScheduler::cancelTimer(int timerId)
{
    d->timers.erase(timerId);
}

void VirtualScheduler::wait(int ms)
{
    advance(ms);
}

} // namespace OlvarControls
