// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace Sessara {

/*!
    A series of sessions: the same session booked weekly or every two weeks
    from a start date, for a number of dates or until a date. The dates of a
    series, the "Session k of N" line of one of them, and the texts that ask
    before booking a series and sum up what booking, cancelling or deleting
    several of its sessions did.
*/
class SessionSeries
{
public:
    SessionSeries() = delete;

    /*! How a session repeats; the values are the rows of the dialog's "Repeat" box. */
    enum class Repeat { None = 0, Weekly = 1, EveryTwoWeeks = 2 };

    /*! Why a date of a series was not booked. */
    enum class Refusal {
        None, //!< booked
        CounsellorBooked, //!< the counsellor has another session then
        RoomTaken, //!< the room has another session then
        Unavailable, //!< the database could not be reached, or could not keep the session
        NotStored, //!< the view stored no session
    };

    /*! What became of one date: done, or refused with a reason. */
    struct Outcome
    {
        QDate date;
        QString refusal; //!< empty when done

        bool operator==(const Outcome &other) const { return date == other.date && refusal == other.refusal; }
    };

    /*! The fewest dates of a series. */
    static constexpr int MinimumCount = 2;
    /*! The most dates of a series: a year of weeks. */
    static constexpr int MaximumCount = 52;

    /*! The days between two dates of a series repeating \a repeat; 0 for Repeat::None. */
    static int stepDays(Repeat repeat);
    /*! The \a count dates of a series from \a start repeating \a repeat; \a start alone for Repeat::None. */
    static QList<QDate> occurrences(QDate start, Repeat repeat, int count);
    /*! How many dates a series from \a start repeating \a repeat has up to and including \a until. */
    static int countUntil(QDate start, Repeat repeat, QDate until);
    /*! Why a series of \a count dates cannot be booked; empty when it can. */
    static QString countProblem(int count);

    /*! "Session k of N" for the \a position th of \a total sessions; empty outside a series. */
    static QString positionText(int position, int total);
    /*! The short reason of \a refusal shown beside a date; empty for Refusal::None. */
    static QString reason(Refusal refusal);

    /*!
        The question asked before a series is booked: "Book the N free dates?"
        over the dates that will be booked and those refused with their reasons.
    */
    static QString bookingQuestion(const QList<Outcome> &outcomes);
    /*!
        What happened to the dates of \a outcomes: the dates done under the
        heading \a done ("Booked", "Cancelled", "Deleted"), then those refused,
        each with its reason.
    */
    static QString summary(const QString &done, const QList<Outcome> &outcomes);

    /*!
        The question asked before \a action ("Cancel", "Delete") is done to a
        session of a series: Yes only this session, No this and all later
        sessions, Cancel nothing.
    */
    static QString scopeQuestion(const QString &action);

    /*! \a date as the series texts list it: "Sat 07/03/2026". */
    static QString dateText(QDate date);
};

} // namespace Sessara
