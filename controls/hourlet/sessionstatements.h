// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

struct Appointment;

/*!
    The SQL texts with which the day view reads and writes sessions. Dates go
    into the load as "#mm/dd/yyyy#" literals and into the save as general date
    texts between apostrophes; texts are spliced between apostrophes with each
    apostrophe doubled, so that any text is stored as it stands.
*/
class SessionStatements
{
public:
    SessionStatements() = delete;

    /*! The query of the sessions of \a resource on \a activeDate that are not cancelled. */
    static QString loadQuery(OleDate activeDate, qint32 resource);
    /*! The update of the session \a record.ApptID. */
    static QString updateStatement(const Appointment &record);
    /*! The insert of a new session with the values of \a record. */
    static QString insertStatement(const Appointment &record);
    /*! The statement that saves \a record: an update when its ApptID is positive, else an insert. */
    static QString saveStatement(const Appointment &record);
    /*! The delete of the session \a sessionId. */
    static QString deleteStatement(qint64 sessionId);

    /*! \a text with every apostrophe doubled, to stand between apostrophes. */
    static QString quoted(const QString &text);
    /*! \a date as the general date text. */
    static QString dateText(OleDate date);
};

} // namespace OlvarControls
