// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The session dialog keeps what the receptionist typed: closing with edits
// not saved asks first, Enter saves, the caption follows the first save, and
// a typed subject survives leaving the fields the default subject is built from.

#include "basgeneral.h"
#include "msgbox.h"
#include "sessiondialogfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace OlvarControls;
using Sessara::basGeneral;

namespace {

class SessionEdits : public SessionDialogFixture
{
protected:
    /* The dialog on a new 10:00 session, shown as the main window shows it. */
    void openShown()
    {
        open(-1, QTime(10, 0), QTime(11, 0));
        dialog->show();
        QCoreApplication::processEvents();
    }
    void typeSubject(const QString &text)
    {
        QLineEdit *subject = dialog->txtSubject();
        subject->clear();
        QTest::keyClicks(subject, text);
    }
    QPushButton *button(const char *name) { return qobject_cast<QPushButton *>(dialog->control(QLatin1String(name))); }
    int saved(const QString &subject)
    {
        return count(QStringLiteral("Select * from tblSession where SessionDescription='") + subject
                     + QStringLiteral("'"));
    }
};

} // namespace

TEST_F(SessionEdits, ClosingUntouchedAsksNothing)
{
    openShown();
    button("cmdOk")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
}

TEST_F(SessionEdits, OkWithUnsavedEditsAnsweredYesSavesAndCloses)
{
    openShown();
    typeSubject(QStringLiteral("Intake with interpreter"));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    button("cmdOk")->click();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    const auto question = OlvarTest::messageBoxes().last();
    EXPECT_EQ(question.prompt, QStringLiteral("Save changes to this session?"));
    EXPECT_EQ(question.buttons & MsgBox::ButtonSetMask, MsgBox::YesNoCancel);
    EXPECT_EQ(saved(QStringLiteral("Intake with interpreter")), 1);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SessionEdits, EscapeWithUnsavedEditsAnsweredNoClosesWithoutSaving)
{
    openShown();
    typeSubject(QStringLiteral("Never stored"));
    OlvarTest::messageBoxes().answerNext(MsgBox::No);
    QTest::keyClick(dialog->txtSubject(), Qt::Key_Escape);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(saved(QStringLiteral("Never stored")), 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SessionEdits, ARepeatChosenForANewSessionIsAnEditToo)
{
    openShown();
    qobject_cast<QComboBox *>(dialog->control(QStringLiteral("cboRepeat")))->setCurrentIndex(1); // "Weekly"
    OlvarTest::messageBoxes().answerNext(MsgBox::Cancel);
    QTest::keyClick(dialog->txtSubject(), Qt::Key_Escape);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Save changes to this session?"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SessionEdits, CancelKeepsTheDialogAndTheEdits)
{
    openShown();
    typeSubject(QStringLiteral("Still typing"));
    OlvarTest::messageBoxes().answerNext(MsgBox::Cancel);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Still typing"));
    EXPECT_EQ(saved(QStringLiteral("Still typing")), 0);

    // A save that is refused keeps the dialog open too: the time check says why.
    dialog->cboEndTime()->setCurrentText(QStringLiteral("9:00 am"));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes);
    button("cmdOk")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("A Session can not have a Start Time lesser than its End Time."));
}

TEST_F(SessionEdits, EnterSavesAndTheCaptionNamesTheStoredSession)
{
    openShown();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New Session"));
    EXPECT_TRUE(button("cmdSave")->isDefault());
    typeSubject(QStringLiteral("Saved by Enter"));
    QTest::keyClick(dialog->txtSubject(), Qt::Key_Return);
    ASSERT_EQ(saved(QStringLiteral("Saved by Enter")), 1);
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_EQ(dialog->windowTitle(),
              QStringLiteral("Session ") + QString::number(basGeneral::lngSessionID)
                  + QStringLiteral(" Counselor: Aroha Ngata"));
    EXPECT_TRUE(dialog->changedSession());
    // Saved: closing asks nothing.
    button("cmdOk")->click();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SessionEdits, ATypedSubjectSurvivesLeavingTheFieldsOfTheDefault)
{
    openShown();
    choose("cboLocation", QStringLiteral("Room 2"));
    dialog->locationLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Assessment (Room 2) (Ms Ann Lee)"));
    typeSubject(QStringLiteral("Family meeting"));
    choose("cboSessionType", QStringLiteral("Review"));
    dialog->sessionTypeLeft();
    choose("cboLocation", QStringLiteral("Room 1"));
    dialog->locationLeft();
    dialog->clientTypeLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Family meeting"));
    // Emptied, it takes the default again.
    dialog->txtSubject()->clear();
    dialog->locationLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Review (Room 1) (Ms Ann Lee)"));
}

TEST_F(SessionEdits, ADeletedSessionClosesWithoutAskingAboutItsEdits)
{
    const int id = addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, 2);
    open(id, QTime(10, 0), QTime(11, 0));
    dialog->show();
    QCoreApplication::processEvents();
    typeSubject(QStringLiteral("Edited, then deleted"));
    OlvarTest::messageBoxes().answerNext(MsgBox::Yes); // "Do you want to delete this session ..."
    button("cmdDelete")->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().title, QStringLiteral("Delete Session"));
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id)), 0);
    EXPECT_TRUE(dialog->changedSession());
}
