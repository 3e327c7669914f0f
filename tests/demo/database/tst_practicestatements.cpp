// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The statements the day view and the demo run, as they build them, on the
// practice schema, each with its result checked.

#include "command.h"
#include "datetext.h"
#include "errornumberof.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "practicefixture.h"

#include <algorithm>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

const char *const practiceRows[] = {
    "INSERT INTO tblCounseller (CounsellerID, FirstName, LastName, Salutation) VALUES (1, 'Aroha', 'Ngata', 'Dr')",
    "INSERT INTO tblCounseller (CounsellerID, FirstName, LastName, Salutation) VALUES (2, 'James', 'Whitfield', 'Mr')",
    "INSERT INTO tblCounseller (CounsellerID, FirstName, LastName, Salutation) VALUES (12, 'Mei', 'Chen', 'Ms')",
    "INSERT INTO tblEthnecity (EthnecityID, Description) VALUES (1, 'European'), (2, 'Māori')",
    "INSERT INTO tblLanguage (LanguageID, Description) VALUES (1, 'English'), (2, 'Te Reo Māori'), (3, 'Samoan')",
    "INSERT INTO tblCounsellerEthnecityLink (CounsellerID, EthnecityID) VALUES (12, 2), (2, 1)",
    "INSERT INTO tblCounsellorLanguageLink (CounsellerID, LanguageID) VALUES (12, 1), (12, 2), (2, 1)",
    "INSERT INTO tblClient (ClientID, FirstName, LastName, OrganisationName, Salutation) VALUES "
    "(4, 'Ann', 'Lee', Null, 'Ms'), (5, Null, Null, 'Harbour Trust', Null), (6, 'Tom', 'O''Brien', '', 'Mr')",
    "INSERT INTO tblClientEthnecityLink (ClientID, EthnecityID) VALUES (4, 2)",
    "INSERT INTO tblClientLanguageLink (ClientID, LanguageID) VALUES (4, 1), (4, 2)",
    "INSERT INTO tblLocation (LocationID, Description) VALUES (1, 'Room 2'), (2, 'Room 1'), (3, 'Group Room')",
    "INSERT INTO tblSessionType (SessionTypeID, Description) VALUES (1, 'Assessment'), (2, 'Counselling'), (3, "
    "'Review')",
    "INSERT INTO tblClientType (ClientTypeID, Description) VALUES (1, 'Adult'), (2, 'Child')",
    "INSERT INTO tblConfig (Description, Value) VALUES ('MinimumCancellationTime', '24')",
    "INSERT INTO tblSession (SessionID, SessionDate, StartTime, EndTime, SessionDescription, AdditionalNotes, "
    "SessionTypeID, LocationID, Chargeable, Cancelled, Invoiced) VALUES "
    "(5, #03/07/2026#, #10:00:00#, #11:00:00#, 'Intake', 'First visit', 1, 1, True, False, False), "
    "(6, #03/07/2026#, #14:00:00#, #15:00:00#, 'Called off', '', 2, 2, True, True, False), "
    "(7, #03/07/2026#, #10:00:00#, #11:00:00#, 'Other counsellor', '', 2, 1, True, False, False), "
    "(8, #03/06/2026#, #03/06/2026 20:00:00#, #03/08/2026 01:00:00#, 'Overnight', '', 2, 3, True, False, False), "
    "(9, #03/08/2026#, #10:00:00#, #11:00:00#, 'Next day', '', 2, 1, True, False, False), "
    "(10, #03/07/2026#, #16:00:00#, #17:00:00#, 'Invoiced', '', 2, 2, True, False, True)",
    "INSERT INTO tblCounsellerSessionLink (CounsellerID, SessionID) VALUES (12, 5), (12, 6), (2, 7), (12, 8), (12, 9), "
    "(12, 10)",
    // Case 7: five sessions in February.
    "INSERT INTO tblClientCase (ClientCaseID, ClientID, Description) VALUES (7, 4, 'Grief')",
    "INSERT INTO tblSession (SessionID, SessionDate, StartTime, EndTime, SessionDescription, AdditionalNotes) VALUES "
    "(20, #02/02/2026#, #09:00#, #10:00#, 'a', ''), (21, #02/09/2026#, #09:00#, #10:00#, 'b', ''), "
    "(22, #02/16/2026#, #09:00#, #10:00#, 'c', ''), (23, #02/23/2026#, #09:00#, #10:00#, 'd', ''), "
    "(24, #03/02/2026#, #09:00#, #10:00#, 'e', '')",
    "INSERT INTO tblClientCaseSessionLink (ClientCaseID, SessionID) VALUES (7, 20), (7, 21), (7, 22), (7, 23), (7, 24)",
};

