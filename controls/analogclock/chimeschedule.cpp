// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "chimeschedule.h"

namespace OlvarControls {

ChimeSchedule::Chime ChimeSchedule::check(Boxes boxes, int hour, int minute, int second)
{
    Chime heard = NoChime;
    if (boxes.seconds && second != m_lastSecond) {
        m_lastSecond = second;
        heard = SecondChime;
    }
    if (boxes.minutes && minute != m_lastMinute) {
        m_lastMinute = minute;
        heard = MinuteChime;
    }
    if (boxes.hours && hour != m_lastHour) {
        m_lastHour = hour;
        heard = HourChime;
    }
    return heard;
}

QString ChimeSchedule::fileName(Chime chime)
{
    switch (chime) {
    case SecondChime:
        return QStringLiteral("SChime.wav");
    case MinuteChime:
        return QStringLiteral("MChime.wav");
    case HourChime:
        return QStringLiteral("HChime.wav");
    case NoChime:
        break;
    }
    return QString();
}

} // namespace OlvarControls
