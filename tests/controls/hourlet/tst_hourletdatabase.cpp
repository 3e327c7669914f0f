// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlist.h"
#include "hourletbinding.h"
#include "hourlettesthelpers.h"
#include "msgbox.h"
#include "sessionstatements.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

const OleDate Day = OleDate::fromDate(testDay());

Appointment sampleRecord(qint32 id)
{
    Appointment record;
    record.ApptID = id;
    record.ApptDate = Day;
    record.ApptDetail = QStringLiteral("Notes");
    record.ApptSubject = QStringLiteral("O'Brien review");
    record.ApptTimeStart = timeOfDay(10);
    record.ApptTimeEnd = timeOfDay(11);
    record.ApptType = 3;
    return record;
}

void expectDatabaseMessage()
{
    ASSERT_GE(messageBoxes().count(), 1);
    const MessageBoxRequest box = messageBoxes().last();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d+\\r\\n.+")).match(box.prompt).hasMatch())
        << box.prompt.toStdString();
    EXPECT_EQ(box.buttons, MsgBox::OkOnly);
    EXPECT_EQ(box.title, QStringLiteral("OlvarControls"));
}

class HourletDatabase : public testing::TestWithParam<TestEngine>
{
protected:
    HourletDatabase() { binding.setConnectionString(database.connectionString()); }
    void SetUp() override
    {
        if (database.schema())
            OLVAR_REQUIRE_POSTGRES(*database.schema());
    }

    SessionDatabase database{GetParam()};
    HourletBinding binding;
};

} // namespace

TEST(SessionStatements, TheStatementTexts)
{
    EXPECT_EQ(SessionStatements::loadQuery(Day, 12),
              QStringLiteral("Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = "
                             "#03/07/2026# Or (tblSession.starttime <= #03/07/2026# and tblSession.endtime >= "
                             "#03/07/2026#))  and tblSession.SessionID= tblCounsellerSessionLink.SessionID  and "
                             "tblCounsellerSessionLink.CounsellerID=12 and Cancelled = False"));
    EXPECT_EQ(SessionStatements::saveStatement(sampleRecord(5)),
              QStringLiteral("UPDATE tblSession SET tblSession.SessionDate ='07/03/2026', AdditionalNotes ='Notes', "
                             "SessionDescription='O''Brien review', EndTime='11:00:00', StartTime='10:00:00', "
                             "SessionTypeID = 3 where SessionID=5"));
    EXPECT_EQ(SessionStatements::saveStatement(sampleRecord(0)),
              QStringLiteral("INSERT INTO tblSession (SessionDate, AdditionalNotes, SessionDescription, EndTime, "
                             "StartTime,SessionTypeID) VALUES ('07/03/2026', 'Notes', 'O''Brien review', "
                             "'11:00:00', '10:00:00', 3)"));
    EXPECT_EQ(SessionStatements::saveStatement(sampleRecord(-1)), SessionStatements::insertStatement(sampleRecord(-1)));
    EXPECT_EQ(SessionStatements::deleteStatement(7),
              QStringLiteral("DELETE FROM tblSession Where tblSession.SessionID = 7"));
    EXPECT_EQ(SessionStatements::quoted(QStringLiteral("it's ''x''")), QStringLiteral("it''s ''''x''''"));
    EXPECT_EQ(SessionStatements::dateText(at(testDay(), 9, 30)), QStringLiteral("07/03/2026 09:30:00"));
}

