// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The iCalendar export: written with libical, read back with libical, and
// placed in time by its VTIMEZONE as a time-zone-aware calendar reader does.

#include "basgeneral.h"
#include "calendarexport.h"
#include "calendarexportdialog.h"
#include "scriptedmessageboxes.h"
#include "sessarafixture.h"

#include <QDateEdit>
#include <QFile>

#include <libical/ical.h>

#include <memory>

using namespace Sessara;

void PrintTo(const QDateTime &time, std::ostream *os)
{
    *os << time.toString(Qt::ISODateWithMs).toStdString();
}

namespace {

struct Event
{
    QString uid;
    QString summary;
    QString location;
    QString description;
    QDateTime start; //!< the instant, as a zone-aware reader places it
    QDateTime end;
    QTime wallClock; //!< the start as written
    QString zone; //!< the location of the start's zone; empty for UTC
    bool utc = false;
    bool lastModified = false;
};

/*! The instant \a time names, as libical reads it with the zone its TZID points to. */
QDateTime instant(icaltimetype time)
{
    const icaltimetype utc = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
    return QDateTime(QDate(utc.year, utc.month, utc.day), QTime(utc.hour, utc.minute, utc.second), Qt::UTC);
}

/*! The events of \a text, parsed by libical; the calendar's VTIMEZONE count in \a zones. */
QList<Event> parse(const QByteArray &text, int *zones = nullptr)
{
    std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(icalparser_parse_string(text.constData()),
                                                                       icalcomponent_free);
    QList<Event> events;
    if (!calendar) {
        ADD_FAILURE() << "libical could not parse the calendar";
        return events;
    }
    if (zones)
        *zones = icalcomponent_count_components(calendar.get(), ICAL_VTIMEZONE_COMPONENT);
    for (icalcomponent *c = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const auto text = [](const char *value) { return QString::fromUtf8(value ? value : ""); };
        Event event;
        event.uid = text(icalcomponent_get_uid(c));
        event.summary = text(icalcomponent_get_summary(c));
        event.location = text(icalcomponent_get_location(c));
        event.description = text(icalcomponent_get_description(c));
        const icaltimetype start = icalcomponent_get_dtstart(c);
        event.start = instant(start);
        event.end = instant(icalcomponent_get_dtend(c));
        event.wallClock = QTime(start.hour, start.minute, start.second);
        event.utc = icaltime_is_utc(start);
        if (start.zone && !event.utc)
            event.zone = text(icaltimezone_get_location(const_cast<icaltimezone *>(start.zone)));
        event.lastModified = icalcomponent_get_first_property(c, ICAL_LASTMODIFIED_PROPERTY) != nullptr;
        events.append(event);
    }
    return events;
}

} // namespace

class CalendarExportTest : public SessaraFixture
{
protected:
    static QString quoted(QString text) { return text.replace(QLatin1Char('\''), QStringLiteral("''")); }

    int session(QDate date, QTime start, QTime end, int counsellor, int location, const QString &subject,
                const QString &notes, bool cancelled = false)
    {
        const int id = addSession(date, start, end, counsellor, location, cancelled);
        const QString statement = QStringLiteral("Update tblSession set SessionDescription='") + quoted(subject)
            + QStringLiteral("', AdditionalNotes='") + quoted(notes) + QStringLiteral("' where SessionID=")
            + QString::number(id);
        run(statement);
        return id;
    }

    QByteArray exported(qint32 counsellor, QDate from, QDate to, const QTimeZone &zone)
    {
        const QString file = folder.filePath(QStringLiteral("sessions.ics"));
        QString error;
        EXPECT_TRUE(exporter.write(file, counsellor, from, to, zone, stamp, &error)) << error.toStdString();
        QFile read(file);
        EXPECT_TRUE(read.open(QIODevice::ReadOnly));
        return read.readAll();
    }

    CalendarExport exporter{basGeneral::strConnectionString};
    const QDateTime stamp{QDate(2026, 3, 1), QTime(8, 30), Qt::UTC};
};

