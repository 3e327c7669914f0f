// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace Sessara {

/*!
    Whether a counsellor, or a room, is already booked at a time: another
    session on the same day conflicts when it holds the new start or overlaps
    the new interval. Sessions that only touch do not conflict; cancelled ones
    still do; the session being edited is left out by its identifier.
*/
class BookingConflict
{
public:
    BookingConflict() = delete;

    /*! Whose bookings a check searches. */
    enum class Owner { Counsellor, Room };
    /*! What a check found: no conflict, a conflict, or nothing, because it could not run. */
    enum class Check { Free, Conflict, CouldNotRun };

    /*!
        The query of \a owner's (a CounsellerID or a LocationID) sessions on
        \a day that conflict with \a start to \a end, leaving out \a sessionId.
    */
    static QString statement(Owner whose, qint32 owner, OlvarControls::OleDate day, OlvarControls::OleDate start,
                             OlvarControls::OleDate end, qint32 sessionId);
    /*!
        The same for the dialog's texts: the date \a dateOfBooking written
        day/month/year and the times \a startTime and \a endTime ("9:30 am").
        Nothing when a text cannot be read.
    */
    static std::optional<QString> statement(Owner whose, const QVariant &owner, const QString &dateOfBooking,
                                            const QString &startTime, const QString &endTime,
                                            const QVariant &sessionId);

    /*!
        Whether the counsellor \a CounsellerID has another session that
        conflicts. A check that cannot run (the database locked or out of reach)
        answers CouldNotRun, never Free; texts that cannot be read answer Free,
        since nothing is stored with them.
    */
    static Check CheckForBookingConflict(const QVariant &CounsellerID, const QString &DateofBooking,
                                         const QString &starttime, const QString &endtime, const QVariant &SessionID);
    /*! Whether the room \a LocationID has another session that conflicts; as above. */
    static Check CheckForRoomConflict(const QVariant &LocationID, const QString &DateofBooking,
                                      const QString &starttime, const QString &endtime, const QVariant &SessionID);

private:
    static Check conflicts(Owner whose, const QVariant &owner, const QString &dateOfBooking, const QString &startTime,
                           const QString &endTime, const QVariant &sessionId);
};

} // namespace Sessara