TEST_P(HourletDatabase, TheLoadReadsTheResourcesLiveSessionsOfTheDay)
{
    const qint32 booked = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("Booked"));
    database.addSession(Day, timeOfDay(12), timeOfDay(13), QStringLiteral("Cancelled"), 12, true);
    database.addSession(Day, timeOfDay(12), timeOfDay(13), QStringLiteral("Other counsellor"), 13);
    database.addSession(Day.addDays(-1), timeOfDay(12), timeOfDay(13), QStringLiteral("Yesterday"));
    const qint32 spanning = database.addSession(Day.addDays(-1), at(testDay().addDays(-1), 9),
                                                at(testDay().addDays(1), 17), QStringLiteral("Spanning"));
    AppointmentList list;
    binding.load(list, Day, 12);
    ASSERT_EQ(list.upperBound(), 1);
    const Appointment &first = list.at(0);
    EXPECT_EQ(first.ApptID, booked);
    EXPECT_EQ(first.ApptDate, Day);
    EXPECT_EQ(first.ApptSubject, QStringLiteral("Booked"));
    EXPECT_EQ(first.ApptDetail, QStringLiteral("notes"));
    EXPECT_EQ(first.ApptTimeStart, timeOfDay(10));
    EXPECT_EQ(first.ApptTimeEnd, timeOfDay(11));
    EXPECT_EQ(first.ApptStartCoord, 379); // a booked time of day shows in its slot
    EXPECT_EQ(first.ApptEndCoord, 410);
    EXPECT_EQ(first.ApptType, 0);
    EXPECT_EQ(list.at(1).ApptID, spanning);
    EXPECT_EQ(list.at(1).ApptStartCoord, 59);
    EXPECT_EQ(list.at(1).ApptEndCoord, 827);
    EXPECT_EQ(messageBoxes().count(), 0);

    binding.load(list, Day.addDays(1), 12);
    ASSERT_EQ(list.upperBound(), 0);
    EXPECT_EQ(list.at(0).ApptID, spanning);
    binding.load(list, Day.addDays(2), 12);
    ASSERT_EQ(list.upperBound(), 0); // one blank record for a day without sessions
    EXPECT_EQ(list.at(0).ApptID, 0);
    EXPECT_EQ(list.at(0).ApptStartCoord, 0);
}

TEST_P(HourletDatabase, SessionsWithoutTextsLoadWithEmptyTexts)
{
    const qint32 id = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("x"));
    database.execute(QStringLiteral("UPDATE tblSession SET SessionDescription = Null, AdditionalNotes = Null"));
    AppointmentList list;
    binding.load(list, Day, 12);
    EXPECT_EQ(list.at(0).ApptID, id);
    EXPECT_TRUE(list.at(0).ApptSubject.isEmpty());
    EXPECT_TRUE(list.at(0).ApptDetail.isEmpty());
    EXPECT_EQ(messageBoxes().count(), 0);
}

TEST_P(HourletDatabase, LoadFailures)
{
    AppointmentList list;
    list.append(sampleRecord(4));

    HourletBinding missing;
    missing.setConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + database.path()
                                + QStringLiteral(".missing"));
    missing.load(list, Day, 12); // a database that cannot be opened ends the load quietly
    EXPECT_EQ(list.upperBound(), 0); // and shows no sessions it did not read for this day
    EXPECT_EQ(messageBoxes().count(), 0);

    if (GetParam() == TestEngine::Sqlite) {
        // The file vanishes behind a shown day: that day keeps what it showed, the next one shows nothing.
        AppointmentList shown;
        const qint32 id = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("shown"));
        binding.load(shown, Day, 12);
        ASSERT_EQ(shown.at(0).ApptID, id);
        ASSERT_TRUE(QFile::rename(database.path(), database.path() + QStringLiteral(".gone")));
        binding.load(shown, Day, 12);
        EXPECT_EQ(shown.at(0).ApptID, id);
        binding.load(shown, OleDate::fromDate(testDay().addDays(1)), 12);
        EXPECT_EQ(shown.upperBound(), 0);
        EXPECT_EQ(shown.at(0).ApptID, 0);
        EXPECT_EQ(messageBoxes().count(), 0);
        ASSERT_TRUE(QFile::rename(database.path() + QStringLiteral(".gone"), database.path()));
        database.execute(QStringLiteral("DELETE FROM tblSession"));
    }
    list.append(sampleRecord(4));

    HourletBinding none;
    none.load(list, Day, 12); // no database: the list stays
    EXPECT_EQ(list.upperBound(), 1);

    database.execute(QStringLiteral("DROP TABLE tblCounsellerSessionLink"));
    binding.load(list, Day, 12);
    expectDatabaseMessage();
    EXPECT_EQ(list.upperBound(), 0); // reset before the query failed
}

