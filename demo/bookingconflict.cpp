// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "bookingconflict.h"

#include "dateformatter.h"
#include "democonnection.h"
#include "numberconversion.h"
#include "resumenext.h"
#include "sessiontime.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

QString literal(OleDate value, const QString &pattern)
{
    return QLatin1Char('#') + DateFormatter::format(value, pattern) + QLatin1Char('#');
}

} // namespace

QString BookingConflict::statement(Owner whose, qint32 owner, OleDate day, OleDate start, OleDate end, qint32 sessionId)
{
    const QString d = literal(day, QStringLiteral("DD/MMM/YYYY"));
    const QString s = literal(start, QStringLiteral("HH:MM:SS"));
    const QString e = literal(end, QStringLiteral("HH:MM:SS"));
    const QString o = QString::number(owner);
    const QString i = QString::number(sessionId);
    const bool room = whose == Owner::Room;
    const QString ownerColumn =
        room ? QStringLiteral("tblSession.LocationID") : QStringLiteral("tblCounsellerSessionLink.CounsellerID");
    const QString ownerTest = QStringLiteral("(((") + ownerColumn + QStringLiteral(")=");
    const QString sameDayOthers = QStringLiteral(") AND ((tblSession.SessionDate)=") + d
        + QStringLiteral(") AND ((tblCounsellerSessionLink.SessionID)<>") + i;
    return QStringLiteral("SELECT ") + ownerColumn
        + QStringLiteral(", tblSession.SessionDate, tblSession.StartTime, tblSession.EndTime, "
                         "tblCounsellerSessionLink.SessionID ")
        + QStringLiteral("FROM tblSession INNER JOIN tblCounsellerSessionLink ON tblSession.SessionID = "
                         "tblCounsellerSessionLink.SessionID ")
        + QStringLiteral("WHERE ") + ownerTest + o + sameDayOthers + QStringLiteral(") AND ((IIf(([StartTime]<=") + s
        + QStringLiteral(") And [endtime]>") + s + QStringLiteral(",1,0))=1)) OR ") + ownerTest + o + sameDayOthers
        + QStringLiteral(") AND ((IIf(([StartTime]<") + e + QStringLiteral(") And [EndTime]>") + s
        + QStringLiteral(",1,0))=1));");
}

std::optional<QString> BookingConflict::statement(Owner whose, const QVariant &owner, const QString &dateOfBooking,
                                                  const QString &startTime, const QString &endTime,
                                                  const QVariant &sessionId)
{
    const std::optional<OleDate> day = SessionTime::dayMonthYear(dateOfBooking);
    const std::optional<OleDate> start = SessionTime::timeOfDay(startTime);
    const std::optional<OleDate> end = SessionTime::timeOfDay(endTime);
    if (!day || !start || !end)
        return std::nullopt;
    std::optional<QString> text;
    ResumeNext()([&] {
        text = statement(whose, NumberConversion::toInt32(owner), *day, *start, *end,
                         NumberConversion::toInt32(sessionId));
    });
    return text;
}

BookingConflict::Check BookingConflict::CheckForBookingConflict(const QVariant &CounsellerID,
                                                                const QString &DateofBooking, const QString &starttime,
                                                                const QString &endtime, const QVariant &SessionID)
{
    return conflicts(Owner::Counsellor, CounsellerID, DateofBooking, starttime, endtime, SessionID);
}

BookingConflict::Check BookingConflict::CheckForRoomConflict(const QVariant &LocationID, const QString &DateofBooking,
                                                             const QString &starttime, const QString &endtime,
                                                             const QVariant &SessionID)
{
    return conflicts(Owner::Room, LocationID, DateofBooking, starttime, endtime, SessionID);
}

BookingConflict::Check BookingConflict::conflicts(Owner whose, const QVariant &owner, const QString &dateOfBooking,
                                                  const QString &startTime, const QString &endTime,
                                                  const QVariant &sessionId)
{
    const std::optional<QString> query = statement(whose, owner, dateOfBooking, startTime, endTime, sessionId);
    if (!query)
        return Check::Free;
    DemoConnection cn;
    DemoRecordset rs = cn.executeRead(*query);
    const bool found = !rs.eof();
    rs.close();
    if (cn.errors().failed())
        return Check::CouldNotRun;
    return found ? Check::Conflict : Check::Free;
}

} // namespace Sessara
