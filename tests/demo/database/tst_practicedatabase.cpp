// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "errornumberof.h"
#include "oledate.h"
#include "olevariant.h"
#include "practicefixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

// Every table and column the demo and the day view use, spelled as they spell them.
const QMap<QString, QStringList> demoColumns = {
    {QStringLiteral("tblSession"),
     {QStringLiteral("SessionID"), QStringLiteral("SessionDate"), QStringLiteral("StartTime"),
      QStringLiteral("EndTime"), QStringLiteral("SessionDescription"), QStringLiteral("AdditionalNotes"),
      QStringLiteral("LocationID"), QStringLiteral("ClientNominatedLocation"), QStringLiteral("SessionTypeID"),
      QStringLiteral("ClientTypeID"), QStringLiteral("BookedClientID"), QStringLiteral("ActualStartTime"),
      QStringLiteral("ActualEndTime"), QStringLiteral("Chargeable"), QStringLiteral("Cancelled"),
      QStringLiteral("Invoiced")}},
    {QStringLiteral("tblCounsellerSessionLink"), {QStringLiteral("CounsellerID"), QStringLiteral("SessionID")}},
    {QStringLiteral("tblClientSessionLink"),
     {QStringLiteral("ClientID"), QStringLiteral("SessionID"), QStringLiteral("Status")}},
    {QStringLiteral("tblCounseller"),
     {QStringLiteral("CounsellerID"), QStringLiteral("FirstName"), QStringLiteral("LastName"),
      QStringLiteral("Salutation"), QStringLiteral("eMail"), QStringLiteral("Fax"), QStringLiteral("Gender"),
      QStringLiteral("HomePhone"), QStringLiteral("Mobile"), QStringLiteral("Phone"), QStringLiteral("WorkPhone"),
      QStringLiteral("PhysAddr1"), QStringLiteral("PhysAddr2"), QStringLiteral("PhysAddr3"),
      QStringLiteral("PhysPcode"), QStringLiteral("PostAddr1"), QStringLiteral("PostAddr2"),
      QStringLiteral("PostAddr3"), QStringLiteral("PostPcode")}},
    {QStringLiteral("tblClient"), {QStringLiteral("ClientID"),     QStringLiteral("FirstName"),
                                   QStringLiteral("LastName"),     QStringLiteral("OrganisationName"),
                                   QStringLiteral("Salutation"),   QStringLiteral("Ancestry"),
                                   QStringLiteral("Email"),        QStringLiteral("Fax"),
                                   QStringLiteral("FirstContact"), QStringLiteral("Gender"),
                                   QStringLiteral("Mobile"),       QStringLiteral("Occupation"),
                                   QStringLiteral("WorkPhone"),    QStringLiteral("PhysAddr1"),
                                   QStringLiteral("PhysAddr2"),    QStringLiteral("PhysAddr3"),
                                   QStringLiteral("PhysPcode"),    QStringLiteral("PostAddr1"),
                                   QStringLiteral("PostAddr2"),    QStringLiteral("PostAddr3"),
                                   QStringLiteral("PostPcode")}},
    {QStringLiteral("tblCounsellerEthnecityLink"), {QStringLiteral("CounsellerID"), QStringLiteral("EthnecityID")}},
    {QStringLiteral("tblClientEthnecityLink"), {QStringLiteral("ClientID"), QStringLiteral("EthnecityID")}},
    {QStringLiteral("tblCounsellorLanguageLink"), {QStringLiteral("CounsellerID"), QStringLiteral("LanguageID")}},
    {QStringLiteral("tblClientLanguageLink"), {QStringLiteral("ClientID"), QStringLiteral("LanguageID")}},
    {QStringLiteral("tblEthnecity"), {QStringLiteral("EthnecityID"), QStringLiteral("Description")}},
    {QStringLiteral("tblLanguage"), {QStringLiteral("LanguageID"), QStringLiteral("Description")}},
    {QStringLiteral("tblLocation"), {QStringLiteral("LocationID"), QStringLiteral("Description")}},
    {QStringLiteral("tblSessionType"), {QStringLiteral("SessionTypeID"), QStringLiteral("Description")}},
    {QStringLiteral("tblClientType"), {QStringLiteral("ClientTypeID"), QStringLiteral("Description")}},
    {QStringLiteral("tblClientCase"), {QStringLiteral("ClientCaseID")}},
    {QStringLiteral("tblClientCaseSessionLink"), {QStringLiteral("ClientCaseID"), QStringLiteral("SessionID")}},
    {QStringLiteral("tblSessionClientEndNote"),
     {QStringLiteral("ClientID"), QStringLiteral("SessionID"), QStringLiteral("EndNote")}},
    {QStringLiteral("tblConfig"), {QStringLiteral("Description"), QStringLiteral("Value")}},
};

const QDate sampleDay(2026, 3, 11); // a Wednesday

