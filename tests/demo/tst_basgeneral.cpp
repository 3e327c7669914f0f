// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "democonnection.h"
#include "msgbox.h"
#include "oledate.h"
#include "olevariant.h"
#include "resumenext.h"
#include "sessarafixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QWidget>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::DemoConnection;
using Sessara::ResumeNext;

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// A data-link file as the platform's editor saves it: UTF-16LE with a byte-order mark.
QByteArray dataLink(const QString &connectionString)
{
    const QString text = QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n")
        + connectionString + QStringLiteral("\r\n");
    QByteArray bytes("\xff\xfe", 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString jetString(const QString &folder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + folder + QDir::separator()
        + QStringLiteral("DIV97.mdb;Persist Security Info=False");
}

} // namespace

TEST(ValueRoutines, ValueOrDefaultGivesTheDefaultOnlyForAValueWithoutText)
{
    EXPECT_EQ(basGeneral::ValueOrDefault(nullVariant(), 1), QVariant(1));
    EXPECT_EQ(basGeneral::ValueOrDefault(QString(), 1), QVariant(1));
    EXPECT_EQ(basGeneral::ValueOrDefault(QVariant(), 1), QVariant(1));
    EXPECT_EQ(basGeneral::ValueOrDefault(0, 1), QVariant(0)); // "0" has a text
    EXPECT_EQ(basGeneral::ValueOrDefault(QStringLiteral(" "), 1), QVariant(QStringLiteral(" ")));
    EXPECT_EQ(basGeneral::ValueOrDefault(false, 1), QVariant(false));
}

TEST(ValueRoutines, QuoteForSqlDoublesEveryApostropheAndNothingElse)
{
    EXPECT_EQ(basGeneral::QuoteForSql(QStringLiteral("O'Brien's room")), QStringLiteral("O''Brien''s room"));
    EXPECT_EQ(basGeneral::QuoteForSql(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(basGeneral::QuoteForSql(QStringLiteral("Room 2 \"east\"")), QStringLiteral("Room 2 \"east\""));
    EXPECT_EQ(basGeneral::QuoteForSql(nullVariant()), QString());
    EXPECT_EQ(basGeneral::QuoteForSql(12), QStringLiteral("12"));
}

TEST(ValueRoutines, TextOfWritesValuesAsTheDemoSplicesThem)
{
    EXPECT_EQ(basGeneral::TextOf(true), QStringLiteral("True"));
    EXPECT_EQ(basGeneral::TextOf(2.01), QStringLiteral("2.01"));
    EXPECT_EQ(basGeneral::TextOf(QVariant::fromValue(OleDate::fromDate(QDate(2026, 3, 7)))),
              QStringLiteral("07/03/2026"));
    EXPECT_EQ(basGeneral::TextOf(QVariant::fromValue(OleDate(1e9))), QString()); // out of range: no text, no throw
}

TEST(ResumeNextForm, AFailingStatementIsSkippedAndTheRoutineGoesOn)
{
    ResumeNext resume;
    QStringList ran;
    EXPECT_TRUE(resume([&] { ran << QStringLiteral("first"); }));
    EXPECT_FALSE(resume.failed());
    EXPECT_FALSE(resume([&] {
        throw OleError(ErrorNumber::TypeMismatch);
        ran << QStringLiteral("never");
    }));
    EXPECT_TRUE(resume([&] { ran << QStringLiteral("third"); }));
    EXPECT_EQ(ran, QStringList({QStringLiteral("first"), QStringLiteral("third")}));
    EXPECT_EQ(resume.number(), ErrorNumber::TypeMismatch); // pending for the routine to ask
    EXPECT_FALSE(resume([] { throw std::runtime_error("disk gone"); }));
    EXPECT_EQ(resume.description(), QStringLiteral("disk gone"));
}

namespace {

QStringList skippedLog;

void recordSkipped(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "olvar.sessara.skipped") == 0)
        skippedLog << message;
}

} // namespace

TEST(ResumeNextForm, ASkippedErrorIsLoggedOnlyWhenTheSkippedCategoryIsOn)
{
    skippedLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordSkipped);
    ResumeNext()([] { throw OleError(ErrorNumber::TypeMismatch); });
    EXPECT_TRUE(skippedLog.isEmpty()); // quiet by default
    QLoggingCategory::setFilterRules(QStringLiteral("olvar.*=true"));
    ResumeNext()([] { throw OleError(ErrorNumber::TypeMismatch); });
    ResumeNext()([] { throw std::runtime_error("disk gone"); });
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    ASSERT_EQ(skippedLog.size(), 2);
    EXPECT_TRUE(skippedLog.at(0).contains(QStringLiteral("13"))) << qPrintable(skippedLog.at(0));
    EXPECT_TRUE(skippedLog.at(1).contains(QStringLiteral("disk gone"))) << qPrintable(skippedLog.at(1));
}

