// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "sessiondialogfixture.h"
#include "sessionendnote.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::MultiColumnCombo;
using Sessara::SessionEndNote;

TEST(EndNoteRules, AFirstNoteIsTrimmedWithOneBlankAndNeverLongerThanANoteHolds)
{
    EXPECT_FALSE(SessionEndNote::isTooLong(QString(64000, QLatin1Char('x'))));
    EXPECT_TRUE(SessionEndNote::isTooLong(QString(64001, QLatin1Char('x'))));
    EXPECT_EQ(SessionEndNote::cut(QString(70000, QLatin1Char('x'))).size(), 64000);

    EXPECT_EQ(SessionEndNote::insertStatement(3, 41, QStringLiteral("  Ann's plan \n")),
              QStringLiteral("Insert into tblSessionClientEndNote (ClientID, SessionID, EndNote) values (3, 41, "
                             "'Ann''s plan ' )"));
    EXPECT_EQ(SessionEndNote::insertStatement(3, 41, QString(64000, QLatin1Char('x'))),
              QStringLiteral("Insert into tblSessionClientEndNote (ClientID, SessionID, EndNote) values (3, 41, '")
                  + QString(64000, QLatin1Char('x')) + QStringLiteral("' )"));
    EXPECT_EQ(
        SessionEndNote::updateStatement(3, 41, QStringLiteral(" O'Neil ")),
        QStringLiteral("Update tblSessionClientEndNote set EndNote=' O''Neil ' where ClientID=3 and SessionID=41"));
}

class SessionEndNotes : public SessionDialogFixture
{
protected:
    /*! A stored session with clients 2 and 19 as attendees, opened in the dialog. */
    int openWithClients(std::initializer_list<int> clients = {2, 19})
    {
        const int id = addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, 1);
        for (int client : clients) {
            run(QStringLiteral(
                    "Insert into tblClientSessionLink (ClientID, SessionID, Status) values (%1, %2, 'Booked')")
                    .arg(client)
                    .arg(id));
        }
        open(id, QTime(10, 0), QTime(11, 0));
        return id;
    }
    MultiColumnCombo *clientBox()
    {
        return qobject_cast<MultiColumnCombo *>(dialog->control(QStringLiteral("cboClientEndNote")));
    }
    QPlainTextEdit *note() { return qobject_cast<QPlainTextEdit *>(dialog->control(QStringLiteral("txtEndNote"))); }
    QTabWidget *tabs() { return qobject_cast<QTabWidget *>(dialog->control(QStringLiteral("tabSession"))); }
    void showNotes()
    {
        tabs()->setCurrentIndex(0);
        tabs()->setCurrentIndex(2);
    }
    /*! Types \a text into the note and leaves it. */
    void write(const QString &text)
    {
        note()->setPlainText(text);
        leaveNote();
    }
    void leaveNote()
    {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(note(), &leave);
    }
    QVariant stored(int client, int session)
    {
        return first(QStringLiteral("Select * from tblSessionClientEndNote where ClientID=%1 and SessionID=%2")
                         .arg(client)
                         .arg(session),
                     QStringLiteral("EndNote"));
    }
    int notes(int session)
    {
        return count(QStringLiteral("Select * from tblSessionClientEndNote where SessionID=")
                     + QString::number(session));
    }
};

TEST_F(SessionEndNotes, TheFirstNoteIsInsertedAndALaterEditUpdatesTheSameRow)
{
    const int id = openWithClients();
    MultiColumnCombo *box = clientBox();
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->list(0, 0), QVariant(2));
    EXPECT_EQ(box->list(0, 1), QVariant(QStringLiteral("Tama Wiremu")));
    EXPECT_EQ(box->list(1, 1), QVariant(QStringLiteral("Te Whare Awhina")));
    EXPECT_EQ(box->list(1, 2), QVariant(QStringLiteral("Kiri")));
    EXPECT_EQ(box->list(1, 3), QVariant(QStringLiteral("Rangi")));
    showNotes();
    EXPECT_EQ(box->text(), QStringLiteral("Tama Wiremu"));
    EXPECT_TRUE(note()->toPlainText().isEmpty());

    write(QStringLiteral("  Tama's goals agreed  "));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(stored(2, id), QVariant(QStringLiteral("Tama's goals agreed ")));
    write(QStringLiteral("  Goals revised  "));
    EXPECT_EQ(stored(2, id), QVariant(QStringLiteral("  Goals revised  ")));
    EXPECT_EQ(notes(id), 1);

    // Another client has a note of its own; coming back shows the first client's.
    box->setListIndex(1);
    EXPECT_TRUE(note()->toPlainText().isEmpty());
    write(QStringLiteral("Trust meeting"));
    box->setListIndex(0);
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("  Goals revised  "));
    EXPECT_EQ(notes(id), 2);

    // Reopened, the dialog shows the first client's note at once.
    open(id, QTime(10, 0), QTime(11, 0));
    EXPECT_EQ(clientBox()->text(), QStringLiteral("Tama Wiremu"));
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("  Goals revised  "));
}