QString loadQuery(QDate day, int resource)
{
    const QString d = day.toString(QStringLiteral("MM/dd/yyyy"));
    return QStringLiteral(
               "Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = #%1# Or "
               "(tblSession.starttime <= #%1# and tblSession.endtime >= #%1#))  and tblSession.SessionID= "
               "tblCounsellerSessionLink.SessionID  and tblCounsellerSessionLink.CounsellerID=%2 and Cancelled = False")
        .arg(d)
        .arg(resource);
}

using PracticeDatabaseTest = PracticeFixture;

} // namespace

TEST_F(PracticeDatabaseTest, CreatingNeverOverwritesAFile)
{
    const QString path = folder.filePath(QStringLiteral("keep.db"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not mine to replace");
    }
    EXPECT_EQ(errorNumberOf([&] { Sessara::PracticeDatabase(path).create(); }), ErrorNumber::GeneralFailure);
    EXPECT_EQ(errorNumberOf([&] { database.create(); }), ErrorNumber::GeneralFailure);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not mine to replace"));
}

TEST_F(PracticeDatabaseTest, TheSchemaHoldsEveryTableAndColumnTheProgramsUse)
{
    for (auto table = demoColumns.cbegin(); table != demoColumns.cend(); ++table) {
        Recordset rs = connection.Execute(QStringLiteral("SELECT * FROM ") + table.key() + QStringLiteral(" WHERE 0"));
        QStringList names;
        for (int i = 0; i < rs.Fields().Count(); ++i)
            names.append(rs.Fields(i).Name());
        for (const QString &column : table.value())
            EXPECT_TRUE(names.contains(column)) << qPrintable(table.key() + QLatin1Char('.') + column);
    }
    EXPECT_EQ(first(QStringLiteral("SELECT * FROM tblSession WHERE 0"), QStringLiteral("SessionID")), QVariant());
    Recordset rs = connection.Execute(QStringLiteral("SELECT * FROM tblSession"));
    EXPECT_EQ(rs.Fields(0).Name(), QStringLiteral("SessionID"));
}

TEST_F(PracticeDatabaseTest, TheSampleIsAFortnightOfTheCounsellorsWeekdays)
{
    connection.Close();
    database.fillSample(sampleDay);
    connection.Open();

    EXPECT_EQ(first(QStringLiteral("Select * from tblCounseller"), QStringLiteral("CounsellerID")), 1);
    EXPECT_EQ(column(QStringLiteral("Select * from tblCounseller"), QStringLiteral("CounsellerID")).size(), 5);
    EXPECT_EQ(column(QStringLiteral("Select * from tblClient"), QStringLiteral("ClientID")).size(), 20);
    EXPECT_GT(
        first(QStringLiteral("Select count(*) AS n from tblClient where OrganisationName <> ''"), QStringLiteral("n"))
            .toInt(),
        0);
    EXPECT_GT(
        first(QStringLiteral("Select count(*) AS n from tblClient where OrganisationName Is Null"), QStringLiteral("n"))
            .toInt(),
        10);
    EXPECT_EQ(first(QStringLiteral("Select * from tblConfig where Description ='MinimumCancellationTime'"),
                    QStringLiteral("Value"))
                  .toInt(),
              24);
    for (const char *table : {"tblLocation", "tblSessionType", "tblClientType", "tblCounsellerEthnecityLink",
                              "tblCounsellorLanguageLink", "tblClientEthnecityLink", "tblClientLanguageLink",
                              "tblClientSessionLink", "tblSessionClientEndNote", "tblClientCaseSessionLink"}) {
        EXPECT_GT(
            first(QStringLiteral("Select count(*) AS n from ") + QLatin1String(table), QStringLiteral("n")).toInt(), 0)
            << table;
    }

    // Weekdays from a week before to a week after the day, times of day on day 0.
    Recordset sessions = connection.Execute(QStringLiteral("Select * from tblSession"));
    int count = 0;
    for (; !sessions.Eof(); sessions.MoveNext(), ++count) {
        const QDate date = sessions.Fields(QStringLiteral("SessionDate")).Value().value<OleDate>().date();
        EXPECT_GE(date, sampleDay.addDays(-7));
        EXPECT_LE(date, sampleDay.addDays(6));
        EXPECT_LE(date.dayOfWeek(), 5);
        const OleDate start = sessions.Fields(QStringLiteral("StartTime")).Value().value<OleDate>();
        const OleDate end = sessions.Fields(QStringLiteral("EndTime")).Value().value<OleDate>();
        EXPECT_TRUE(start.isTimeOnly());
        EXPECT_LT(start, end);
        EXPECT_FALSE(isNullVariant(sessions.Fields(QStringLiteral("SessionDescription")).Value()));
        EXPECT_FALSE(isNullVariant(sessions.Fields(QStringLiteral("AdditionalNotes")).Value()));
    }
    EXPECT_GT(count, 100);
    // Every session has its counsellor, and no counsellor is booked twice at once.
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblSession where SessionID not in "
                                   "(select SessionID from tblCounsellerSessionLink)"),
                    QStringLiteral("n")),
              0);
    EXPECT_EQ(first(QStringLiteral(
                        "SELECT count(*) AS n FROM tblSession a, tblCounsellerSessionLink la, tblSession b, "
                        "tblCounsellerSessionLink lb WHERE la.SessionID = a.SessionID AND lb.SessionID = b.SessionID "
                        "AND la.CounsellerID = lb.CounsellerID AND a.SessionID < b.SessionID AND "
                        "a.SessionDate = b.SessionDate AND a.StartTime < b.EndTime AND b.StartTime < a.EndTime"),
                    QStringLiteral("n")),
              0);
    // The day view finds counsellor 1's sessions of the day.
    EXPECT_FALSE(column(loadQuery(sampleDay, 1), QStringLiteral("tblSession.SessionID")).isEmpty());
    EXPECT_EQ(errorNumberOf([&] { database.fillSample(sampleDay); }), ErrorNumber::GeneralFailure);
}

