// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionstatements.h"

#include "appointment.h"
#include "dateformatter.h"
#include "datetext.h"

namespace OlvarControls {

QString SessionStatements::loadQuery(OleDate activeDate, qint32 resource)
{
    const QString day = DateFormatter::format(activeDate, QStringLiteral("mm/dd/yyyy"));
    return QStringLiteral("Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = ")
        + QLatin1Char('#') + day + QStringLiteral("# Or (tblSession.starttime <= ") + QLatin1Char('#') + day
        + QStringLiteral("# and tblSession.endtime >= ") + QLatin1Char('#') + day
        + QStringLiteral("#))  and tblSession.SessionID= tblCounsellerSessionLink.SessionID  and "
                         "tblCounsellerSessionLink.CounsellerID=")
        + QString::number(resource) + QStringLiteral(" and Cancelled = False");
}

QString SessionStatements::updateStatement(const Appointment &record)
{
    return QStringLiteral("UPDATE tblSession SET tblSession.SessionDate =") + QLatin1Char('\'')
        + dateText(record.ApptDate) + QLatin1Char('\'') + QStringLiteral(", ") + QStringLiteral("AdditionalNotes ='")
        + quoted(record.ApptDetail) + QLatin1Char('\'') + QStringLiteral(", SessionDescription='")
        + quoted(record.ApptSubject) + QLatin1Char('\'') + QStringLiteral(", EndTime='") + dateText(record.ApptTimeEnd)
        + QLatin1Char('\'') + QStringLiteral(", StartTime=") + QLatin1Char('\'') + dateText(record.ApptTimeStart)
        + QStringLiteral("', SessionTypeID = ") + QString::number(record.ApptType) + QStringLiteral(" where SessionID=")
        + QString::number(record.ApptID);
}

QString SessionStatements::insertStatement(const Appointment &record)
{
    const auto value = [](const QString &text) -> QString { return QLatin1Char('\'') + text + QLatin1Char('\''); };
    const QString separator = QStringLiteral(", ");
    return QStringLiteral("INSERT INTO tblSession (SessionDate, AdditionalNotes, SessionDescription, EndTime, "
                          "StartTime,SessionTypeID) VALUES (")
        + value(dateText(record.ApptDate)) + separator + value(quoted(record.ApptDetail)) + separator
        + value(quoted(record.ApptSubject)) + separator + value(dateText(record.ApptTimeEnd)) + separator
        + value(dateText(record.ApptTimeStart)) + separator + QString::number(record.ApptType) + QLatin1Char(')');
}

QString SessionStatements::saveStatement(const Appointment &record)
{
    return record.ApptID > 0 ? updateStatement(record) : insertStatement(record);
}

QString SessionStatements::deleteStatement(qint64 sessionId)
{
    return QStringLiteral("DELETE FROM tblSession Where tblSession.SessionID = ") + QString::number(sessionId);
}

QString SessionStatements::quoted(const QString &text)
{
    QString doubled = text;
    return doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString SessionStatements::dateText(OleDate date)
{
    return DateText::general(date);
}

} // namespace OlvarControls
