// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "periodiccountdown.h"

namespace OlvarControls {

namespace {

constexpr int FirstTickMs = 1;
constexpr int MinuteMs = 60000;

} // namespace

void PeriodicCountdown::arm(const Period &period, bool afterFiring)
{
    m_timer = {FirstTickMs, false};
    m_minutesLeft = period.minutes;
    m_millisecondPhaseDone = false;
    if (period.interval == 0 && m_minutesLeft == 0)
        return;
    if (afterFiring) {
        m_oneShotFinished = period.oneTime;
        m_timer.enabled = !period.oneTime;
    } else {
        m_oneShotFinished = false;
        m_timer.enabled = period.enabled;
    }
}

bool PeriodicCountdown::tick(const Period &period)
{
    if (!m_timer.enabled)
        return false;
    m_timer.enabled = false;
    if (!m_millisecondPhaseDone && period.interval > 0) {
        m_millisecondPhaseDone = true;
        m_timer = {period.interval, true};
        return false;
    }
    if (m_minutesLeft == 0)
        return true;
    // A countdown of whole hours keeps the short interval one tick longer, so
    // the first minute of an hour passes in that short tick.
    if (m_minutesLeft % 60 != 0 && (m_timer.interval == FirstTickMs || m_timer.interval == period.interval))
        m_timer.interval = MinuteMs;
    --m_minutesLeft;
    m_timer.enabled = true;
    return false;
}

} // namespace OlvarControls