const OleDate march7 = OleDate::fromDate(QDate(2026, 3, 7));

QString quoteForSql(QString text)
{
    return text.replace(QLatin1Char('\''), QLatin1String("''"));
}

QList<int> sorted(const QVariantList &values)
{
    QList<int> numbers;
    for (const QVariant &value : values)
        numbers.append(value.toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

class PracticeStatements : public PracticeFixture, public testing::WithParamInterface<TestEngine>
{
protected:
    PracticeStatements()
        : PracticeFixture(GetParam())
    {
    }

    void SetUp() override
    {
        PracticeFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        for (const char *statement : practiceRows)
            run(QString::fromUtf8(statement));
    }

    // Part of the day view: the load query for one resource and day.
    QList<int> loadedSessions(OleDate day, int resource)
    {
        const QString d = day.date().toString(QStringLiteral("MM/dd/yyyy"));
        const QString query =
            QStringLiteral("Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = ")
            + QStringLiteral("#") + d + QStringLiteral("# Or (tblSession.starttime <= ") + QStringLiteral("#") + d
            + QStringLiteral("# and tblSession.endtime >= ") + QStringLiteral("#") + d
            + QStringLiteral("#))  and tblSession.SessionID= tblCounsellerSessionLink.SessionID  and "
                             "tblCounsellerSessionLink.CounsellerID=")
            + QString::number(resource) + QStringLiteral(" and Cancelled = False");
        return sorted(column(query, QStringLiteral("tblSession.SessionID")));
    }

    // The day view's save: the statement as a command, then the last row of the table.
    int save(const QString &statement)
    {
        Command command;
        command.setActiveConnection(connection);
        command.setCommandText(statement);
        command.Execute(-1);
        Recordset table;
        table.Open(QStringLiteral("tblSession"), connection, adOpenKeyset, adLockOptimistic, adCmdTable);
        table.MoveLast();
        const int id = table.Fields(0).Value().toInt();
        table.Close();
        return id;
    }

    QString insertStatement(OleDate date, const QString &detail, const QString &subject, OleDate end, OleDate start,
                            int type)
    {
        return QStringLiteral("INSERT INTO tblSession (SessionDate, AdditionalNotes, SessionDescription, EndTime, "
                              "StartTime,SessionTypeID) VALUES (")
            + QStringLiteral("'") + DateText::general(date) + QStringLiteral("'") + QStringLiteral(", ")
            + QStringLiteral("'") + detail + QStringLiteral("'") + QStringLiteral(", ") + QStringLiteral("'") + subject
            + QStringLiteral("'") + QStringLiteral(", ") + QStringLiteral("'") + DateText::general(end)
            + QStringLiteral("'") + QStringLiteral(", ") + QStringLiteral("'") + DateText::general(start)
            + QStringLiteral("', ") + QString::number(type) + QStringLiteral(")");
    }

    QString updateStatement(OleDate date, const QString &detail, const QString &subject, OleDate end, OleDate start,
                            int type, int id)
    {
        return QStringLiteral("UPDATE tblSession SET tblSession.SessionDate =") + QStringLiteral("'")
            + DateText::general(date) + QStringLiteral("'") + QStringLiteral(", ")
            + QStringLiteral("AdditionalNotes ='") + detail + QStringLiteral("'")
            + QStringLiteral(", SessionDescription='") + subject + QStringLiteral("'") + QStringLiteral(", EndTime='")
            + DateText::general(end) + QStringLiteral("'") + QStringLiteral(", StartTime=") + QStringLiteral("'")
            + DateText::general(start) + QStringLiteral("', SessionTypeID = ") + QString::number(type)
            + QStringLiteral(" where SessionID=") + QString::number(id);
    }

    // The session dialog's conflict checks: the counsellor's, or with \a room set, the room's.
    bool conflict(int owner, QTime start, QTime end, int sessionId, bool room = false)
    {
        const QString d =
            QStringLiteral("#") + march7.date().toString(QStringLiteral("dd/MMM/yyyy")) + QStringLiteral("#");
        const QString s = QStringLiteral("#") + start.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("#");
        const QString e = QStringLiteral("#") + end.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("#");
        const QString c = QString::number(owner);
        const QString i = QString::number(sessionId);
        const QString ownerTest = room ? QStringLiteral("WHERE (((tblSession.LocationID)=")
                                       : QStringLiteral("WHERE (((tblCounsellerSessionLink.CounsellerID)=");
        const QString orTest = room ? QStringLiteral(",1,0))=1)) OR (((tblSession.LocationID)=")
                                    : QStringLiteral(",1,0))=1)) OR (((tblCounsellerSessionLink.CounsellerID)=");
        const QString statement = QStringLiteral("SELECT ")
            + (room ? QStringLiteral("tblSession.LocationID") : QStringLiteral("tblCounsellerSessionLink.CounsellerID"))
            + QStringLiteral(", tblSession.SessionDate, tblSession.StartTime, tblSession.EndTime, "
                             "tblCounsellerSessionLink.SessionID ")
            + QStringLiteral("FROM tblSession INNER JOIN tblCounsellerSessionLink ON tblSession.SessionID = "
                             "tblCounsellerSessionLink.SessionID ")
            + ownerTest + c + QStringLiteral(") AND ((tblSession.SessionDate)=") + d
            + QStringLiteral(") AND ((tblCounsellerSessionLink.SessionID)<>") + i
            + QStringLiteral(") AND ((IIf(([StartTime]<=") + s + QStringLiteral(") And [endtime]>") + s + orTest + c
            + QStringLiteral(") AND ((tblSession.SessionDate)=") + d
            + QStringLiteral(") AND ((tblCounsellerSessionLink.SessionID)<>") + i
            + QStringLiteral(") AND ((IIf(([StartTime]<") + e + QStringLiteral(") And [EndTime]>") + s
            + QStringLiteral(",1,0))=1));");
        Recordset rs = connection.Execute(statement);
        const bool found = !rs.Eof();
        rs.Close();
        return found;
    }

    // The counsellor ranking for the client box's text \a client: (CounsellerID, Rank) in the order given.
    QList<QPair<int, double>> ranking(const QString &client)
    {
        const QString statement =
            QStringLiteral("SELECT tblCounseller.counsellerID, tblCounseller.FirstName, tblCounseller.LastName, "
                           "IIf([WA]>0,0.99+([WA]/100),0)+IIf([WB]>0,0.99+([WB]/100),0) AS Rank ")
            + QStringLiteral(
                "FROM ([SELECT tblCounseller.CounsellerID, Count(tblCounsellerEthnecityLink.EthnecityID) AS WA, "
                "tblClientEthnecityLink.ClientID ")
            + QStringLiteral(
                "FROM (tblCounseller INNER JOIN tblCounsellerEthnecityLink ON tblCounseller.CounsellerID = "
                "tblCounsellerEthnecityLink.CounsellerID) INNER JOIN tblClientEthnecityLink ON "
                "tblCounsellerEthnecityLink.EthnecityID = tblClientEthnecityLink.EthnecityID ")
            + QStringLiteral("GROUP BY tblCounseller.CounsellerID, tblClientEthnecityLink.ClientID ")
            + QStringLiteral("HAVING (((tblClientEthnecityLink.ClientID)=") + client
            + QStringLiteral(
                "))]. AS EthRank RIGHT JOIN tblCounseller ON EthRank.CounsellerID = tblCounseller.CounsellerID) "
                "LEFT JOIN [SELECT tblCounseller.CounsellerID, Count(tblCounsellorLanguageLink.LanguageID) AS WB, "
                "tblClientLanguageLink.ClientID ")
            + QStringLiteral("FROM (tblCounseller INNER JOIN tblCounsellorLanguageLink ON tblCounseller.CounsellerID = "
                             "tblCounsellorLanguageLink.CounsellerID) INNER JOIN tblClientLanguageLink ON "
                             "tblCounsellorLanguageLink.LanguageID = tblClientLanguageLink.LanguageID ")
            + QStringLiteral("GROUP BY tblCounseller.CounsellerID, tblClientLanguageLink.ClientID ")
            + QStringLiteral("HAVING (((tblClientLanguageLink.ClientID)=") + client
            + QStringLiteral("))]. AS LanRank ON tblCounseller.CounsellerID = LanRank.CounsellerID ")
            + QStringLiteral("ORDER BY IIf([WA]>0,0.99+([WA]/100),0)+IIf([WB]>0,0.99+([WB]/100),0) DESC; ");
        Recordset rs;
        rs.setCursorLocation(adUseClient);
        rs.Open(statement, connection, adOpenDynamic, adLockOptimistic);
        rs.MoveFirst();
        QList<QPair<int, double>> rows;
        for (; !rs.Eof(); rs.MoveNext()) {
            EXPECT_EQ(rs.AbsolutePosition(), rows.size() + 1);
            rows.append({rs.Fields(QStringLiteral("CounsellerID")).Value().toInt(),
                         rs.Fields(QStringLiteral("Rank")).Value().toDouble()});
        }
        return rows;
    }
};

} // namespace

// --- The day view --------------------------------------------------------------

TEST_P(PracticeStatements, TheDayViewLoadsTheResourcesSessionsOfTheDay)
{
    // 6 is cancelled, 7 another counsellor's, 9 the next day's; 8 runs through the night into the day.
    EXPECT_EQ(loadedSessions(march7, 12), QList<int>({5, 8, 10}));
    EXPECT_EQ(loadedSessions(march7, 2), QList<int>({7}));
    EXPECT_TRUE(loadedSessions(march7.addDays(1), 2).isEmpty());

    Recordset rs;
    rs.Open(QStringLiteral(
                "Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = #03/07/2026# "
                "Or (tblSession.starttime <= #03/07/2026# and tblSession.endtime >= #03/07/2026#))  and "
                "tblSession.SessionID= tblCounsellerSessionLink.SessionID  and "
                "tblCounsellerSessionLink.CounsellerID=2 and Cancelled = False"),
            connection, 0, 1, -1);
    EXPECT_EQ(rs.Fields(QStringLiteral("tblSession.SessionID")).Value(), 7);
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionDate")).Value().value<OleDate>(), march7);
    EXPECT_EQ(rs.Fields(QStringLiteral("StartTime")).Value().value<OleDate>(), OleDate::fromTime(QTime(10, 0)));
    EXPECT_EQ(rs.Fields(QStringLiteral("EndTime")).Value().value<OleDate>(), OleDate::fromTime(QTime(11, 0)));
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionDescription")).Value(), QStringLiteral("Other counsellor"));
    EXPECT_EQ(rs.Fields(QStringLiteral("AdditionalNotes")).Value(), QString());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
}

TEST_P(PracticeStatements, TheDayViewInsertsAndReadsTheNewIdentifierFromTheTablesLastRow)
{
    for (const char *locale : {"en_GB", "en_US", "de_DE"}) {
        const OlvarTest::LocaleScope scope{QString::fromLatin1(locale)};
        const OleDate start = OleDate::fromTime(QTime(13, 30));
        const int id = save(insertStatement(march7, QStringLiteral("detail"), QStringLiteral("New booking"),
                                            OleDate::fromTime(QTime(14, 30)), start, 2));
        EXPECT_EQ(id, int(connection.LastInsertId())) << locale;
        EXPECT_GT(id, 24);
        EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                        QStringLiteral("SessionDate"))
                      .value<OleDate>(),
                  march7)
            << locale;
        EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                        QStringLiteral("StartTime"))
                      .value<OleDate>(),
                  start)
            << locale;
        // Not linked yet, so not loaded; once linked it is, being neither cancelled nor null.
        EXPECT_FALSE(loadedSessions(march7, 12).contains(id));
        run(QStringLiteral("Insert into tblCounsellerSessionLink (SessionID, CounsellerID) values(")
            + QString::number(id) + QStringLiteral(", 12 )"));
        EXPECT_TRUE(loadedSessions(march7, 12).contains(id)) << locale;
    }
}