TEST_P(HourletDatabase, ASaveInsertsOrUpdatesAndReturnsTheSessionsIdentifier)
{
    const qint32 inserted = binding.save(sampleRecord(0));
    ASSERT_GT(inserted, 0) << messageBoxes().last().prompt.toStdString();
    EXPECT_EQ(
        database.scalar(QStringLiteral("SELECT SessionDescription FROM tblSession WHERE SessionID = %1").arg(inserted)),
        QStringLiteral("O'Brien review"));
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT StartTime FROM tblSession WHERE SessionID = %1").arg(inserted))
                  .value<OleDate>(),
              timeOfDay(10));
    const qint32 later = database.addSession(Day, timeOfDay(14), timeOfDay(15), QStringLiteral("Later"));
    ASSERT_GT(later, inserted);

    Appointment changed = sampleRecord(inserted);
    changed.ApptSubject = QStringLiteral("Smith & Jones' review");
    changed.ApptType = 7;
    EXPECT_EQ(binding.save(changed), inserted); // the updated session, not the table's last row
    EXPECT_EQ(
        database.scalar(QStringLiteral("SELECT SessionDescription FROM tblSession WHERE SessionID = %1").arg(inserted)),
        QStringLiteral("Smith & Jones' review"));
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT SessionTypeID FROM tblSession WHERE SessionID = %1").arg(inserted))
                  .toInt(),
              7);
    EXPECT_EQ(messageBoxes().count(), 0);

    // Texts with apostrophes read back unchanged.
    database.execute(
        QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, 12)").arg(inserted));
    AppointmentList list;
    binding.load(list, Day, 12);
    EXPECT_EQ(list.at(0).ApptSubject, QStringLiteral("Smith & Jones' review"));

    HourletBinding none;
    EXPECT_EQ(none.save(sampleRecord(0)), 0);
    expectDatabaseMessage();
}

TEST_P(HourletDatabase, DeletingASessionLeavesItsLinks)
{
    const qint32 keep = database.addSession(Day, timeOfDay(9), timeOfDay(10), QStringLiteral("Keep"));
    const qint32 gone = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("Gone"));
    bool ranWhileOpen = false;
    EXPECT_TRUE(binding.deleteSession(gone, [&] { ranWhileOpen = true; }));
    EXPECT_TRUE(ranWhileOpen);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT SessionID FROM tblSession")).toInt(), keep);
    EXPECT_EQ(
        database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblCounsellerSessionLink WHERE SessionID = %1").arg(gone))
            .toInt(),
        1);

    HourletBinding none;
    ranWhileOpen = false;
    EXPECT_FALSE(none.deleteSession(keep, [&] { ranWhileOpen = true; }));
    EXPECT_FALSE(ranWhileOpen);
    expectDatabaseMessage();
}

TEST_P(HourletDatabase, TheDayViewStoresWhatTheHostSets)
{
    const qint32 loaded = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("Loaded"));
    auto hourlet = shownHourlet();
    hourlet->setConnectionString(database.connectionString());
    hourlet->setResource(12);
    ASSERT_EQ(hourlet->itemCount(), 0);

    // Without an identifier: inserted as a new session, kept in the list unsaved (ApptID 0).
    const qint32 added = hourlet->SetAppointment(Day.addDays(3), timeOfDay(14), timeOfDay(15), QStringLiteral("Added"),
                                                 QStringLiteral("Details"), 2, QStringLiteral("Room 1"));
    EXPECT_GT(added, loaded);
    EXPECT_EQ(hourlet->itemCount(), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT SessionDate FROM tblSession WHERE SessionID = %1").arg(added))
                  .value<OleDate>(),
              Day); // the active date, not the date argument
    hourlet->UpdateDisplay();
    EXPECT_EQ(hourlet->itemCount(), 0); // not linked to the resource yet

    // With the identifier of a listed session: changed in place and updated.
    EXPECT_EQ(hourlet->SetAppointment(Day.addDays(1), timeOfDay(11), timeOfDay(12), QStringLiteral("Moved"), QString(),
                                      4, QString(), loaded),
              loaded);
    EXPECT_EQ(hourlet->itemCount(), 0);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT SessionDate FROM tblSession WHERE SessionID = %1").arg(loaded))
                  .value<OleDate>(),
              Day.addDays(1));
    EXPECT_EQ(
        database.scalar(QStringLiteral("SELECT SessionDescription FROM tblSession WHERE SessionID = %1").arg(loaded)),
        QStringLiteral("Moved"));

    // An identifier that is not listed stores nothing.
    EXPECT_EQ(hourlet->SetAppointment(Day, timeOfDay(11), timeOfDay(12), QStringLiteral("Nowhere"), QString(), 4,
                                      QString(), 999),
              0);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 2);
    EXPECT_EQ(messageBoxes().count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, HourletDatabase, OLVAR_BOTH_ENGINES);

