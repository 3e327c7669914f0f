// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Sessara {

/*!
    The session dialog's times and dates as texts: the half-hour times of its
    time boxes ("9:30 am"), the day/month/year texts of its date entries, and
    the rules that tie start and end together.

    Date texts the dialog writes itself ("dd/mm/yyyy") are read day first
    whatever the locale; time texts are read on a 12-hour clock with "am" or
    "pm", or on a 24-hour clock without.
*/
class SessionTime
{
public:
    SessionTime() = delete;

    /*! What checking a session's start against its end found. */
    enum class Check {
        Valid, //!< the end is not before the start
        EndBeforeStart, //!< the end lies before the start
        Unreadable, //!< a date or time text names no date or time
    };

    /*! The 48 half-hour times of the time boxes: "12:00 am", "12:30 am", "1:00 am" ... "11:30 pm". */
    static QStringList halfHourTimes();
    /*! \a time (its time of day) as the time boxes write it: "h:mm am/pm". */
    static QString timeText(OlvarControls::OleDate time);
    /*! \a date as the date entries write it: "dd/mm/yyyy". */
    static QString dateText(OlvarControls::OleDate date);

    /*! The time of day (on day 0) that \a text names, such as "9:30 am", "12:00 pm", "14:30" or "10:00:00"; nothing otherwise. */
    static std::optional<OlvarControls::OleDate> timeOfDay(const QString &text);
    /*! The date (at 00:00) of the day/month/year text \a text, such as "07/03/2026"; nothing otherwise. */
    static std::optional<OlvarControls::OleDate> dayMonthYear(const QString &text);
    /*! The moment of the date text \a dateText at the time text \a timeText, both trimmed; nothing when either cannot be read. */
    static std::optional<OlvarControls::OleDate> moment(const QString &dateText, const QString &timeText);

    /*! Whether the session from \a startDate \a startTime to \a endDate \a endTime ends before it starts. */
    static Check check(const QString &startDate, const QString &startTime, const QString &endDate,
                       const QString &endTime);

    /*!
        The end time to show after the start changed to \a startTime: an hour
        after the start when \a endTime lies before it (11:30 pm gives
        "12:30 am"), else nothing. Unreadable times change nothing.
    */
    static std::optional<QString> endAfterStartChanged(const QString &startTime, const QString &endTime);
};

} // namespace Sessara
