#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QString>

#include <functional>

namespace OlvarControls {

class AppointmentList;
class OleError;
struct Appointment;

/*!
    The day view's database work: loading one resource's sessions of one day
    into the appointment list, saving one appointment as a session, and
    deleting a session. Each operation opens its own connection with the
    connection string and closes it again.

    Failures are shown in a message box of the library (the error number,
    CR LF, the description; OK only) and reported by the result; nothing is
    thrown. A load that cannot open the database ends silently.
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
    void load(AppointmentList &list, OleDate activeDate, qint32 resource) const;

    /*!
        Saves \a record: updates the session record.ApptID when it is positive,
        else inserts a new session. Returns the session's identifier (the new
        row's after an insert), 0 when the save failed.
    */
    qint32 save(const Appointment &record) const;

    /*!
        Deletes the session \a sessionId, then runs \a whileOpen before the
        connection closes. Returns false when either failed.
    */
    bool deleteSession(qint32 sessionId, const std::function<void()> &whileOpen) const;

    /*! Shows \a error as the day view reports database failures. */
    static void report(const OleError &error);

private:
    QString m_connectionString;
};

} // namespace OlvarControls