TEST(HourletWithoutDatabase, DatabaseWorkFailsWithItsMessage)
{
    auto hourlet = shownHourlet();
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay().addDays(2)), timeOfDay(10), timeOfDay(11),
                                      QStringLiteral("Memo"), QString(), 1, QString()),
              0);
    expectDatabaseMessage();
    EXPECT_EQ(hourlet->itemCount(), 1);
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11),
                                      QStringLiteral("Memo"), QString(), 1, QString(), 0),
              0);
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), timeOfDay(10), timeOfDay(11),
                                      QStringLiteral("Memo"), QString(), 1, QString(), -4),
              0);
    EXPECT_EQ(hourlet->itemCount(), 3);

    hourlet->setResource(3); // nothing to load from: the list stays
    hourlet->setActiveDate(OleDate::fromDate(testDay().addDays(1)));
    EXPECT_EQ(hourlet->itemCount(), 3);

    messageBoxes().clear();
    EXPECT_EQ(hourlet->DeleteAppointment(0), 0);
    expectDatabaseMessage();
}

TEST_P(HourletDatabase, AnUpdateOfASessionDeletedMeanwhileIsReportedAndStoresNothing)
{
    const qint32 id = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("Booked"));
    auto hourlet = shownHourlet();
    hourlet->setConnectionString(database.connectionString());
    hourlet->setResource(12);
    database.execute(QStringLiteral("DELETE FROM tblSession WHERE SessionID = %1").arg(id)); // another desk

    EXPECT_EQ(hourlet->SetAppointment(Day, timeOfDay(11), timeOfDay(12), QStringLiteral("Moved"), QString(), 4,
                                      QString(), id),
              0);
    ASSERT_EQ(messageBoxes().count(), 1);
    EXPECT_EQ(messageBoxes().last().prompt, QStringLiteral("3021\r\nThe session no longer exists."));
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 0);
}

TEST_P(HourletDatabase, AnIdentifierBeyondThirtyTwoBitsUndoesTheInsert)
{
    database.execute(
        QStringLiteral("INSERT INTO tblSession (SessionID, SessionDescription) VALUES (2147483647, 'Last')"));
    EXPECT_EQ(binding.save(sampleRecord(0)), 0);
    expectDatabaseMessage();
    EXPECT_TRUE(messageBoxes().last().prompt.startsWith(QStringLiteral("6\r\n")));
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 1); // no orphan
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT MAX(SessionID) FROM tblSession")).toLongLong(), 2147483647);
}

TEST_P(HourletDatabase, TextsWithANullCharacterAreRefusedWithAClearMessage)
{
    const QString withNull = QStringLiteral("Before") + QChar(0) + QStringLiteral("after");
    Appointment record = sampleRecord(0);
    record.ApptSubject = withNull;
    EXPECT_EQ(binding.save(record), 0);
    ASSERT_EQ(messageBoxes().count(), 1);
    EXPECT_EQ(messageBoxes().last().prompt,
              QStringLiteral("5\r\nThe session's subject contains a null character, which cannot be stored."));

    const qint32 id = database.addSession(Day, timeOfDay(10), timeOfDay(11), QStringLiteral("Booked"));
    record = sampleRecord(id);
    record.ApptDetail = withNull;
    EXPECT_EQ(binding.save(record), 0);
    ASSERT_EQ(messageBoxes().count(), 2);
    EXPECT_EQ(messageBoxes().last().prompt,
              QStringLiteral("5\r\nThe session's notes contain a null character, which cannot be stored."));
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT SessionDescription FROM tblSession")), QStringLiteral("Booked"));
}

