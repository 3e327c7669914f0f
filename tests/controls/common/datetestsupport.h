// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

// Helpers shared by the date and number conversion tests.

#include "oledate.h"
#include "oleerror.h"

#include <functional>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace OlvarControls {

// Readable failure messages for dates.
inline void PrintTo(const OleDate &date, std::ostream *os)
{
    *os << date.value() << " (" << qPrintable(date.toDateTime().toString(Qt::ISODateWithMs)) << ')';
}

} // namespace OlvarControls

namespace DateTestSupport {

inline OlvarControls::OleDate at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OlvarControls::OleDate::fromDateAndTime(QDate(year, month, day), QTime(hour, minute, second));
}

inline OlvarControls::OleDate timeOfDay(int hour, int minute, int second = 0)
{
    return OlvarControls::OleDate::fromTime(QTime(hour, minute, second));
}

// The number of the OleError that call raises; 0 when it raises none.
inline int errorNumberOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const OlvarControls::OleError &error) {
        return error.number();
    }
    return 0;
}

} // namespace DateTestSupport