TEST_P(PracticeStatements, TheDayViewUpdatesTheSessionItNames)
{
    const OleDate noon = march7.addMSecs(12 * 3600 * 1000);
    save(updateStatement(noon, QStringLiteral("notes"), QStringLiteral("Intake review"),
                         OleDate::fromTime(QTime(12, 0)), OleDate::fromTime(QTime(11, 0)), 3, 5));
    Recordset rs = connection.Execute(QStringLiteral("Select * from tblSession where SessionID=5"));
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionDate")).Value().value<OleDate>(), noon);
    EXPECT_EQ(rs.Fields(QStringLiteral("StartTime")).Value().value<OleDate>(), OleDate::fromTime(QTime(11, 0)));
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionDescription")).Value(), QStringLiteral("Intake review"));
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionTypeID")).Value(), 3);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=7"), QStringLiteral("SessionDescription")),
              QStringLiteral("Other counsellor"));
}

TEST_P(PracticeStatements, AnUnquotedApostropheOrATextThatIsNoDateIsRefusedAndChangesNothing)
{
    const OleDate start = OleDate::fromTime(QTime(10, 0));
    const OleDate end = OleDate::fromTime(QTime(11, 0));
    EXPECT_EQ(errorNumberOf(
                  [&] { save(updateStatement(march7, QString(), QStringLiteral("Ann's review"), end, start, 2, 5)); }),
              ErrorNumber::SqlError);
    EXPECT_EQ(
        errorNumberOf([&] { save(insertStatement(march7, QString(), QStringLiteral("O'Brien"), end, start, 2)); }),
        ErrorNumber::SqlError);
    EXPECT_EQ(
        errorNumberOf([&] {
            run(QStringLiteral(
                "UPDATE tblSession SET tblSession.SessionDate ='07/03/2026', StartTime='25:99' where SessionID=5"));
        }),
        ErrorNumber::DataTypeMismatch);
    // An expression that yields a text is stopped by the column's own check.
    EXPECT_EQ(
        errorNumberOf([&] { run(QStringLiteral("UPDATE tblSession SET StartTime='10:00' || '' where SessionID=5")); }),
        ErrorNumber::GeneralFailure);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=5"), QStringLiteral("SessionDescription")),
              QStringLiteral("Intake"));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=5"), QStringLiteral("StartTime"))
                  .value<OleDate>(),
              start);
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblSession"), QStringLiteral("n")), 11);
}