TEST_F(CalendarExportTest, EverySessionOfTheCounsellorAtItsWallClockTimeInAucklandAcrossDaylightSaving)
{
    // Summer (UTC+13) and winter (UTC+12) in Auckland, and one that ends at midnight.
    const QTimeZone auckland("Pacific/Auckland");
    ASSERT_TRUE(auckland.isValid());
    struct Booked
    {
        QDate day;
        QTime start;
        QTime end;
        QString subject;
        QString notes;
        int location;
        int id = 0;
    };
    QList<Booked> booked{{QDate(2027, 1, 12), QTime(9, 0), QTime(10, 30), QStringLiteral("Summer intake"),
                          QStringLiteral("Bring the referral; \"urgent\", call first"), 1},
                         {QDate(2027, 7, 6), QTime(14, 0), QTime(15, 0), QStringLiteral("Winter review"), QString(), 4},
                         {QDate(2027, 7, 7), QTime(23, 0), QTime(0, 0), QStringLiteral("Late call"),
                          QStringLiteral("Line one\nline two"), 2}};
    for (Booked &b : booked)
        b.id = session(b.day, b.start, b.end, 1, b.location, b.subject, b.notes);
    session(QDate(2027, 3, 3), QTime(9, 0), QTime(10, 0), 1, 1, QStringLiteral("Cancelled one"), QString(), true);
    session(QDate(2027, 3, 3), QTime(9, 0), QTime(10, 0), 2, 1, QStringLiteral("Someone else's"), QString());
    session(QDate(2027, 9, 1), QTime(9, 0), QTime(10, 0), 1, 1, QStringLiteral("After the range"), QString());

    int zones = 0;
    const QList<Event> events = parse(exported(1, QDate(2027, 1, 1), QDate(2027, 8, 31), auckland), &zones);
    EXPECT_EQ(zones, 1);
    ASSERT_EQ(events.size(), booked.size());
    const QString practice = exporter.practiceId();
    ASSERT_FALSE(practice.isEmpty());
    for (int i = 0; i < booked.size(); ++i) {
        const Booked &b = booked.at(i);
        const Event &e = events.at(i);
        SCOPED_TRACE(b.subject.toStdString());
        EXPECT_EQ(e.uid, QStringLiteral("session-%1@%2.sessara").arg(b.id).arg(practice));
        EXPECT_EQ(e.summary, b.subject);
        EXPECT_EQ(e.description, b.notes);
        EXPECT_EQ(e.location,
                  first(QStringLiteral("Select * from tblLocation where LocationID=%1").arg(b.location),
                        QStringLiteral("Description"))
                      .toString());
        EXPECT_TRUE(e.lastModified);
        // The wall clock as written, in the calendar's own zone...
        EXPECT_EQ(e.zone, QStringLiteral("Pacific/Auckland"));
        EXPECT_EQ(e.wallClock, b.start);
        // ...and the instant a zone-aware reader gets from the VTIMEZONE is that wall clock in Auckland.
        const QDateTime start(b.day, b.start, auckland);
        const QDateTime end =
            b.end > b.start ? QDateTime(b.day, b.end, auckland) : QDateTime(b.day.addDays(1), b.end, auckland);
        EXPECT_EQ(e.start, start.toUTC());
        EXPECT_EQ(e.end, end.toUTC());
    }
    EXPECT_EQ(events.at(0).start, QDateTime(QDate(2027, 1, 11), QTime(20, 0), Qt::UTC));
    EXPECT_EQ(events.at(1).start, QDateTime(QDate(2027, 7, 6), QTime(2, 0), Qt::UTC));
}

TEST_F(CalendarExportTest, ReExportKeepsEachSessionsUidAndAllCounsellorsListsASharedSessionOnce)
{
    const QTimeZone berlin("Europe/Berlin");
    const int shared = session(QDate(2027, 5, 4), QTime(10, 0), QTime(11, 0), 1, 1, QStringLiteral("Joint"), QString());
    run(QStringLiteral("Insert into tblCounsellerSessionLink (CounsellerID, SessionID) values (2, %1)").arg(shared));
    session(QDate(2027, 5, 5), QTime(10, 0), QTime(11, 0), 2, 1, QStringLiteral("Second's"), QString());

    const QList<Event> once = parse(exported(0, QDate(2027, 5, 1), QDate(2027, 5, 31), berlin));
    const QList<Event> again = parse(exported(0, QDate(2027, 5, 1), QDate(2027, 5, 31), berlin));
    ASSERT_EQ(once.size(), 2);
    ASSERT_EQ(again.size(), 2);
    EXPECT_EQ(once.at(0).uid, again.at(0).uid);
    EXPECT_EQ(once.at(1).uid, again.at(1).uid);
    EXPECT_NE(once.at(0).uid, once.at(1).uid);
    EXPECT_EQ(count(QStringLiteral("Select * from tblConfig where Description='PracticeID'")), 1);
    EXPECT_EQ(once.at(0).start, QDateTime(QDate(2027, 5, 4), QTime(8, 0), Qt::UTC));

    const QList<Event> second = parse(exported(2, QDate(2027, 5, 1), QDate(2027, 5, 31), berlin));
    ASSERT_EQ(second.size(), 2);
    EXPECT_EQ(second.at(0).uid, once.at(0).uid);
}

