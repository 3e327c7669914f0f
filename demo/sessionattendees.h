// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace Sessara {

/*!
    The clients and counsellors who attend a stored session, with the
    statements that list, add and remove them. Each call is one database
    operation on a connection of its own; a failing statement is skipped as
    everywhere in the demo.

    Identifiers are typed by the user: only a whole number reaches a
    statement. A client added gets the status "Booked".
*/
class SessionAttendees
{
public:
    SessionAttendees() = delete;

    /*! Which list an attendee belongs to. */
    enum class Group { Clients, Counsellors };

    /*! One row of an attendee list. */
    struct Attendee
    {
        QString id; //!< ClientID or CounsellerID
        QString name; //!< the display name
        QString status; //!< the client's status ("Booked", "No Status"); empty for a counsellor
    };

    /*! What adding an attendee came to. */
    enum class Outcome {
        Nothing, //!< no identifier typed: nothing done, nothing shown
        AlreadyAttending, //!< the identifier is linked to the session already
        Conflict, //!< the counsellor is booked elsewhere at the session's time
        NotFound, //!< no such client or counsellor, or no whole number typed
        NotStored, //!< the link could not be written
        Unavailable, //!< the database is locked or out of reach: nothing checked, nothing written
        Added, //!< linked; the new list row is in the result
    };

    /*! The outcome of adding and, when Added, the new list row. */
    struct Result
    {
        Outcome outcome = Outcome::Nothing;
        Attendee attendee;
    };

    /*! The session's date and times as the dialog shows them, for a counsellor's conflict check. */
    struct Booking
    {
        QString date; //!< "dd/mm/yyyy"
        QString startTime; //!< "9:30 am"
        QString endTime;
    };

    /*! What removing an attendee came to. */
    enum class Removal {
        Removed, //!< the link row is gone
        LastCounsellor, //!< refused: a session keeps at least one counsellor
        Failed, //!< the link row could not be deleted
    };

    /*! The identifier \a typed holds, trimmed, when it is a whole number of 32 bits; nothing otherwise. */
    static std::optional<qint32> identifier(const QString &typed);
    /*! A client's name in the lists: the organisation's name when there is one, else first and last name. */
    static QString clientName(const QVariant &organisationName, const QVariant &firstName, const QVariant &lastName);

    /*! The clients of the session \a sessionId, as stored; an empty Status reads "No Status". */
    static QList<Attendee> clients(qint32 sessionId);
    /*! The counsellors of the session \a sessionId, as stored. */
    static QList<Attendee> counsellors(qint32 sessionId);

    /*! Links the client whose identifier is \a typed to the session \a sessionId. */
    static Result addClient(qint32 sessionId, const QString &typed);
    /*!
        Links the counsellor whose identifier is \a typed to the session
        \a sessionId unless another session of that counsellor conflicts with
        \a booking.
    */
    static Result addCounsellor(qint32 sessionId, const QString &typed, const Booking &booking);
    /*! Removes the attendee \a id of \a group from the session \a sessionId. */
    static Removal remove(Group group, qint32 sessionId, const QString &id);

    /*! The message that tells \a outcome of adding \a typed to \a group; empty for Nothing and Added. */
    static QString message(Group group, Outcome outcome, const QString &typed);
    /*! The icon of that message. */
    static int messageIcon(Outcome outcome);
};

} // namespace Sessara