TEST_P(PracticeStatements, TheDayViewDeletesOnlyTheSessionRow)
{
    Command command;
    command.setActiveConnection(connection);
    command.setCommandText(QStringLiteral("DELETE FROM tblSession Where tblSession.SessionID = ") + QString::number(7));
    command.Execute(-1);
    EXPECT_FALSE(
        first(QStringLiteral("Select * from tblSession where SessionID=7"), QStringLiteral("SessionID")).isValid());
    EXPECT_EQ(first(QStringLiteral("Select count(*) AS n from tblSession"), QStringLiteral("n")), 10);
    EXPECT_EQ(sorted(column(QStringLiteral("select * from tblCounsellerSessionLink where sessionID=7"),
                            QStringLiteral("CounsellerID"))),
              QList<int>({2}));
}

// --- The main window -----------------------------------------------------------

TEST_P(PracticeStatements, TheMainWindowReadsCounsellorsAndClients)
{
    EXPECT_EQ(first(QStringLiteral("Select * from tblCounseller"), QStringLiteral("CounsellerID")), 1);
    EXPECT_EQ(first(QStringLiteral("Select * from tblCounseller where CounsellerID=") + QString::number(1),
                    QStringLiteral("FirstName")),
              QStringLiteral("Aroha"));

    Recordset rs;
    rs.setCursorLocation(3);
    rs.Open(QStringLiteral("Select * from tblClient"), connection, 2, 3);
    rs.MoveFirst();
    QStringList names;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QVariant organisation = rs.Fields(QStringLiteral("OrganisationName")).Value();
        const QVariant last = rs.Fields(QStringLiteral("LastName")).Value();
        names.append(QString::number(rs.AbsolutePosition()) + QLatin1Char(':')
                     + (organisation.toString().isEmpty() ? last.toString() : organisation.toString()));
    }
    EXPECT_EQ(names,
              QStringList({QStringLiteral("1:Lee"), QStringLiteral("2:Harbour Trust"), QStringLiteral("3:O'Brien")}));
}

