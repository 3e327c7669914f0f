// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "connection.h"
#include "msgbox.h"
#include "recordset.h"
#include "sessionattendees.h"
#include "sessiondialogfixture.h"
#include "sessiontexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::SessionAttendees;

namespace {

const QString alreadyClient = QStringLiteral("This client is already an attendee of this session");
const QString alreadyCounsellor = QStringLiteral("This Counselor is already an attendee of this session");

QString clientNotFound(const QString &typed)
{
    return QStringLiteral("Did not find ClientID ") + typed
        + QStringLiteral(" in Client records. ClientID not entered as attendee.");
}

QString counsellorNotFound(const QString &typed)
{
    return QStringLiteral("Did not find CounselorID ") + typed
        + QStringLiteral(" in Counselor records. CounselorID not entered as attendee.");
}

} // namespace

TEST(AttendeeRules, OnlyAWholeNumberTypedIsAnIdentifier)
{
    EXPECT_EQ(SessionAttendees::identifier(QStringLiteral("12")), 12);
    EXPECT_EQ(SessionAttendees::identifier(QStringLiteral("  7 ")), 7);
    EXPECT_EQ(SessionAttendees::identifier(QStringLiteral("-3")), -3);
    for (const char *text : {"", "   ", "abc", "3.5", "1e3", "5 or 1=1", "2;", "99999999999", "0x10"})
        EXPECT_FALSE(SessionAttendees::identifier(QLatin1String(text)).has_value()) << text;
}

TEST(AttendeeRules, ClientNamesAndTheMessagesOfEachGroup)
{
    EXPECT_EQ(SessionAttendees::clientName(QStringLiteral("Te Whare Awhina"), QStringLiteral("Kiri"),
                                           QStringLiteral("Rangi")),
              QStringLiteral("Te Whare Awhina"));
    // No salutation and nothing trimmed, unlike the booked client's name.
    EXPECT_EQ(SessionAttendees::clientName(QVariant(), QStringLiteral(" Ann"), QStringLiteral("Lee ")),
              QStringLiteral(" Ann Lee "));

    using Group = SessionAttendees::Group;
    using Outcome = SessionAttendees::Outcome;
    EXPECT_EQ(SessionAttendees::message(Group::Counsellors, Outcome::Conflict, QStringLiteral(" 4 ")),
              QStringLiteral("The Start and End time for this session conflict with another session for Counselor.\r\n"
                             "Counselor .4 not entered as attendee."));
    EXPECT_EQ(SessionAttendees::message(Group::Clients, Outcome::NotFound, QStringLiteral("x'1")),
              clientNotFound(QStringLiteral("x'1")));
    EXPECT_EQ(SessionAttendees::message(Group::Counsellors, Outcome::NotFound, QStringLiteral("9")),
              counsellorNotFound(QStringLiteral("9")));
    EXPECT_EQ(SessionAttendees::message(Group::Clients, Outcome::AlreadyAttending, QString()), alreadyClient);
    EXPECT_EQ(SessionAttendees::message(Group::Counsellors, Outcome::AlreadyAttending, QString()), alreadyCounsellor);
    EXPECT_TRUE(SessionAttendees::message(Group::Clients, Outcome::Added, QStringLiteral("1")).isEmpty());
    EXPECT_EQ(SessionAttendees::messageIcon(Outcome::Conflict), MsgBox::Exclamation);
    EXPECT_EQ(SessionAttendees::messageIcon(Outcome::NotFound), MsgBox::Information);
}

class SessionAttendeesTab : public SessionDialogFixture
{
protected:
    /*! A stored session of counsellor 1 from 10:30 to 11:30 on the booking day, opened in the dialog. */
    int openStored()
    {
        const int id = addSession(bookingDay(), QTime(10, 30), QTime(11, 30), 1, 1);
        open(id, QTime(10, 30), QTime(11, 30));
        return id;
    }
    QTreeWidget *list(const char *name) { return qobject_cast<QTreeWidget *>(dialog->control(QLatin1String(name))); }
    QLineEdit *edit(const char *name) { return qobject_cast<QLineEdit *>(dialog->control(QLatin1String(name))); }
    void press(const char *name) { qobject_cast<QPushButton *>(dialog->control(QLatin1String(name)))->click(); }
    /*! The rows of \a name as "id|name|status" texts. */
    QStringList rows(const char *name)
    {
        QStringList texts;
        QTreeWidget *widget = list(name);
        for (int row = 0; row < widget->topLevelItemCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < widget->columnCount(); ++column)
                columns << widget->topLevelItem(row)->text(column);
            texts << columns.join(QLatin1Char('|'));
        }
        return texts;
    }
    void addClient(const QString &typed)
    {
        edit("txtClientAttendeeAdd")->setText(typed);
        press("cmdAddClientAdendee");
    }
    void addCounsellor(const QString &typed)
    {
        edit("txtCounsellerAttendeeAdd")->setText(typed);
        press("cmdAddCounsellerAdendee");
    }
    int links(const char *table, int session)
    {
        return count(QStringLiteral("Select * from ") + QLatin1String(table) + QStringLiteral(" where SessionID=")
                     + QString::number(session));
    }
};

