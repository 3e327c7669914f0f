// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace Sessara {

/*!
    The statements with which the session dialog completes a session after
    the view has stored its date, times, subject, notes and type.
*/
class SessionUpdate
{
public:
    /*! The columns the dialog writes, as the texts of its fields. */
    struct Fields
    {
        QString clientTypeId; //!< column 0 of the chosen client type
        QString bookedClientId; //!< the booked client's identifier as typed; empty for none
        QString locationId; //!< column 0 of the chosen location; -1 for a client-nominated one
        QString clientNominatedLocation; //!< the client-nominated location
        QString actualStartTime; //!< empty to leave the column as it is
        QString actualEndTime; //!< empty to leave the column as it is
    };

    SessionUpdate() = delete;

    /*!
        The update of \a fields without its WHERE clause; every free text
        between apostrophes has its apostrophes doubled.
    */
    static QString statement(const Fields &fields);
    /*! The update of the stored session \a sessionId. */
    static QString forStoredSession(const Fields &fields, qint32 sessionId);
    /*! The update of the session \a sessionId just created, which also makes it chargeable. */
    static QString forNewSession(const Fields &fields, qint32 sessionId);
    /*! The link of the counsellor \a counsellorId to the session \a sessionId. */
    static QString counsellorLink(qint32 sessionId, qint32 counsellorId);
    /*! Whether \a bookedClientId, trimmed, is a client number the update can hold, or empty for none. */
    static bool isClientNumber(const QString &bookedClientId);
};

} // namespace Sessara
