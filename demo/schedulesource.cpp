// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "schedulesource.h"

#include "basgeneral.h"
#include "dateformatter.h"
#include "democonnection.h"
#include "hourletbinding.h"
#include "numberconversion.h"
#include "oleerror.h"

#include <QLoggingCategory>

using namespace OlvarControls;

namespace Sessara {

namespace {
Q_LOGGING_CATEGORY(lcSchedule, "olvar.sessara.schedule")
} // namespace

ScheduleSource::ScheduleSource(const QString &connectionString)
    : m_connectionString(connectionString)
{
}

QString ScheduleSource::counsellorName(qint32 counsellor) const
{
    DemoConnection cn(m_connectionString);
    DemoRecordset rs =
        cn.read(QStringLiteral("Select * from tblCounseller where CounsellerID=") + QString::number(counsellor));
    if (rs.eof())
        return QString();
    return basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
        + basGeneral::TextOf(rs.value(QStringLiteral("LastName")));
}

ScheduleColumn ScheduleSource::counsellorDay(qint32 counsellor, OleDate date) const
{
    ScheduleColumn column;
    column.date = date;
    HourletBinding binding;
    binding.setConnectionString(m_connectionString);
    binding.load(column.appointments, date, counsellor);
    return column;
}

QList<QPair<qint32, QString>> ScheduleSource::locations() const
{
    QList<QPair<qint32, QString>> rooms;
    DemoConnection cn(m_connectionString);
    for (DemoRecordset rs = cn.read(QStringLiteral("Select * from tblLocation order by Description")); !rs.eof();
         rs.moveNext()) {
        rooms.append({NumberConversion::toInt32(rs.value(QStringLiteral("LocationID"))),
                      basGeneral::TextOf(rs.value(QStringLiteral("Description")))});
    }
    return rooms;
}

QList<ScheduleColumn> ScheduleSource::locationDay(qint32 location, OleDate date) const
{
    const QString day = DateFormatter::format(date, QStringLiteral("mm/dd/yyyy"));
    DemoConnection cn(m_connectionString);
    DemoRecordset rs =
        cn.read(QStringLiteral("Select tblSession.SessionID AS SessID, StartTime, EndTime, SessionDescription, "
                               "AdditionalNotes, tblCounseller.CounsellerID AS CounsID, FirstName, LastName "
                               "from tblSession, tblCounsellerSessionLink, tblCounseller "
                               "where tblSession.SessionID = tblCounsellerSessionLink.SessionID and "
                               "tblCounsellerSessionLink.CounsellerID = tblCounseller.CounsellerID and "
                               "tblSession.LocationID = ")
                + QString::number(location) + QStringLiteral(" and tblSession.SessionDate = #") + day
                + QStringLiteral("# and Cancelled = False order by LastName, FirstName, tblCounseller.CounsellerID, "
                                 "StartTime"));
    QList<ScheduleColumn> columns;
    for (; !rs.eof(); rs.moveNext()) {
        try {
            addRow(rs, date, columns);
        } catch (const OleError &error) {
            qCWarning(lcSchedule) << "Session left off the room's schedule:" << error.description();
        }
    }
    return columns;
}

void ScheduleSource::addRow(const DemoRecordset &rs, OleDate date, QList<ScheduleColumn> &columns)
{
    {
        const qint32 counsellor = NumberConversion::toInt32(rs.value(QStringLiteral("CounsID")));
        if (columns.isEmpty() || counsellor != columns.constLast().counsellor) {
            ScheduleColumn column;
            column.counsellor = counsellor;
            column.date = date;
            column.title = basGeneral::TextOf(rs.value(QStringLiteral("FirstName"))) + QLatin1Char(' ')
                + basGeneral::TextOf(rs.value(QStringLiteral("LastName")));
            columns.append(column);
        }
        Appointment record;
        record.ApptID = NumberConversion::toInt32(rs.value(QStringLiteral("SessID")));
        record.ApptDate = date;
        record.ApptSubject = basGeneral::TextOf(rs.value(QStringLiteral("SessionDescription")));
        record.ApptDetail = basGeneral::TextOf(rs.value(QStringLiteral("AdditionalNotes")));
        record.ApptTimeStart = NumberConversion::toDate(rs.value(QStringLiteral("StartTime")));
        record.ApptTimeEnd = NumberConversion::toDate(rs.value(QStringLiteral("EndTime")));
        columns.last().appointments.append(record);
    }
}

} // namespace Sessara