TEST_F(SessionAttendeesTab, AClientIsAddedOnceAndTheSecondTimeIsRefused)
{
    const int id = openStored();
    EXPECT_TRUE(rows("lstAttendeeClients").isEmpty());
    addClient(QStringLiteral(" 17 "));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(rows("lstAttendeeClients"), QStringList{QStringLiteral("17|Harbour Bridge Engineering|Booked")});
    EXPECT_TRUE(edit("txtClientAttendeeAdd")->text().isEmpty());
    EXPECT_EQ(first(QStringLiteral("Select * from tblClientSessionLink where SessionID=") + QString::number(id),
                    QStringLiteral("Status")),
              QVariant(QStringLiteral("Booked")));

    addClient(QStringLiteral("17"));
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{alreadyClient, MsgBox::Information, QStringLiteral("Sessara")}));
    EXPECT_EQ(links("tblClientSessionLink", id), 1);
    EXPECT_EQ(rows("lstAttendeeClients").size(), 1);
    EXPECT_EQ(edit("txtClientAttendeeAdd")->text(), QStringLiteral("17")); // kept for correcting

    // Nothing typed: nothing happens.
    OlvarTest::messageBoxes().clear();
    addClient(QStringLiteral("  "));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(links("tblClientSessionLink", id), 1);
}

TEST_F(SessionAttendeesTab, AnUnknownOrNonNumericIdentifierIsNotFoundAndWritesNothing)
{
    const int id = openStored();
    const int clients = count(QStringLiteral("Select * from tblClient"));
    for (const QString &typed : {QStringLiteral("999"), QStringLiteral("5 or 1=1"),
                                 QStringLiteral("1); delete from tblClient; --"), QStringLiteral("O'Brien")}) {
        addClient(typed);
        EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, clientNotFound(typed)) << typed.toStdString();
        EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Information);
    }
    for (const QString &typed : {QStringLiteral("77"), QStringLiteral("2 or 1=1"), QStringLiteral(" x ")}) {
        addCounsellor(typed);
        EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, counsellorNotFound(typed.trimmed())) << typed.toStdString();
    }
    EXPECT_EQ(links("tblClientSessionLink", id), 0);
    EXPECT_EQ(links("tblCounsellerSessionLink", id), 1);
    EXPECT_EQ(count(QStringLiteral("Select * from tblClient")), clients);
    EXPECT_TRUE(rows("lstAttendeeClients").isEmpty());
}

TEST_F(SessionAttendeesTab, ACounsellorBookedElsewhereAtThatTimeIsRefusedAndAFreeOneAdded)
{
    const int id = openStored();
    EXPECT_EQ(rows("lstAttendeeCounsellers"), QStringList{QStringLiteral("1|Aroha Ngata")});
    addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 2, 2); // overlaps 10:30 to 11:30
    addSession(bookingDay(), QTime(11, 30), QTime(12, 30), 3, 3); // only touches
    addCounsellor(QStringLiteral(" 2"));
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("The Start and End time for this session conflict with another session "
                                                "for Counselor.\r\nCounselor .2 not entered as attendee."),
                                 MsgBox::Exclamation, QStringLiteral("Sessara")}));
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where CounsellerID=2 and SessionID=")
                    + QString::number(id)),
              0);

    OlvarTest::messageBoxes().clear();
    addCounsellor(QStringLiteral("3"));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(rows("lstAttendeeCounsellers"),
              QStringList({QStringLiteral("1|Aroha Ngata"), QStringLiteral("3|Mei Chen")}));
    EXPECT_TRUE(edit("txtCounsellerAttendeeAdd")->text().isEmpty());
    EXPECT_EQ(links("tblCounsellerSessionLink", id), 2);

    addCounsellor(QStringLiteral("1"));
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, alreadyCounsellor);
    EXPECT_EQ(links("tblCounsellerSessionLink", id), 2);
}

TEST_F(SessionAttendeesTab, ReloadingListsEachAttendeeOnceWithAnEmptyStatusAsNoStatus)
{
    const int id = addSession(bookingDay(), QTime(9, 0), QTime(10, 0), 1, 1);
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values (2, %1, '')").arg(id));
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values (19, %1, NULL)").arg(id));
    run(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values (4, %1, 'Attended')")
            .arg(id));
    run(QStringLiteral("Insert into tblCounsellerSessionLink (CounsellerID, SessionID) values (5, %1)").arg(id));
    // In the order the links are read.
    const QStringList clients{QStringLiteral("2|Tama Wiremu|No Status"), QStringLiteral("4|David O'Connor|Attended"),
                              QStringLiteral("19|Te Whare Awhina|No Status")};
    const QStringList counsellors{QStringLiteral("1|Aroha Ngata"), QStringLiteral("5|Sione Tupou")};
    for (int reload = 0; reload < 2; ++reload) {
        open(id, QTime(9, 0), QTime(10, 0));
        EXPECT_EQ(rows("lstAttendeeClients"), clients);
        EXPECT_EQ(rows("lstAttendeeCounsellers"), counsellors);
    }
    // Saving lists the counsellors afresh, not twice.
    pressSave();
    pressSave();
    EXPECT_EQ(rows("lstAttendeeCounsellers"), counsellors);
    EXPECT_EQ(rows("lstAttendeeClients"), clients);

    // A new session lists nobody.
    open(-1, QTime(13, 0), QTime(14, 0));
    EXPECT_TRUE(rows("lstAttendeeClients").isEmpty());
    EXPECT_TRUE(rows("lstAttendeeCounsellers").isEmpty());
}

