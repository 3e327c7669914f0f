// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "seriesstore.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "numberconversion.h"
#include "resumenext.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

QString id(qint64 value)
{
    return QString::number(value);
}

// The rows of a series whose sessions are still stored.
const QString storedMembers = QStringLiteral(
    "SELECT tblSessionSeries.SessionID, tblSessionSeries.Position, tblSession.SessionDate, tblSession.StartTime "
    "FROM tblSessionSeries INNER JOIN tblSession ON tblSessionSeries.SessionID = tblSession.SessionID "
    "WHERE tblSessionSeries.SeriesID = ");

} // namespace

QString SeriesStore::link(qint32 sessionId, qint32 seriesId, int position)
{
    return QStringLiteral("Insert into tblSessionSeries (SessionID, SeriesID, Position) values (") + id(sessionId)
        + QStringLiteral(", ") + id(seriesId) + QStringLiteral(", ") + id(position) + QStringLiteral(")");
}

QString SeriesStore::unlink(qint32 sessionId)
{
    return QStringLiteral("Delete from tblSessionSeries where SessionID = ") + id(sessionId);
}

std::optional<SeriesStore::Place> SeriesStore::placeOf(DemoConnection &cn, qint32 sessionId)
{
    DemoRecordset own = cn.read(QStringLiteral("Select * from tblSessionSeries where SessionID=") + id(sessionId));
    if (own.eof())
        return std::nullopt;
    Place place;
    place.seriesId = basGeneral::Int32Of(own.value(QStringLiteral("SeriesID")));
    const qint32 position = basGeneral::Int32Of(own.value(QStringLiteral("Position")));
    DemoRecordset members = cn.read(storedMembers + id(place.seriesId));
    while (!members.eof()) {
        ++place.total;
        if (basGeneral::Int32Of(members.value(QStringLiteral("Position"))) <= position)
            ++place.position;
        members.moveNext();
    }
    if (place.position == 0)
        return std::nullopt; // the session itself is gone
    return place;
}

QList<SeriesStore::Member> SeriesStore::thisAndLater(DemoConnection &cn, qint32 sessionId)
{
    DemoRecordset own = cn.read(QStringLiteral("Select * from tblSessionSeries where SessionID=") + id(sessionId));
    if (own.eof())
        return {};
    const QString position = id(basGeneral::Int32Of(own.value(QStringLiteral("Position"))));
    DemoRecordset members = cn.read(storedMembers + id(basGeneral::Int32Of(own.value(QStringLiteral("SeriesID"))))
                                    + QStringLiteral(" AND tblSessionSeries.Position >= ") + position
                                    + QStringLiteral(" ORDER BY tblSessionSeries.Position"));
    QList<Member> result;
    while (!members.eof()) {
        Member member;
        member.sessionId = basGeneral::Int32Of(members.value(QStringLiteral("SessionID")));
        ResumeNext()([&] {
            const OleDate day = NumberConversion::toDate(members.value(QStringLiteral("SessionDate")));
            const OleDate time = NumberConversion::toDate(members.value(QStringLiteral("StartTime")));
            member.start = OleDate::fromDateAndTime(day.date(), time.time());
        });
        result.append(member);
        members.moveNext();
    }
    return result;
}

} // namespace Sessara
