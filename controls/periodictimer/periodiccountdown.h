// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

namespace OlvarControls {

/*!
    The arming and tick rules of the periodic timer, worked on the two settings
    of its constituent window timer.

    A period is \c interval milliseconds plus \c minutes minutes. Arming sets up
    a one-millisecond first tick; the first tick starts the millisecond phase,
    later ticks count the minutes down one a minute, and the tick that finds no
    minute left raises the event. The control applies timer() to its window
    timer after every arm() and tick().
*/
class PeriodicCountdown
{
public:
    /*! What the control's properties say about the period. */
    struct Period
    {
        int interval = 0; //!< milliseconds (\c Interval)
        int minutes = 0; //!< 60 x \c HourInterval + \c MinuteInterval
        bool oneTime = false; //!< \c TimerMode is \c OneTime
        bool enabled = true; //!< \c Enabled
    };

    /*! The settings the constituent window timer is to have. */
    struct TimerSettings
    {
        int interval = 0; //!< milliseconds; 0 is inactive
        bool enabled = true; //!< whether it ticks

        friend bool operator==(const TimerSettings &a, const TimerSettings &b)
        {
            return a.interval == b.interval && a.enabled == b.enabled;
        }
    };

    /*! The timer at rest: not armed, the window timer as designed (enabled, interval 0). */
    PeriodicCountdown() = default;

    /*!
        Starts \a period from zero. \a afterFiring is set when the event has just
        been raised: a one-time timer then stops, any other runs on whatever
        \c Enabled says. With neither milliseconds nor minutes the window timer
        stays off.
    */
    void arm(const Period &period, bool afterFiring);
    /*! Handles a tick of the window timer; true when the event is due now, after which the caller arms again. */
    bool tick(const Period &period);

    /*! The settings the window timer is to have now. */
    TimerSettings timer() const { return m_timer; }
    /*! The minutes still to count in this period. */
    int minutesLeft() const { return m_minutesLeft; }
    /*! Whether the first tick has started the millisecond phase. */
    bool millisecondPhaseDone() const { return m_millisecondPhaseDone; }
    /*! Whether a one-time timer has fired and waits to be armed again. */
    bool oneShotFinished() const { return m_oneShotFinished; }

private:
    TimerSettings m_timer;
    int m_minutesLeft = 0;
    bool m_millisecondPhaseDone = false;
    bool m_oneShotFinished = false;
};

} // namespace OlvarControls