TEST_P(HourletDatabase, ALoadFailureIsShownOnceUntilALoadSucceedsOrTheDayChanges)
{
    database.execute(QStringLiteral("DROP TABLE tblCounsellerSessionLink"));
    auto hourlet = shownHourlet();
    hourlet->setConnectionString(database.connectionString());
    hourlet->setResource(12); // loads twice: one message
    ASSERT_EQ(messageBoxes().count(), 1);
    hourlet->UpdateDisplay();
    hourlet->setVScrollValue(100);
    hourlet->resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(messageBoxes().count(), 1);

    hourlet->setActiveDate(Day.addDays(1));
    EXPECT_EQ(messageBoxes().count(), 2);
    hourlet->setResource(13);
    EXPECT_EQ(messageBoxes().count(), 3);
    hourlet->setConnectionString(database.connectionString() + QLatin1Char(';'));
    hourlet->UpdateDisplay();
    EXPECT_EQ(messageBoxes().count(), 4);

    // Once a load has succeeded, the same failure is news again.
    database.execute(QStringLiteral("CREATE TABLE tblCounsellerSessionLink (SessionID INTEGER, CounsellerID INTEGER)"));
    hourlet->UpdateDisplay();
    EXPECT_EQ(messageBoxes().count(), 4);
    database.execute(QStringLiteral("DROP TABLE tblCounsellerSessionLink"));
    hourlet->UpdateDisplay();
    hourlet->UpdateDisplay();
    EXPECT_EQ(messageBoxes().count(), 5);
}

TEST(HourletDamagedDatabase, AFileWithoutTheSchemaShowsItsFailureOnce)
{
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("empty.db"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // an empty file opens as a database without tables
    file.close();
    auto hourlet = shownHourlet();
    hourlet->setConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + path);
    hourlet->setResource(12);
    hourlet->UpdateDisplay();
    QTest::mouseClick(hourlet.get(), Qt::LeftButton, {}, QPoint(100, slotRow(3, 0)));
    ASSERT_EQ(messageBoxes().count(), 1);
    EXPECT_TRUE(messageBoxes().last().prompt.contains(QStringLiteral("no such table")))
        << messageBoxes().last().prompt.toStdString();
}

TEST(HourletLocales, SessionsAreStoredAndLoadedWithTheirTimesInEveryLocale)
{
    // Locales whose own short date or long time did not read back.
    for (const char *name : {"da_DK", "fi_FI", "id_ID", "ms_MY", "ja_JP", "ko_KR", "fr_CA", "fr_BE", "es_US", "es_CO",
                             "nn_NO", "bg_BG", "zh_TW"}) {
        SCOPED_TRACE(name);
        LocaleScope locale(QString::fromLatin1(name));
        SessionDatabase database;
        auto hourlet = shownHourlet();
        hourlet->setConnectionString(database.connectionString());
        hourlet->setResource(12);
        const OleDate start = at(testDay(), 13, 45);
        const OleDate end = at(testDay(), 21, 5).addMSecs(9000);
        const qint32 id = hourlet->SetAppointment(Day, start, end, QStringLiteral("Booked"), QString(), 1, QString());
        ASSERT_GT(id, 0);
        EXPECT_EQ(messageBoxes().count(), 0);
        database.execute(
            QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, 12)").arg(id));

        AppointmentList list;
        HourletBinding binding;
        binding.setConnectionString(database.connectionString());
        binding.load(list, Day, 12);
        ASSERT_EQ(list.at(0).ApptID, id);
        EXPECT_EQ(list.at(0).ApptDate, Day);
        EXPECT_EQ(list.at(0).ApptTimeStart, start);
        EXPECT_EQ(list.at(0).ApptTimeEnd, end);

        // A time alone (the update of a session moved to another time) reads back as that time.
        Appointment moved = list.at(0);
        moved.ApptTimeStart = timeOfDay(21, 5).addMSecs(9000);
        moved.ApptTimeEnd = timeOfDay(23, 0);
        EXPECT_EQ(binding.save(moved), id);
        EXPECT_EQ(database.scalar(QStringLiteral("SELECT StartTime FROM tblSession WHERE SessionID = %1").arg(id))
                      .value<OleDate>(),
                  timeOfDay(21, 5).addMSecs(9000));
        EXPECT_EQ(messageBoxes().count(), 0);
    }
}
