#include "hourletbinding.h"

#include "appointmentlist.h"
#include "command.h"
#include "connection.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "olevariant.h"
#include "recordset.h"
#include "sessionstatements.h"
#include "slotgeometry.h"

namespace OlvarControls {

using namespace DataAccess;

namespace {

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

} // namespace

void HourletBinding::report(const OleError &error)
{
    MsgBox::showFromLibrary(error.messageText(), MsgBox::OkOnly);
}

void HourletBinding::load(AppointmentList &list, OleDate activeDate, qint32 resource) const
{
    if (!hasDatabase())
        return;
    try {
        Connection connection = m_lent ? *m_lent : openConnection(m_connectionString);
        list.reset();
        Recordset rows;
        rows.Open(SessionStatements::loadQuery(activeDate, resource), connection, adOpenForwardOnly,
                  adLockReadOnly, adCmdUnspecified);
        for (qint32 i = 0; !rows.Eof(); ++i) {
            list.growTo(i);
            list[i] = appointmentFromRow(rows, activeDate);
            rows.MoveNext();
        }
        rows.Close();
        if (!m_lent)
            connection.Close();
    } catch (const OleError &error) {
        // A database that cannot be opened, or a result without a current row, ends the load quietly.
        const int number = error.number();
        if (number != ErrorNumber::GeneralFailure && number != 0 && number != ErrorNumber::NoCurrentRecord)
            report(error);
    }
}

qint32 HourletBinding::save(const Appointment &record) const
{
    try {
        const QString statement = SessionStatements::saveStatement(record);
        Connection connection = openConnection(m_connectionString);
        execute(connection, statement);
        const qint32 id = record.ApptID > 0 ? record.ApptID
                                             : NumberConversion::toInt32(connection.LastInsertId());
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