TEST_P(PracticeStatements, CounsellorsRankByTheEthnicitiesAndLanguagesTheyShareWithTheClient)
{
    const QList<QPair<int, double>> ranks = ranking(QStringLiteral("4"));
    ASSERT_EQ(ranks.size(), 3);
    // One shared ethnicity and two shared languages: (0.99 + 0.01) + (0.99 + 0.02).
    EXPECT_EQ(ranks.at(0).first, 12);
    EXPECT_NEAR(ranks.at(0).second, 2.01, 1e-12);
    EXPECT_EQ(ranks.at(1).first, 2);
    EXPECT_NEAR(ranks.at(1).second, 1.0, 1e-12);
    // Without a match, listed last with rank 0.
    EXPECT_EQ(ranks.at(2).first, 1);
    EXPECT_EQ(ranks.at(2).second, 0.0);

    // The placeholder client matches nobody: every counsellor ranks 0.
    const QList<QPair<int, double>> none = ranking(QStringLiteral("-1"));
    ASSERT_EQ(none.size(), 3);
    for (const auto &rank : none)
        EXPECT_EQ(rank.second, 0.0);
}

// --- The session dialog --------------------------------------------------------

TEST_P(PracticeStatements, TheSessionDialogLoadsItsListsAndTheStoredSession)
{
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(10),
                    QStringLiteral("Invoiced")),
              QVariant(true));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=5"), QStringLiteral("Invoiced")),
              QVariant(false));
    EXPECT_EQ(column(QStringLiteral("Select * from tblSessionType"), QStringLiteral("Description")),
              QVariantList({QStringLiteral("Assessment"), QStringLiteral("Counselling"), QStringLiteral("Review")}));
    EXPECT_EQ(column(QStringLiteral("Select * from tblClientType"), QStringLiteral("ClientTypeID")),
              QVariantList({1, 2}));
    EXPECT_EQ(column(QStringLiteral("Select * from tblLocation order by Description"), QStringLiteral("Description")),
              QVariantList({QStringLiteral("Group Room"), QStringLiteral("Room 1"), QStringLiteral("Room 2")}));
    EXPECT_EQ(first(QStringLiteral("Select * from tblClientType where ClientTypeID=1"), QStringLiteral("Description")),
              QStringLiteral("Adult"));
    EXPECT_EQ(first(QStringLiteral("select * from tblLocation where LocationID=1"), QStringLiteral("Description")),
              QStringLiteral("Room 2"));
    EXPECT_EQ(
        first(QStringLiteral("Select * from tblSessionType where Sessiontypeid=2"), QStringLiteral("Description")),
        QStringLiteral("Counselling"));
    EXPECT_EQ(first(QStringLiteral("Select * from tblClient where ClientID=5"), QStringLiteral("OrganisationName")),
              QStringLiteral("Harbour Trust"));
    EXPECT_TRUE(
        isNullVariant(first(QStringLiteral("Select * from tblClient where ClientID=5"), QStringLiteral("FirstName"))));
    EXPECT_EQ(first(QStringLiteral("Select * from tblCounseller where CounsellerID=12"), QStringLiteral("LastName")),
              QStringLiteral("Chen"));

    // The case line of the third of case 7's five sessions.
    const QVariant caseId = first(QStringLiteral("Select * from tblClientCaseSessionLink where SessionID=22"),
                                  QStringLiteral("clientCaseID"));
    EXPECT_EQ(caseId, 7);
    EXPECT_EQ(first(QStringLiteral("Select count(ClientCaseID) as CurrentPos  from tblClientCaseSessionLink where "
                                   "clientCaseID =")
                        + caseId.toString() + QStringLiteral(" and SessionID <=22"),
                    QStringLiteral("CurrentPos")),
              3);
    EXPECT_EQ(
        first(QStringLiteral("Select count(ClientCaseID) as TotalSessionInCase from tblClientCaseSessionLink where "
                             "clientCaseID =")
                  + caseId.toString(),
              QStringLiteral("TotalSessionInCase")),
        5);
}