TEST_F(SessionEndNotes, ANoteTooLongIsStoredCutOnlyWhenTheUserAgrees)
{
    const int id = openWithClients();
    showNotes();
    QString longNote;
    for (int i = 0; longNote.size() < 70000; ++i)
        longNote += QStringLiteral("line %1 of the note. ").arg(i);
    longNote = longNote.left(70000);
    const MessageBoxRequest tooLong{QStringLiteral("End Note greater than 64 000 characters."), MsgBox::Critical,
                                    QStringLiteral("Sessara")};
    const MessageBoxRequest trim{QStringLiteral("Auto-trim End Note to 64000 characters?"), MsgBox::YesNoCancel,
                                 QStringLiteral("Sessara")};

    for (int answer : {MsgBox::No, MsgBox::Cancel}) {
        OlvarTest::messageBoxes().clear();
        OlvarTest::messageBoxes().answerNext(MsgBox::Ok);
        OlvarTest::messageBoxes().answerNext(answer);
        write(longNote);
        EXPECT_EQ(OlvarTest::messageBoxes().requests(), QList<MessageBoxRequest>({tooLong, trim}));
        EXPECT_EQ(notes(id), 0);
        EXPECT_EQ(note()->toPlainText(), longNote);
    }

    OlvarTest::messageBoxes().answerNext(MsgBox::Ok);
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    write(longNote);
    const QString kept = longNote.left(64000);
    ASSERT_EQ(notes(id), 1);
    EXPECT_EQ(stored(2, id).toString().size(), 64000);
    // Its first 64000 characters; a first note's closing blank does not go beyond them.
    EXPECT_EQ(stored(2, id).toString(), QString(kept.trimmed() + QLatin1Char(' ')).left(64000));
    EXPECT_EQ(stored(2, id).toString().left(63990), kept.left(63990));
    EXPECT_EQ(note()->toPlainText(), kept);

    // Edited later to the full length, the same row holds it untrimmed.
    OlvarTest::messageBoxes().clear();
    write(QString(64000, QLatin1Char('y')));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(stored(2, id).toString(), QString(64000, QLatin1Char('y')));
    EXPECT_EQ(notes(id), 1);
}

TEST_F(SessionEndNotes, WithoutAClientTheBoxIsUnavailableAndANoteIsNotKept)
{
    const int id = openWithClients({});
    showNotes();
    EXPECT_EQ(clientBox()->count(), 0);
    EXPECT_FALSE(clientBox()->isEnabled());
    write(QStringLiteral("Nobody to write about"));
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("No client present for end note entry. Please assign a client as an "
                                                "attendee for this session."),
                                 MsgBox::OkOnly, QStringLiteral("Sessara")}));
    EXPECT_TRUE(note()->toPlainText().isEmpty());
    EXPECT_EQ(notes(id), 0);

    // A client added as attendee can be chosen for a note.
    tabs()->setCurrentIndex(1);
    qobject_cast<QLineEdit *>(dialog->control(QStringLiteral("txtClientAttendeeAdd")))->setText(QStringLiteral("5"));
    qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdAddClientAdendee")))->click();
    EXPECT_EQ(clientBox()->count(), 1);
    tabs()->setCurrentIndex(2);
    EXPECT_TRUE(clientBox()->isEnabled());
    EXPECT_EQ(clientBox()->text(), QStringLiteral("Ruby Patel"));
    write(QStringLiteral("Ruby's note"));
    EXPECT_EQ(stored(5, id), QVariant(QStringLiteral("Ruby's note ")));
}

TEST_F(SessionEndNotes, TheClientLastChosenIsChosenAgainWhenTheTabIsShownAgain)
{
    const int id = openWithClients();
    run(QStringLiteral(
            "Insert into tblSessionClientEndNote (ClientID, SessionID, EndNote) values (19, %1, 'Invoice the trust')")
            .arg(id));
    showNotes();
    clientBox()->setText(QStringLiteral("Te Whare Awhina"));
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("Invoice the trust"));
    tabs()->setCurrentIndex(1); // other tabs do nothing
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("Invoice the trust"));
    tabs()->setCurrentIndex(2);
    EXPECT_EQ(clientBox()->text(), QStringLiteral("Te Whare Awhina"));
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("Invoice the trust"));
    for (const char *name : {"txtFirstNameEndNote", "txtLastNameEndNote"})
        EXPECT_TRUE(qobject_cast<QLineEdit *>(dialog->control(QLatin1String(name)))->text().isEmpty()) << name;
}

TEST_F(SessionEndNotes, ANoteThatCannotBeWrittenIsReportedAndStaysInTheBox)
{
    openWithClients();
    showNotes();
    run(QStringLiteral("ALTER TABLE tblSessionClientEndNote RENAME TO tblSessionClientEndNoteAway"));
    write(QStringLiteral("Kept in the box"));
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("The end note could not be stored."), MsgBox::Exclamation,
                                 QStringLiteral("Sessara")}));
    EXPECT_EQ(note()->toPlainText(), QStringLiteral("Kept in the box"));
}
