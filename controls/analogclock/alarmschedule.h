// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

#include <optional>

namespace OlvarControls {

/*!
    The analog clock's 24-hour alarm: the time parsed from the alarm text and
    whether the alarm is ringing this second.

    The text is four or five characters: the hour in the first two, the
    minute in the last two ("18.00", "9.30"); the separator is not looked
    at. Each part counts for its leading number, rounded, so that "ab.cd" is
    00:00. A text of another length leaves the last time in force.
*/
class AlarmSchedule
{
public:
    /*! Parses \a text into the alarm time; false, with the time unchanged, when it is not 4 or 5 characters long. */
    bool parse(const QString &text);

    /*! The alarm hour as parsed, 0 to 23 when valid. */
    qint16 hour() const { return m_hour; }
    /*! The alarm minute as parsed, 0 to 59 when valid. */
    qint16 minute() const { return m_minute; }
    /*! Whether the parsed time is a time of day: hour 0 to 23 and minute 0 to 59. */
    bool isValid() const;

    /*! The dial position (0 to 60) of the hour hand at the alarm time; none when the time is not valid. */
    std::optional<int> markerIndex() const;

    /*!
        The once-a-second check at \a hour:\a minute (24-hour): whether the alarm
        sound starts now, which it does every second of the alarm minute while
        \a armed. Sets isRinging() to the answer.
    */
    bool check(int hour, int minute, bool armed);
    /*! Whether the last check started the alarm sound. */
    bool isRinging() const { return m_ringing; }

private:
    qint16 m_hour = 0;
    qint16 m_minute = 0;
    qint16 m_dialHour = 0;
    bool m_ringing = false;
};

} // namespace OlvarControls
