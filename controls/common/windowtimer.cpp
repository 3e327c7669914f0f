// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "windowtimer.h"

#include "oleerror.h"
#include "qtboundary_p.h"
#include "scheduler.h"

namespace OlvarControls {

WindowTimer::WindowTimer(QObject *parent)
    : QObject(parent)
{
}

WindowTimer::~WindowTimer()
{
    Scheduler::instance().stopTimer(m_timerId);
}

void WindowTimer::setInterval(int ms)
{
    if (ms < 0 || ms > MaximumInterval)
        throw OleError(
            ErrorNumber::InvalidPropertyValue,
            QStringLiteral("A timer interval must lie between 0 and %1 ms, not %2").arg(MaximumInterval).arg(ms));
    m_interval = ms;
    restart();
}

void WindowTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void WindowTimer::restart()
{
    Scheduler &scheduler = Scheduler::instance();
    scheduler.stopTimer(m_timerId);
    m_timerId = 0;
    if (m_enabled && m_interval > 0)
        m_timerId = scheduler.startTimer(m_interval, [this] {
            // A tick runs under the event loop: what its handler raises stops there.
            QtBoundary::run(parent(), "a timer tick", [this] { Q_EMIT Timer(); });
        });
}

} // namespace OlvarControls
