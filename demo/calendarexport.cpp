// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendarexport.h"

#include "basgeneral.h"
#include "dateformatter.h"
#include "democonnection.h"
#include "numberconversion.h"
#include "oleerror.h"

#include <QLoggingCategory>
#include <QSaveFile>
#include <QUuid>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

using namespace OlvarControls;

namespace Sessara {

namespace {

Q_LOGGING_CATEGORY(lcExport, "olvar.sessara.calendar")

const QString PracticeKey = QStringLiteral("PracticeID");

struct ComponentDeleter
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

icaltimetype icalTime(const QDateTime &time, icaltimezone *zone)
{
    icaltimetype t = icaltime_null_time();
    t.year = time.date().year();
    t.month = time.date().month();
    t.day = time.date().day();
    t.hour = time.time().hour();
    t.minute = time.time().minute();
    t.second = time.time().second();
    t.is_date = 0;
    return icaltime_set_timezone(&t, zone);
}

/* A wall-clock time of \a zone as libical writes it: in that zone, or in UTC when libical does not know it. */
icaltimetype eventTime(const QDateTime &wallClock, const QTimeZone &zone, icaltimezone *icalZone)
{
    if (icalZone)
        return icalTime(wallClock, icalZone);
    const QDateTime utc = QDateTime(wallClock.date(), wallClock.time(), zone).toUTC();
    return icalTime(utc, icaltimezone_get_utc_timezone());
}

icaltimezone *icalZoneOf(const QTimeZone &zone)
{
    // libical keeps the zones it loads for the whole process; they go with it.
    static const bool freedAtExit = std::atexit(icaltimezone_free_builtin_timezones) == 0;
    Q_UNUSED(freedAtExit);
    const QByteArray id = zone.id();
    if (id.isEmpty() || id == "UTC" || id == "Etc/UTC")
        return nullptr;
    return icaltimezone_get_builtin_timezone(id.constData());
}

icalcomponent *eventOf(const CalendarSession &session, const QString &practiceId, const QTimeZone &zone,
                       icaltimezone *icalZone, const QDateTime &stamp)
{
    icalcomponent *event = icalcomponent_new_vevent();
    const QByteArray uid = QStringLiteral("session-%1@%2.sessara").arg(session.sessionId).arg(practiceId).toUtf8();
    icalcomponent_set_uid(event, uid.constData());
    const icaltimetype utcStamp = icalTime(stamp.toUTC(), icaltimezone_get_utc_timezone());
    icalcomponent_set_dtstamp(event, utcStamp);
    icalcomponent_add_property(event, icalproperty_new_lastmodified(utcStamp));
    icalcomponent_set_dtstart(event, eventTime(session.start, zone, icalZone));
    icalcomponent_set_dtend(event, eventTime(session.end, zone, icalZone));
    icalcomponent_set_summary(event, session.subject.toUtf8().constData());
    if (!session.room.isEmpty())
        icalcomponent_set_location(event, session.room.toUtf8().constData());
    if (!session.notes.isEmpty())
        icalcomponent_set_description(event, session.notes.toUtf8().constData());
    return event;
}

/* The session's start and end: its times on its date, or their own dates when they carry one. */
void placeTimes(CalendarSession &session, OleDate date, OleDate start, OleDate end)
{
    const auto onDate = [&](OleDate time) {
        return time.dayNumber() != 0 ? time.toDateTime() : QDateTime(date.date(), time.time());
    };
    session.start = onDate(start);
    session.end = onDate(end);
    if (session.end <= session.start && end.dayNumber() == 0)
        session.end = session.end.addDays(1); // ends at or after midnight
}

} // namespace

CalendarExport::CalendarExport(const QString &connectionString)
    : m_connectionString(connectionString)
{
}

QList<CalendarSession> CalendarExport::sessions(qint32 counsellor, QDate from, QDate to) const
{
    const auto literal = [](QDate day) -> QString {
        return QLatin1Char('#') + DateFormatter::format(OleDate::fromDate(day), QStringLiteral("mm/dd/yyyy"))
            + QLatin1Char('#');
    };
    QString select = QStringLiteral("Select tblSession.SessionID AS SessID, SessionDate, StartTime, EndTime, "
                                    "SessionDescription, AdditionalNotes, tblLocation.Description AS Room, "
                                    "ClientNominatedLocation from tblSession LEFT JOIN tblLocation ON "
                                    "tblSession.LocationID = tblLocation.LocationID where Cancelled = False and "
                                    "SessionDate >= ")
        + literal(from) + QStringLiteral(" and SessionDate <= ") + literal(to);
    if (counsellor > 0) {
        select += QStringLiteral(" and tblSession.SessionID in (Select SessionID from tblCounsellerSessionLink "
                                 "where CounsellerID=")
            + QString::number(counsellor) + QLatin1Char(')');
    }
    select += QStringLiteral(" order by SessionDate, StartTime, tblSession.SessionID");

    QList<CalendarSession> result;
    DemoConnection cn(m_connectionString);
    for (DemoRecordset rs = cn.read(select); !rs.eof(); rs.moveNext()) {
        try {
            CalendarSession session;
            session.sessionId = NumberConversion::toInt32(rs.value(QStringLiteral("SessID")));
            placeTimes(session, NumberConversion::toDate(rs.value(QStringLiteral("SessionDate"))),
                       NumberConversion::toDate(rs.value(QStringLiteral("StartTime"))),
                       NumberConversion::toDate(rs.value(QStringLiteral("EndTime"))));
            session.subject = basGeneral::TextOf(rs.value(QStringLiteral("SessionDescription")));
            session.notes = basGeneral::TextOf(rs.value(QStringLiteral("AdditionalNotes")));
            session.room = basGeneral::TextOf(rs.value(QStringLiteral("Room")));
            if (session.room.isEmpty())
                session.room = basGeneral::TextOf(rs.value(QStringLiteral("ClientNominatedLocation")));
            result.append(session);
        } catch (const OleError &error) {
            qCWarning(lcExport) << "Session left out of the calendar:" << error.description();
        }
    }
    return result;
}

QString CalendarExport::practiceId() const
{
    const QString select =
        QStringLiteral("Select Value from tblConfig where Description='") + PracticeKey + QLatin1Char('\'');
    for (int attempt = 0; attempt < 2; ++attempt) {
        DemoConnection cn(m_connectionString);
        DemoRecordset rs = cn.read(select);
        if (!rs.eof())
            return basGeneral::TextOf(rs.value(QStringLiteral("Value")));
        rs.close();
        // Another desk may store its identifier first: the second read then finds that one.
        cn.execute(QStringLiteral("Insert into tblConfig (Description, Value) values ('") + PracticeKey
                   + QStringLiteral("', '") + QUuid::createUuid().toString(QUuid::WithoutBraces)
                   + QStringLiteral("')"));
    }
    return QString();
}

QByteArray CalendarExport::calendar(const QList<CalendarSession> &sessions, const QString &practiceId,
                                    const QTimeZone &zone, const QDateTime &stamp)
{
    icaltimezone *icalZone = icalZoneOf(zone);
    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Olvar//Sessara//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    if (icalZone)
        icalcomponent_add_component(calendar.get(), icalcomponent_new_clone(icaltimezone_get_component(icalZone)));
    for (const CalendarSession &session : sessions)
        icalcomponent_add_component(calendar.get(), eventOf(session, practiceId, zone, icalZone, stamp));
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}

bool CalendarExport::write(const QString &fileName, qint32 counsellor, QDate from, QDate to, const QTimeZone &zone,
                           const QDateTime &stamp, QString *error) const
{
    const QString practice = practiceId();
    if (practice.isEmpty()) {
        if (error)
            *error = QStringLiteral("The practice database could not be read.");
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(calendar(sessions(counsellor, from, to), practice, zone, stamp)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Sessara