TEST_P(PracticeStatements, TheSessionDialogCompletesTheSessionItSaves)
{
    const QString update = QStringLiteral("Update tblSession set ClientTypeID =") + QString::number(1)
        + QStringLiteral(", BookedClientID =") + QStringLiteral("4") + QStringLiteral(", LocationID = ")
        + QString::number(-1) + QStringLiteral(", ClientNominatedLocation = '")
        + quoteForSql(QStringLiteral("Ann's office")) + QStringLiteral("' ") + QStringLiteral(", ActualStartTime='")
        + QStringLiteral("10:02:00") + QStringLiteral("' ") + QStringLiteral(", ActualEndTime='")
        + QStringLiteral("10:55:00") + QStringLiteral("' ");
    run(update + QStringLiteral(" where SessionID = ") + QString::number(5));
    Recordset rs = connection.Execute(QStringLiteral("Select * from tblSession where sessionID=5"));
    EXPECT_EQ(rs.Fields(QStringLiteral("ClientNominatedLocation")).Value(), QStringLiteral("Ann's office"));
    EXPECT_EQ(rs.Fields(QStringLiteral("LocationID")).Value(), -1);
    EXPECT_EQ(rs.Fields(QStringLiteral("BookedClientID")).Value(), 4);
    EXPECT_EQ(rs.Fields(QStringLiteral("ActualStartTime")).Value(), QStringLiteral("10:02:00"));
    EXPECT_EQ(rs.Fields(QStringLiteral("ActualEndTime")).Value(), QStringLiteral("10:55:00"));
    rs.Close();

    // A new session: its counsellor link, then the same update making it chargeable.
    const int id = save(insertStatement(march7, QString(), QStringLiteral("New"), OleDate::fromTime(QTime(19, 0)),
                                        OleDate::fromTime(QTime(18, 0)), 1));
    run(QStringLiteral("Insert into tblCounsellerSessionLink (SessionID, CounsellerID) values(") + QString::number(id)
        + QStringLiteral(", ") + QString::number(12) + QStringLiteral(" )"));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where sessionID=") + QString::number(id),
                    QStringLiteral("Chargeable")),
              QVariant(false));
    run(update + QStringLiteral(", Chargeable=True ") + QStringLiteral(" where SessionID = ") + QString::number(id));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where sessionID=") + QString::number(id),
                    QStringLiteral("Chargeable")),
              QVariant(true));
    EXPECT_EQ(
        sorted(column(QStringLiteral("select * from tblCounsellerSessionLink where sessionID=") + QString::number(id),
                      QStringLiteral("CounsellerID"))),
        QList<int>({12}));
}