TEST_F(PracticeDatabaseTest, TheLargeSetSpreadsItsSessionsOverTheYears)
{
    connection.Close();
    database.fillLarge(3000, QDate(2020, 1, 6));
    connection.Open();
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblSession"), QStringLiteral("n")), 3000);
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblCounsellerSessionLink"), QStringLiteral("n")), 3000);
    EXPECT_EQ(
        first(QStringLiteral("Select SessionDate from tblSession order by SessionDate"), QStringLiteral("SessionDate"))
            .value<OleDate>()
            .date(),
        QDate(2020, 1, 6));
    // Thirty sessions a weekday: a hundred weekdays.
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblSession where SessionDate = #01/06/2020#"),
                    QStringLiteral("n")),
              30);
    EXPECT_EQ(column(loadQuery(QDate(2020, 1, 7), 3), QStringLiteral("tblSession.SessionID")).size()
                  + column(QStringLiteral(
                               "Select * from tblSession, tblCounsellerSessionLink where SessionDate = #01/07/2020# "
                               "and Cancelled = True and tblSession.SessionID = tblCounsellerSessionLink.SessionID "
                               "and CounsellerID = 3"),
                           QStringLiteral("SessionID"))
                        .size(),
              6);
}

TEST_F(PracticeDatabaseTest, TheDayViewsLoadFindsTheDayByIndexWhateverTheSize)
{
    const auto plan = [&] {
        return column(QStringLiteral("EXPLAIN QUERY PLAN ") + loadQuery(sampleDay, 1), QStringLiteral("detail"))
            .toList();
    };
    const auto usesIndexes = [](const QVariantList &steps) {
        QStringList text;
        for (const QVariant &step : steps)
            text.append(step.toString());
        const QString joined = text.join(QLatin1Char('|'));
        return joined.contains(QLatin1String("MULTI-INDEX OR")) && !joined.contains(QLatin1String("SCAN "))
            && joined.contains(QLatin1String("idxSessionDate")) && joined.contains(QLatin1String("idxSessionEndTime"));
    };
    EXPECT_TRUE(usesIndexes(plan())); // without statistics
    connection.Close();
    database.fillLarge(5000);
    connection.Open();
    EXPECT_TRUE(usesIndexes(plan())); // with the statistics of a large set
}

TEST_F(PracticeDatabaseTest, TheToolWritesADatabaseTheSqliteShellReads)
{
    const QString tool = QStringLiteral(SESSARA_MAKEDB);
    const QString path = folder.filePath(QStringLiteral("sample.db"));
    EXPECT_EQ(QProcess::execute(tool, {QStringLiteral("--day"), QStringLiteral("2026-03-11"), path}), 0);
    const QByteArray made = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(made.isEmpty());
    // A second run refuses the existing file and leaves it alone.
    QProcess again;
    again.start(tool, {path});
    again.waitForFinished();
    EXPECT_EQ(again.exitCode(), 1);
    EXPECT_TRUE(again.readAllStandardError().contains("already exists"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), made);
    EXPECT_EQ(QProcess::execute(
                  tool, {QStringLiteral("--sessions"), QStringLiteral("abc"), folder.filePath(QStringLiteral("x.db"))}),
              2);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x.db"))));

    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        GTEST_SKIP() << "the sqlite3 shell is not on PATH";
    QProcess sqlite;
    sqlite.start(shell,
                 {QStringLiteral("-batch"), path,
                  QStringLiteral("SELECT FirstName || ' ' || LastName FROM tblCounseller WHERE CounsellerID = 1; "
                                 "SELECT count(*) > 100 FROM tblSession; SELECT Value FROM tblConfig; "
                                 "SELECT name FROM sqlite_schema WHERE name = 'tblSessionClientEndNote';")});
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(sqlite.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              QStringList({QStringLiteral("Aroha Ngata"), QStringLiteral("1"), QStringLiteral("24"),
                           QStringLiteral("tblSessionClientEndNote")}));
}
