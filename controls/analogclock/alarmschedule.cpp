// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "alarmschedule.h"

#include "clockgeometry.h"
#include "numberconversion.h"

namespace OlvarControls {

namespace {

/* The leading number of two characters, rounded half to even. */
qint16 twoCharacterNumber(const QString &text)
{
    return qint16(NumberConversion::roundHalfEven(NumberConversion::leadingNumber(text)));
}

} // namespace

bool AlarmSchedule::parse(const QString &text)
{
    const qsizetype length = text.size();
    if (length != 4 && length != 5)
        return false;
    m_hour = twoCharacterNumber(text.left(2));
    m_dialHour = m_hour > 11 ? qint16(m_hour - 12) : m_hour;
    m_minute = twoCharacterNumber(text.mid(length - 2, 2));
    return true;
}

bool AlarmSchedule::isValid() const
{
    return m_hour >= 0 && m_hour <= 23 && m_minute >= 0 && m_minute <= 59;
}

std::optional<int> AlarmSchedule::markerIndex() const
{
    // A time that is no time of day would point off the dial.
    if (!isValid())
        return std::nullopt;
    return ClockGeometry::hourIndex(m_dialHour, m_minute);
}

bool AlarmSchedule::check(int hour, int minute, bool armed)
{
    m_ringing = armed && hour == m_hour && minute == m_minute;
    return m_ringing;
}

} // namespace OlvarControls