TEST_P(PracticeStatements, AttendeesAreAddedOnceAndListed)
{
    const QString session = QString::number(5);
    EXPECT_TRUE(column(QStringLiteral("select * from tblClientSessionLink where sessionID=") + session
                           + QStringLiteral(" and ClientID=") + QStringLiteral("4"),
                       QStringLiteral("ClientID"))
                    .isEmpty());
    EXPECT_EQ(first(QStringLiteral("select * from tblClient where ClientID=") + QStringLiteral("4"),
                    QStringLiteral("ClientID")),
              4);
    EXPECT_FALSE(
        first(QStringLiteral("select * from tblClient where ClientID=99"), QStringLiteral("ClientID")).isValid());
    for (const char *client : {"4", "5"}) {
        run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values(")
            + QLatin1String(client) + QStringLiteral(", ") + session + QStringLiteral(", 'Booked') "));
    }
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values(6, ") + session
        + QStringLiteral(", '')"));
    Recordset rs = connection.Execute(QStringLiteral("select * from tblClientSessionLink where sessionID=") + session);
    QStringList listed;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString status = rs.Fields(QStringLiteral("Status")).Value().toString();
        Recordset client = connection.Execute(QStringLiteral("Select * from tblClient where clientID=")
                                              + rs.Fields(QStringLiteral("ClientID")).Value().toString());
        listed.append(client.Fields(QStringLiteral("LastName")).Value().toString() + QLatin1Char('/')
                      + (status.isEmpty() ? QStringLiteral("No Status") : status));
    }
    EXPECT_EQ(
        listed,
        QStringList({QStringLiteral("Lee/Booked"), QStringLiteral("/Booked"), QStringLiteral("O'Brien/No Status")}));
    EXPECT_EQ(first(QStringLiteral("Select * from tblClient where ClientID =5"), QStringLiteral("OrganisationName")),
              QStringLiteral("Harbour Trust"));

    EXPECT_TRUE(column(QStringLiteral("select * from tblCounsellerSessionLink where sessionID=") + session
                           + QStringLiteral(" and CounsellerID=") + QStringLiteral("2"),
                       QStringLiteral("CounsellerID"))
                    .isEmpty());
    EXPECT_EQ(first(QStringLiteral("select * from tblCounseller where CounsellerID=2"), QStringLiteral("FirstName")),
              QStringLiteral("James"));
    run(QStringLiteral("Insert into tblCounsellerSessionLink (CounsellerID, SessionID) values(") + QStringLiteral("2")
        + QStringLiteral(", ") + session + QStringLiteral(") "));
    EXPECT_EQ(sorted(column(QStringLiteral("select * from tblCounsellerSessionLink where sessionID=") + session,
                            QStringLiteral("CounsellerID"))),
              QList<int>({2, 12}));
    EXPECT_EQ(first(QStringLiteral("Select * from tblCounseller where CounsellerID =2"), QStringLiteral("LastName")),
              QStringLiteral("Whitfield"));
    // A second link of the same attendee would count twice in every list; it is refused.
    EXPECT_EQ(errorNumberOf([&] {
                  run(QStringLiteral("Insert into tblCounsellerSessionLink (CounsellerID, SessionID) values(2, ")
                      + session + QStringLiteral(") "));
              }),
              ErrorNumber::GeneralFailure);
}

