// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

/*!
    The analog clock's chimes: a second, minute or hour chime sounds when its
    box is checked and the shown second, minute or hour differs from the one
    it last chimed at (all start at 0). When several fall due at once each
    replaces the one before, so the hour chime wins over the minute chime and
    the minute chime over the second chime.
*/
class ChimeSchedule
{
public:
    enum Chime {
        NoChime,
        SecondChime, //!< "SChime.wav"
        MinuteChime, //!< "MChime.wav"
        HourChime, //!< "HChime.wav"
    };

    /*! Which chimes are switched on. */
    struct Boxes
    {
        bool seconds = false;
        bool minutes = false;
        bool hours = false;
    };

    /*!
        One check at the shown \a hour (0 to 11), \a minute and \a second: remembers
        every value that chimes and returns the chime heard, if any.
    */
    Chime check(Boxes boxes, int hour, int minute, int second);

    /*! The wave file of \a chime; empty for NoChime. */
    static QString fileName(Chime chime);

private:
    int m_lastSecond = 0;
    int m_lastMinute = 0;
    int m_lastHour = 0;
};

} // namespace OlvarControls