TEST_F(CalendarExportTest, TimesInUtcWhenLibicalDoesNotKnowTheZone)
{
    session(QDate(2027, 5, 4), QTime(10, 0), QTime(11, 0), 1, 1, QStringLiteral("Fixed offset"), QString());
    int zones = -1;
    const QList<Event> events =
        parse(exported(1, QDate(2027, 5, 4), QDate(2027, 5, 4), QTimeZone(5 * 3600 + 1800)), &zones);
    EXPECT_EQ(zones, 0);
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events.at(0).utc);
    EXPECT_EQ(events.at(0).start, QDateTime(QDate(2027, 5, 4), QTime(4, 30), Qt::UTC));
}

TEST_F(CalendarExportTest, TheDialogWritesTheChosenCounsellorsRangeAndReportsAFileItCannotWrite)
{
    session(QDate(2026, 3, 20), QTime(10, 0), QTime(11, 0), 2, 1, QStringLiteral("Via dialog"), QString());
    CalendarExportDialog dialog(2, QDate(2026, 3, 20));
    EXPECT_EQ(dialog.counsellor(), 2);
    EXPECT_EQ(dialog.to(), QDate(2026, 4, 16));
    const QString file = folder.filePath(QStringLiteral("dialog.ics"));
    ASSERT_TRUE(dialog.exportTo(file));
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    const QList<Event> events = parse(read.readAll());
    EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                            [](const Event &e) { return e.summary == QStringLiteral("Via dialog"); }));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession, tblCounsellerSessionLink where "
                                   "tblSession.SessionID = tblCounsellerSessionLink.SessionID and CounsellerID=2 "
                                   "and Cancelled = False and SessionDate >= #03/20/2026# and "
                                   "SessionDate <= #04/16/2026#")),
              events.size());
}

TEST_F(CalendarExportTest, TheDialogRefusesAReversedRangeAndReportsAnUnwritableFile)
{
    CalendarExportDialog dialog(1, QDate(2026, 3, 20));
    dialog.findChild<QDateEdit *>(QStringLiteral("calTo"))->setDate(QDate(2026, 3, 19));
    OlvarTest::messageBoxes().clear();
    const QString file = folder.filePath(QStringLiteral("reversed.ics"));
    EXPECT_FALSE(dialog.exportTo(file));
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);

    dialog.findChild<QDateEdit *>(QStringLiteral("calTo"))->setDate(QDate(2026, 3, 27));
    EXPECT_FALSE(dialog.exportTo(folder.filePath(QStringLiteral("no-such-folder/sessions.ics"))));
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_TRUE(
        OlvarTest::messageBoxes().last().prompt.startsWith(QStringLiteral("The calendar could not be written")));
}

TEST_F(CalendarExportTest, ASessionWithoutTimesIsLeftOutAndTheRestWritten)
{
    const int broken =
        session(QDate(2027, 5, 4), QTime(9, 0), QTime(10, 0), 1, 1, QStringLiteral("No times"), QString());
    run(QStringLiteral("Update tblSession set StartTime=NULL where SessionID=%1").arg(broken));
    session(QDate(2027, 5, 4), QTime(11, 0), QTime(12, 0), 1, 1, QStringLiteral("Kept"), QString());
    const QList<Event> events = parse(exported(1, QDate(2027, 5, 4), QDate(2027, 5, 4), QTimeZone("Europe/Berlin")));
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events.at(0).summary, QStringLiteral("Kept"));
}
