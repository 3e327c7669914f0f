// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "bookingconflict.h"
#include "multicolumncombo.h"
#include "oleerror.h"
#include "sessiontexts.h"
#include "sessiontime.h"
#include "sessionupdate.h"
#include "sessionview.h"
#include "testenvironment.h"

#include <QTime>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace Sessara;

namespace {

std::optional<QTime> timeOf(const QString &text)
{
    const std::optional<OleDate> time = SessionTime::timeOfDay(text);
    if (!time)
        return std::nullopt;
    EXPECT_TRUE(time->isTimeOnly());
    return time->time();
}

int errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const OleError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(SessionTimeTexts, TimesReadOnATwelveOrTwentyFourHourClock)
{
    EXPECT_EQ(timeOf(QStringLiteral("9:30 am")), QTime(9, 30));
    EXPECT_EQ(timeOf(QStringLiteral("12:00 am")), QTime(0, 0));
    EXPECT_EQ(timeOf(QStringLiteral("12:30 AM")), QTime(0, 30));
    EXPECT_EQ(timeOf(QStringLiteral("12:00 pm")), QTime(12, 0));
    EXPECT_EQ(timeOf(QStringLiteral(" 11:30 p.m. ")), QTime(23, 30));
    EXPECT_EQ(timeOf(QStringLiteral("9 pm")), QTime(21, 0));
    EXPECT_EQ(timeOf(QStringLiteral("14:30")), QTime(14, 30));
    EXPECT_EQ(timeOf(QStringLiteral("10:02:30")), QTime(10, 2, 30));
    for (const char *text : {"25:99", "24:00", "13:00 pm", "0:30 am", "9", "", "half past nine", "9:60", "9:30 xm"})
        EXPECT_FALSE(timeOf(QLatin1String(text)).has_value()) << text;
}

TEST(SessionTimeTexts, TheTimeListAndTheDatesAreWrittenTheSameInEveryLocale)
{
    const QStringList times = SessionTime::halfHourTimes();
    ASSERT_EQ(times.size(), 48);
    OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(SessionTime::halfHourTimes(), times);
    for (const QString &time : times)
        EXPECT_EQ(SessionTime::timeText(*SessionTime::timeOfDay(time)), time);
    EXPECT_EQ(SessionTime::dateText(OleDate::fromDate(QDate(2026, 3, 7))), QStringLiteral("07/03/2026"));
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    EXPECT_EQ(SessionTime::dayMonthYear(QStringLiteral("07/03/2026")), OleDate::fromDate(QDate(2026, 3, 7)));
    EXPECT_EQ(SessionTime::dayMonthYear(QStringLiteral(" 7/3/2026 ")), OleDate::fromDate(QDate(2026, 3, 7)));
    EXPECT_FALSE(SessionTime::dayMonthYear(QStringLiteral("31/02/2026")).has_value());
    EXPECT_FALSE(SessionTime::dayMonthYear(QString()).has_value());
}

TEST(SessionTimeTexts, TheEndMayNotLieBeforeTheStart)
{
    using Check = SessionTime::Check;
    const QString day = QStringLiteral("07/03/2026");
    const QString next = QStringLiteral("08/03/2026");
    EXPECT_EQ(SessionTime::check(day, QStringLiteral("10:00 am"), day, QStringLiteral("9:00 am")),
              Check::EndBeforeStart);
    EXPECT_EQ(SessionTime::check(day, QStringLiteral("11:00 pm"), next, QStringLiteral("1:00 am")), Check::Valid);
    EXPECT_EQ(SessionTime::check(day, QStringLiteral("10:00 am"), day, QStringLiteral("10:00 am")), Check::Valid);
    EXPECT_EQ(SessionTime::check(next, QStringLiteral("9:00 am"), day, QStringLiteral("5:00 pm")),
              Check::EndBeforeStart);
    EXPECT_EQ(SessionTime::check(day, QStringLiteral("10:00 am"), day, QStringLiteral("25:99")), Check::Unreadable);
    EXPECT_EQ(SessionTime::check(QString(), QStringLiteral("10:00 am"), day, QStringLiteral("11:00 am")),
              Check::Unreadable);

    EXPECT_EQ(SessionTime::endAfterStartChanged(QStringLiteral("2:30 pm"), QStringLiteral("1:00 pm")),
              QStringLiteral("3:30 pm"));
    EXPECT_EQ(SessionTime::endAfterStartChanged(QStringLiteral("11:30 pm"), QStringLiteral("1:00 pm")),
              QStringLiteral("12:30 am"));
    EXPECT_FALSE(SessionTime::endAfterStartChanged(QStringLiteral("1:00 pm"), QStringLiteral("1:00 pm")).has_value());
    EXPECT_FALSE(SessionTime::endAfterStartChanged(QStringLiteral("oops"), QStringLiteral("1:00 pm")).has_value());
}

TEST(ConflictStatements, TheCounsellorsAndTheRoomsQueriesAsTheDatabaseReadsThem)
{
    const QString counsellor =
        QStringLiteral("SELECT tblCounsellerSessionLink.CounsellerID, tblSession.SessionDate, tblSession.StartTime, "
                       "tblSession.EndTime, "
                       "tblCounsellerSessionLink.SessionID FROM tblSession INNER JOIN tblCounsellerSessionLink ON "
                       "tblSession.SessionID = "
                       "tblCounsellerSessionLink.SessionID WHERE (((tblCounsellerSessionLink.CounsellerID)=12) AND "
                       "((tblSession.SessionDate)=#07/Mar/2026#) AND ((tblCounsellerSessionLink.SessionID)<>-1) AND "
                       "((IIf(([StartTime]<=#09:30:00#) And [endtime]>#09:30:00#,1,0))=1)) OR "
                       "(((tblCounsellerSessionLink.CounsellerID)=12) AND ((tblSession.SessionDate)=#07/Mar/2026#) AND "
                       "((tblCounsellerSessionLink.SessionID)<>-1) AND ((IIf(([StartTime]<#23:00:00#) And "
                       "[EndTime]>#09:30:00#,1,0))=1));");
    EXPECT_EQ(BookingConflict::statement(BookingConflict::Owner::Counsellor, 12, QStringLiteral("07/03/2026"),
                                         QStringLiteral("9:30 am"), QStringLiteral("11:00 pm"), -1),
              counsellor);
    const std::optional<QString> room =
        BookingConflict::statement(BookingConflict::Owner::Room, 3, QStringLiteral("07/03/2026"),
                                   QStringLiteral("9:30 am"), QStringLiteral("11:00 pm"), 5);
    ASSERT_TRUE(room.has_value());
    EXPECT_TRUE(room->startsWith(QStringLiteral("SELECT tblSession.LocationID, tblSession.SessionDate")));
    EXPECT_TRUE(room->contains(QStringLiteral("WHERE (((tblSession.LocationID)=3) AND")));
    EXPECT_TRUE(room->contains(QStringLiteral(",1,0))=1)) OR (((tblSession.LocationID)=3) AND")));
    EXPECT_EQ(room->count(QStringLiteral("<>5)")), 2);
    // A text that cannot be read gives no query, and the check no conflict.
    EXPECT_FALSE(BookingConflict::statement(BookingConflict::Owner::Room, 3, QStringLiteral("07/03/2026"),
                                            QStringLiteral("25:99"), QStringLiteral("11:00 pm"), 5)
                     .has_value());
    EXPECT_FALSE(BookingConflict::statement(BookingConflict::Owner::Room, QStringLiteral("Room 3"),
                                            QStringLiteral("07/03/2026"), QStringLiteral("9:00 am"),
                                            QStringLiteral("11:00 pm"), 5)
                     .has_value());
    EXPECT_EQ(BookingConflict::CheckForBookingConflict(12, QStringLiteral("nonsense"), QStringLiteral("9:00 am"),
                                                       QStringLiteral("10:00 am"), -1),
              BookingConflict::Check::Free);
}

TEST(CompletingStatements, TheUpdateDoublesApostrophesInEveryFreeText)
{
    SessionUpdate::Fields fields{QStringLiteral("1"),
                                 QStringLiteral(" 4 "),
                                 QStringLiteral("-1"),
                                 QStringLiteral("Ann's office"),
                                 QString(),
                                 QString()};
    EXPECT_EQ(SessionUpdate::forStoredSession(fields, 5),
              QStringLiteral("Update tblSession set ClientTypeID =1, BookedClientID =4, LocationID = -1, "
                             "ClientNominatedLocation = 'Ann''s office'  where SessionID = 5"));
    fields.actualStartTime = QStringLiteral("10'02");
    fields.actualEndTime = QStringLiteral("10:55:00");
    fields.bookedClientId = QString();
    EXPECT_EQ(SessionUpdate::forNewSession(fields, 9),
              QStringLiteral("Update tblSession set ClientTypeID =1, BookedClientID =Null, LocationID = -1, "
                             "ClientNominatedLocation = 'Ann''s office' , ActualStartTime='10''02' , "
                             "ActualEndTime='10:55:00' , Chargeable=True  where SessionID = 9"));
    EXPECT_EQ(SessionUpdate::counsellorLink(9, 12),
              QStringLiteral("Insert into tblCounsellerSessionLink (SessionID, CounsellerID) values(9, 12 )"));
    EXPECT_TRUE(SessionUpdate::isClientNumber(QStringLiteral(" -1 ")));
    EXPECT_TRUE(SessionUpdate::isClientNumber(QString()));
    EXPECT_FALSE(SessionUpdate::isClientNumber(QStringLiteral("4 or 1=1")));
}

TEST(SessionTextRules, SubjectNameAndCaseLine)
{
    EXPECT_EQ(SessionTexts::BuildDefaultSubject(QStringLiteral("Adult"), QStringLiteral("Assessment"),
                                                QStringLiteral("Room 2"), QStringLiteral("Ms Ann Lee")),
              QStringLiteral("Adult Assessment (Room 2) (Ms Ann Lee)"));
    EXPECT_EQ(
        SessionTexts::bookedClientName(QString(), QStringLiteral(" Ms"), QStringLiteral("Ann "), QStringLiteral("Lee")),
        QStringLiteral("Ms Ann Lee"));
    EXPECT_EQ(
        SessionTexts::bookedClientName(QStringLiteral("Harbour Trust"), QStringLiteral("Mr"), QString(), QString()),
        QStringLiteral("Harbour Trust"));
    EXPECT_EQ(SessionTexts::caseLine(7, 3, 5), QStringLiteral("Case Number: 7     Session: 3/5"));
}

TEST(MultiColumnLists, RowsAreAddedAtTheirIndexAndChosenByTheirText)
{
    MultiColumnCombo box(3, 1);
    box.setList(0, 0, 1); // no row yet: nothing happens
    EXPECT_EQ(box.addItem(5), 0);
    box.setList(0, 0, 2);
    box.setList(0, 1, QStringLiteral("Second"));
    EXPECT_EQ(box.addItem(0), 0);
    box.setList(0, 0, 1);
    box.setList(0, 1, QStringLiteral("First"));
    box.setList(0, 7, QStringLiteral("no such column"));
    EXPECT_EQ(box.list(1, 1), QVariant(QStringLiteral("Second")));
    EXPECT_EQ(box.list(0, 0), QVariant(1));
    EXPECT_FALSE(box.list(2, 0).isValid());
    box.setText(QStringLiteral("Second"));
    EXPECT_EQ(box.listIndex(), 1);
    EXPECT_EQ(box.chosen(0), QVariant(2));
    box.setText(QStringLiteral("Third"));
    EXPECT_EQ(box.listIndex(), -1);
    EXPECT_FALSE(box.chosen(0).isValid());
}

TEST(ViewsByName, AMissingViewOrMemberIsAnErrorOfItsOwn)
{
    EXPECT_EQ(errorOf([] { SessionView().UpdateDisplay(); }), ErrorNumber::ObjectNotSet);
    QObject plain;
    EXPECT_EQ(errorOf([&] { SessionView(&plain).UpdateDisplay(); }), 438);
    EXPECT_EQ(errorOf([&] {
                  SessionView(&plain).SetAppointment(OleDate(), OleDate(), OleDate(), QString(), QString(), 0,
                                                     QString());
              }),
              438);
}
