// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

#include <array>

namespace OlvarControls {

/*!
    The analog clock's stopwatch: the button's caption cycles "START", "STOP",
    "RESET", and the elapsed time is read from the tick count against the
    moment of the start, so that late timer ticks only update less often.
    Each start measures from zero.
*/
class Stopwatch
{
public:
    /*! What a press of the button does. */
    enum Step {
        NoStep, //!< any other caption
        StartStep, //!< "START": starts measuring; the caption becomes "STOP"
        StopStep, //!< "STOP": freezes the display; the caption becomes "RESET"
        ResetStep, //!< "RESET": clears the display; the caption becomes "START"
    };

    /*! The elapsed time at one moment. */
    struct Reading
    {
        quint32 hours = 0; //!< whole hours
        int minutes = 0; //!< 0 to 59
        int seconds = 0; //!< 0 to 59
        int hundredths = 0; //!< 0 to 99

        /*! "h:m:s.c" without leading zeros: 75.34 s is "0:1:15.34", 5.07 s "0:0:5.7". */
        QString text() const;
        /*! The dial positions of the stopwatch's second, minute and hour hands. */
        int secondIndex() const { return seconds; }
        int minuteIndex() const { return minutes; }
        int hourIndex() const { return int(hours % 12) * 5; }
    };

    /*! The step a press makes while the button shows \a caption. */
    static Step stepFor(const QString &caption);
    /*! The caption after \a step; empty for NoStep. */
    static QString captionAfter(Step step);

    /*! Starts measuring at the tick count \a tick. */
    void start(quint32 tick) { m_startTick = tick; }
    /*! The time elapsed from the start to the tick count \a tick; the count may have wrapped once. */
    Reading read(quint32 tick) const;

    /*!
        The running mark's two positions to draw over in blue when it stands at
        \a hundredths: the two before it, counting back from 0 to 9 and 8.
    */
    static std::array<int, 2> positionsToClear(int hundredths);

private:
    quint32 m_startTick = 0;
};

} // namespace OlvarControls