TEST(StartUp, StartTitlesTheProgramAndShowsTheMainWindow)
{
    QWidget *window = basGeneral::Start([] { return new QWidget; });
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(MsgBox::applicationTitle(), QStringLiteral("Sessara"));
    delete window;
    EXPECT_EQ(basGeneral::Start(nullptr), nullptr);
}

class ConnectionStringRule : public SessaraFixture
{
};

TEST_F(ConnectionStringRule, WithoutADataLinkTheJetStringNamesTheDatabaseBesideTheProgram)
{
    EXPECT_EQ(basGeneral::ConnectionStringFor(folder.path()), jetString(folder.path()));
    // Joined with the platform's separator, the string names the file that is there.
    DemoConnection cn(basGeneral::ConnectionStringFor(folder.path()));
    EXPECT_TRUE(cn.isOpen());
    EXPECT_FALSE(cn.read(QStringLiteral("Select * from tblCounseller")).eof());
}

TEST_F(ConnectionStringRule, AReadableDataLinkWinsEvenWhenItPointsElsewhere)
{
    OlvarTest::TempFolder elsewhere;
    Sessara::PracticeDatabase other(elsewhere.filePath(QStringLiteral("practice.db")));
    other.create(); // no counsellors there
    writeFile(folder.filePath(QStringLiteral("MentaraData.udl")), dataLink(other.connectionString()));

    const QString chosen = basGeneral::ConnectionStringFor(folder.path());
    EXPECT_EQ(chosen, other.connectionString());
    DemoConnection cn(chosen);
    EXPECT_TRUE(cn.isOpen());
    EXPECT_TRUE(cn.read(QStringLiteral("Select * from tblCounseller")).eof());
}

TEST_F(ConnectionStringRule, AnUnreadableDataLinkLeavesTheJetString)
{
    writeFile(folder.filePath(QStringLiteral("MentaraData.udl")), "[oledb]\r\n; nothing after this line\r\n");
    EXPECT_EQ(basGeneral::ConnectionStringFor(folder.path()), jetString(folder.path()));
    QFile::remove(folder.filePath(QStringLiteral("MentaraData.udl")));
    QDir(folder.path()).mkdir(QStringLiteral("MentaraData.udl")); // a folder by that name cannot be read
    EXPECT_EQ(basGeneral::ConnectionStringFor(folder.path()), jetString(folder.path()));
}

TEST_F(ConnectionStringRule, TheRunningProgramsFolderIsUsedWithoutATrailingSeparator)
{
    const QString programFolder = basGeneral::ProgramFolder();
    EXPECT_FALSE(programFolder.endsWith(QDir::separator()));
    EXPECT_EQ(QDir(QDir::fromNativeSeparators(programFolder)), QDir(QCoreApplication::applicationDirPath()));
    basGeneral::DecideConnectionString();
    EXPECT_EQ(basGeneral::strConnectionString, basGeneral::ConnectionStringFor(programFolder));
}

TEST_F(ConnectionStringRule, AMissingDatabaseMakesEveryStatementFailQuietly)
{
    OlvarTest::TempFolder empty;
    DemoConnection cn(basGeneral::ConnectionStringFor(empty.path()));
    EXPECT_FALSE(cn.isOpen());
    EXPECT_TRUE(cn.errors().failed());
    EXPECT_FALSE(cn.execute(QStringLiteral("Update tblSession set Cancelled = true")));
    Sessara::DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller"));
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(rs.value(QStringLiteral("CounsellerID")).isValid());
    EXPECT_EQ(rs.absolutePosition(), -3);
    rs.moveNext();
    rs.close();
    EXPECT_FALSE(QFile::exists(empty.filePath(QStringLiteral("DIV97.mdb")))); // nothing was created
}

TEST_F(ConnectionStringRule, EachStatementOnAConnectionFailsOnItsOwn)
{
    DemoConnection cn;
    ASSERT_TRUE(cn.isOpen());
    EXPECT_FALSE(cn.execute(QStringLiteral("Update tblNoSuchTable set X = 1")));
    EXPECT_TRUE(cn.errors().failed());
    EXPECT_TRUE(cn.execute(QStringLiteral("Update tblSession set Chargeable = True where SessionID = 1")));
    Sessara::DemoRecordset rs = cn.readList(QStringLiteral("Select * from tblLocation order by Description"));
    rs.moveFirst();
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Description")), QVariant(QStringLiteral("Group Room")));
    EXPECT_FALSE(rs.value(QStringLiteral("NoSuchColumn")).isValid());
    EXPECT_EQ(rs.value(1), QVariant(QStringLiteral("Group Room"))); // the row is still there
    EXPECT_FALSE(cn.executeRead(QStringLiteral("Select * from tblSession where SessionID=1")).eof());
    EXPECT_TRUE(cn.read(QStringLiteral("Select * from")).eof());
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=1"), QStringLiteral("Chargeable")),
              QVariant(true));
}
