// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QString>

#include <functional>
#include <optional>

namespace OlvarControls {

class AppointmentList;
class OleError;
namespace DataAccess {
class Connection;
}
struct Appointment;

/*!
    The day view's database work: loading one resource's sessions of one day
    into the appointment list, saving one appointment as a session, and
    deleting a session. Each operation opens its own connection with the
    connection string and closes it again.

    Failures are shown in a message box of the library (the error number,
    CR LF, the description; OK only) and reported by the result; nothing is
    thrown. A load that cannot open the database ends silently, and a load
    failure is shown once: the same load failing again is only logged, until
    a load succeeds or the connection string, date or resource changes.
*/
class HourletBinding
{
public:
    /*! The text that opens the database; empty for none. */
    QString connectionString() const { return m_connectionString; }
    void setConnectionString(const QString &connectionString) { m_connectionString = connectionString; }
    /*! Whether a connection string is set. */
    bool hasDatabase() const { return !m_connectionString.isEmpty(); }

    /*!
        Replaces \a list by the sessions of \a resource on \a activeDate that are
        not cancelled, in the order the database gives them, or by one blank
        record for none. Without a connection string the list stays as it is; a
        failure leaves the records read until then.
    */
    void load(AppointmentList &list, OleDate activeDate, qint32 resource);

    /*!
        Saves \a record: updates the session record.ApptID when it is positive,
        else inserts a new session. Returns the session's identifier (the new
        row's after an insert), 0 when the save failed. Fails, writing nothing,
        for a text holding a null character, an update of a session that no
        longer exists (3021), and an insert whose new identifier does not fit
        32 bits (6; the row is removed again).
    */
    qint32 save(const Appointment &record) const;

    /*!
        Deletes the session \a sessionId, then runs \a whileOpen before the
        connection closes. Returns false when either failed.
    */
    bool deleteSession(qint32 sessionId, const std::function<void()> &whileOpen) const;

    /*!
        Lends the open \a connection for the loads of one operation of a
        container (nullptr ends the loan): they run their queries on it then,
        instead of opening and closing a connection of their own, and so still
        read the database as it is at that moment.
    */
    void lend(const DataAccess::Connection *connection) { m_lent = connection; }

    /*! Shows \a error as the day view reports database failures. */
    static void report(const OleError &error);

private:
    /*! What a load read: a failure is shown again only for another one. */
    struct LoadSource
    {
        QString connectionString;
        double activeDate;
        qint32 resource;
        bool operator==(const LoadSource &other) const;
    };

    void reportLoadFailure(const OleError &error, const LoadSource &source);

    QString m_connectionString;
    std::optional<LoadSource> m_failedLoad;
    std::optional<LoadSource> m_loaded; // the day, resource and database the list was last read for
    const DataAccess::Connection *m_lent = nullptr;
};

} // namespace OlvarControls