TEST_P(PracticeStatements, BookingConflictsFollowTheOverlapRule)
{
    // Counsellor 12 has session 5 from 10:00 to 11:00 on 7 March.
    EXPECT_FALSE(conflict(12, QTime(11, 0), QTime(12, 0), -1));
    EXPECT_TRUE(conflict(12, QTime(10, 30), QTime(10, 45), -1));
    EXPECT_TRUE(conflict(12, QTime(9, 0), QTime(10, 30), -1));
    EXPECT_FALSE(conflict(12, QTime(9, 0), QTime(10, 0), -1));
    EXPECT_FALSE(conflict(12, QTime(10, 0), QTime(11, 0), 5)); // the session itself
    EXPECT_TRUE(conflict(12, QTime(14, 0), QTime(14, 30), -1)); // cancelled sessions still block
    EXPECT_FALSE(conflict(2, QTime(14, 0), QTime(14, 30), -1));

    // Room 1 holds sessions 5 and 7 from 10:00 to 11:00.
    EXPECT_TRUE(conflict(1, QTime(10, 30), QTime(11, 30), -1, true));
    EXPECT_TRUE(conflict(1, QTime(10, 0), QTime(11, 0), 5, true));
    EXPECT_FALSE(conflict(1, QTime(11, 0), QTime(11, 30), -1, true));
    EXPECT_TRUE(conflict(2, QTime(14, 30), QTime(15, 30), -1, true));
    // Session 8 runs past midnight in room 3 but counts only on its first day.
    EXPECT_FALSE(conflict(3, QTime(0, 0), QTime(0, 30), -1, true));
}

TEST_P(PracticeStatements, CancellingReadsTheConfigurationAndFlipsTheFlag)
{
    EXPECT_EQ(first(QStringLiteral("Select * from tblConfig where Description ='MinimumCancellationTime'"),
                    QStringLiteral("Value"))
                  .toInt(),
              24);
    // Texts compare without regard to case.
    EXPECT_EQ(first(QStringLiteral("Select * from tblConfig where Description ='minimumcancellationTIME'"),
                    QStringLiteral("Value")),
              QStringLiteral("24"));
    run(QStringLiteral("Update tblSession set Cancelled = true where SessionID = ") + QString::number(5));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=5"), QStringLiteral("Cancelled")),
              QVariant(true));
    EXPECT_FALSE(loadedSessions(march7, 12).contains(5));
    run(QStringLiteral("Update tblSession set Cancelled = false where SessionID = ") + QString::number(5));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=5"), QStringLiteral("Cancelled")),
              QVariant(false));
}

TEST_P(PracticeStatements, EndNotesAreInsertedOnceThenUpdated)
{
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values(4, 5, 'Booked') "));
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values(5, 5, 'Booked') "));
    Recordset clients;
    clients.setCursorLocation(adUseClient);
    clients.Open(
        QStringLiteral("SELECT  tblClient.ClientID, tblClient.LastName , tblClient.FirstName, "
                       "tblClient.OrganisationName From tblClient, tblClientSessionLink WHERE "
                       "tblClient.ClientID=tblClientSessionLink.ClientID AND tblClientSessionLink.sessionID=5"),
        connection, adOpenDynamic, adLockOptimistic);
    clients.MoveFirst();
    QStringList names;
    for (; !clients.Eof(); clients.MoveNext()) {
        const QString organisation = clients.Fields(QStringLiteral("OrganisationName")).Value().toString();
        names.append(organisation.isEmpty() ? clients.Fields(QStringLiteral("FirstName")).Value().toString()
                             + QLatin1Char(' ') + clients.Fields(QStringLiteral("LastName")).Value().toString()
                                            : organisation);
    }
    EXPECT_EQ(names, QStringList({QStringLiteral("Ann Lee"), QStringLiteral("Harbour Trust")}));

    const QString where = QStringLiteral(" where ClientID=4 and SessionID=5");
    EXPECT_TRUE(
        column(QStringLiteral("Select * from tblSessionClientEndNote") + where, QStringLiteral("EndNote")).isEmpty());
    run(QStringLiteral("Insert into tblSessionClientEndNote (ClientID, SessionID, EndNote) values (4, 5, '")
        + quoteForSql(QStringLiteral("It's going well")) + QStringLiteral(" ") + QStringLiteral("' )"));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSessionClientEndNote") + where, QStringLiteral("EndNote")),
              QStringLiteral("It's going well "));

    QString note;
    for (int i = 0; i < 8000; ++i)
        note += QStringLiteral("O'Hara, ");
    ASSERT_EQ(note.size(), 64000);
    run(QStringLiteral("Update tblSessionClientEndNote set EndNote='") + quoteForSql(note) + QStringLiteral("'")
        + where);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSessionClientEndNote") + where, QStringLiteral("EndNote")), note);
    EXPECT_EQ(column(QStringLiteral("Select * from tblSessionClientEndNote"), QStringLiteral("ClientID")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, PracticeStatements, OLVAR_BOTH_ENGINES);
