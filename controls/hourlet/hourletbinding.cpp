// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourletbinding.h"

#include "appointmentlist.h"
#include "command.h"
#include "connection.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "olevariant.h"
#include "qtboundary_p.h"
#include "recordset.h"
#include "sessionstatements.h"
#include "slotgeometry.h"

#include <QLoggingCategory>

#include <limits>

namespace OlvarControls {

using namespace DataAccess;

namespace {

Q_LOGGING_CATEGORY(lcDatabase, "olvar.hourlet.database")

/* A text column; one without a value reads as an empty text. */
QString textOf(const QVariant &value)
{
    return isNullVariant(value) ? QString() : value.toString();
}

Appointment appointmentFromRow(const Recordset &row, OleDate activeDate)
{
    Appointment record;
    record.ApptID = NumberConversion::toInt32(row.Fields(QStringLiteral("tblSession.SessionID")).Value());
    record.ApptDate = NumberConversion::toDate(row.Fields(QStringLiteral("SessionDate")).Value());
    record.ApptSubject = textOf(row.Fields(QStringLiteral("SessionDescription")).Value());
    record.ApptDetail = textOf(row.Fields(QStringLiteral("AdditionalNotes")).Value());
    record.ApptTimeStart = NumberConversion::toDate(row.Fields(QStringLiteral("StartTime")).Value());
    record.ApptTimeEnd = NumberConversion::toDate(row.Fields(QStringLiteral("EndTime")).Value());
    const CoordinatePair pair =
        SlotGeometry::timeRangeToCoordinates(activeDate, record.ApptTimeStart, record.ApptTimeEnd);
    record.ApptStartCoord = pair.top;
    record.ApptEndCoord = pair.bottom;
    return record;
}

Connection openConnection(const QString &connectionString)
{
    Connection connection(connectionString);
    connection.Open();
    return connection;
}

void execute(const Connection &connection, const QString &statement)
{
    Command command;
    command.setActiveConnection(connection);
    command.setCommandText(statement);
    command.Execute();
}

/* No statement can carry a null character: name the text that holds one before anything is written. */
void refuseNullCharacters(const Appointment &record)
{
    const QChar null(0);
    if (record.ApptSubject.contains(null))
        throw OleError(ErrorNumber::InvalidProcedureCall,
                       QStringLiteral("The session's subject contains a null character, which cannot be stored."));
    if (record.ApptDetail.contains(null))
        throw OleError(ErrorNumber::InvalidProcedureCall,
                       QStringLiteral("The session's notes contain a null character, which cannot be stored."));
}

/* The session the update just wrote: an update that matched no row lost the edit. */
qint32 updatedId(const Connection &connection, qint32 sessionId)
{
    if (connection.RecordsAffected() == 0)
        throw OleError(ErrorNumber::NoCurrentRecord, QStringLiteral("The session no longer exists."));
    return sessionId;
}

/* The session the insert just added; one that a 32-bit identifier cannot name is removed again. */
qint32 insertedId(const Connection &connection)
{
    const qint64 rowId = connection.LastInsertId();
    if (rowId >= std::numeric_limits<qint32>::min() && rowId <= std::numeric_limits<qint32>::max())
        return qint32(rowId);
    execute(connection, SessionStatements::deleteStatement(rowId));
    throw OleError(ErrorNumber::Overflow,
                   QStringLiteral("Overflow: the database gave the new session the identifier %1, which does not fit "
                                  "a session identifier. The session was not stored.")
                       .arg(rowId));
}

} // namespace

void HourletBinding::report(const OleError &error)
{
    MsgBox::showFromLibrary(error.messageText(), MsgBox::OkOnly);
}

bool HourletBinding::LoadSource::operator==(const LoadSource &other) const
{
    return connectionString == other.connectionString && activeDate == other.activeDate && resource == other.resource;
}

void HourletBinding::reportLoadFailure(const OleError &error, const LoadSource &source)
{
    if (m_failedLoad == source) {
        qCInfo(lcDatabase, "the load failed again, shown before: %s", error.what());
        return;
    }
    m_failedLoad = source;
    report(error);
}

void HourletBinding::load(AppointmentList &list, OleDate activeDate, qint32 resource)
{
    if (!hasDatabase())
        return;
    const LoadSource source{m_connectionString, activeDate.value(), resource};
    try {
        Connection connection = m_lent ? *m_lent : openConnection(m_connectionString);
        list.reset();
        Recordset rows;
        rows.Open(SessionStatements::loadQuery(activeDate, resource), connection, adOpenForwardOnly, adLockReadOnly,
                  adCmdUnspecified);
        for (qint32 i = 0; !rows.Eof(); ++i) {
            list.growTo(i);
            list[i] = appointmentFromRow(rows, activeDate);
            rows.MoveNext();
        }
        rows.Close();
        if (!m_lent)
            connection.Close();
        m_failedLoad.reset();
        m_loaded = source;
    } catch (const OleError &error) {
        // A database that cannot be opened, or a result without a current row, ends the load quietly.
        // The list keeps what it showed only for the same day and resource: another day's sessions
        // must never stand under this day's date.
        if (!(m_loaded == source))
            list.reset();
        const int number = error.number();
        if (number != ErrorNumber::GeneralFailure && number != 0 && number != ErrorNumber::NoCurrentRecord)
            reportLoadFailure(error, source);
        else
            QtBoundary::skipped(nullptr, "the day view's load", std::current_exception());
    }
}

qint32 HourletBinding::save(const Appointment &record) const
{
    try {
        refuseNullCharacters(record);
        const QString statement = SessionStatements::saveStatement(record);
        Connection connection = openConnection(m_connectionString);
        execute(connection, statement);
        const qint32 id = record.ApptID > 0 ? updatedId(connection, record.ApptID) : insertedId(connection);
        connection.Close();
        return id;
    } catch (const OleError &error) {
        report(error);
        return 0;
    }
}

bool HourletBinding::deleteSession(qint32 sessionId, const std::function<void()> &whileOpen) const
{
    try {
        Connection connection = openConnection(m_connectionString);
        execute(connection, SessionStatements::deleteStatement(sessionId));
        if (whileOpen)
            whileOpen();
        connection.Close();
        return true;
    } catch (const OleError &error) {
        report(error);
        return false;
    }
}

} // namespace OlvarControls