TEST_F(SessionAttendeesTab, RemoveAsksAndUnlinksTheSelectedAttendeeButKeepsTheLastCounsellor)
{
    const int id = openStored();
    addClient(QStringLiteral("2"));
    addClient(QStringLiteral("4"));
    addCounsellor(QStringLiteral("3"));
    OlvarTest::messageBoxes().clear();

    // Nothing selected: nothing asked.
    list("lstAttendeeClients")->clearSelection();
    press("cmdClientRemove");
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);

    list("lstAttendeeClients")->setCurrentItem(list("lstAttendeeClients")->topLevelItem(0));
    OlvarTest::messageBoxes().answerNext(MsgBox::No);
    press("cmdClientRemove");
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("Remove this attendee from the session?"),
                                 MsgBox::YesNo | MsgBox::Question, QStringLiteral("Sessara")}));
    EXPECT_EQ(links("tblClientSessionLink", id), 2);

    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    press("cmdClientRemove");
    EXPECT_EQ(rows("lstAttendeeClients"), QStringList{QStringLiteral("4|David O'Connor|Booked")});
    EXPECT_EQ(count(QStringLiteral("Select * from tblClientSessionLink where ClientID=2 and SessionID=")
                    + QString::number(id)),
              0);
    EXPECT_EQ(links("tblClientSessionLink", id), 1);

    list("lstAttendeeCounsellers")->setCurrentItem(list("lstAttendeeCounsellers")->topLevelItem(0));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    press("cmdCounsellerRemove");
    EXPECT_EQ(rows("lstAttendeeCounsellers"), QStringList{QStringLiteral("3|Mei Chen")});
    // The last counsellor keeps the session in a calendar.
    list("lstAttendeeCounsellers")->setCurrentItem(list("lstAttendeeCounsellers")->topLevelItem(0));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    press("cmdCounsellerRemove");
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("A session keeps at least one counselor. The last counselor is not removed."));
    EXPECT_EQ(rows("lstAttendeeCounsellers"), QStringList{QStringLiteral("3|Mei Chen")});
    EXPECT_EQ(links("tblCounsellerSessionLink", id), 1);
}

TEST_F(SessionAttendeesTab, ALinkThatCannotBeWrittenIsReportedAndNotListed)
{
    const int id = openStored();
    // Link tables that can be read but not written.
    for (const char *table : {"tblClientSessionLink", "tblCounsellerSessionLink"}) {
        run(QStringLiteral("DROP TABLE ") + QLatin1String(table));
        run(QStringLiteral("CREATE VIEW ") + QLatin1String(table)
            + QStringLiteral(" AS SELECT 0 AS ClientID, 0 AS CounsellerID, 0 AS SessionID, '' AS Status WHERE 0"));
    }
    addClient(QStringLiteral("2"));
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("ClientID 2 could not be entered as attendee."), MsgBox::Exclamation,
                                 QStringLiteral("Sessara")}));
    addCounsellor(QStringLiteral("4"));
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("CounselorID 4 could not be entered as attendee."));
    EXPECT_TRUE(rows("lstAttendeeClients").isEmpty());
    EXPECT_EQ(rows("lstAttendeeCounsellers").size(), 1);
    EXPECT_EQ(edit("txtClientAttendeeAdd")->text(), QStringLiteral("2"));
    EXPECT_EQ(links("tblClientSessionLink", id), 0);
    EXPECT_EQ(links("tblCounsellerSessionLink", id), 0);
}

TEST_F(SessionAttendeesTab, ALockedDatabaseIsReportedAsBusyNotAsAMissingClientAndWritesNothing)
{
    const int id = openStored();
    basGeneral::strConnectionString += QStringLiteral(";Busy Timeout=20");
    OlvarControls::DataAccess::Connection otherProgram(database.connectionString());
    otherProgram.Open();
    otherProgram.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
    addClient(QStringLiteral("1"));
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, Sessara::SessionTexts::databaseUnavailableMessage());
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Exclamation);
    otherProgram.Execute(QStringLiteral("ROLLBACK"));
    otherProgram.Close();
    EXPECT_EQ(links("tblClientSessionLink", id), 0);
    EXPECT_TRUE(rows("lstAttendeeClients").isEmpty());
}
