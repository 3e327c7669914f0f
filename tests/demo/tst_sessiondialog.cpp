// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "calendar.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "sessiondialogfixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::MultiColumnCombo;

namespace {

QStringList rows(QWidget *box, int column)
{
    auto *combo = qobject_cast<MultiColumnCombo *>(box);
    QStringList texts;
    for (int row = 0; combo && row < combo->count(); ++row)
        texts << basGeneral::TextOf(combo->list(row, column));
    return texts;
}

} // namespace

class SessionDialogLoad : public SessionDialogFixture
{
protected:
    QString text(const char *name) { return dialog->control(QLatin1String(name))->property("text").toString(); }
    MultiColumnCombo *box(const char *name)
    {
        return qobject_cast<MultiColumnCombo *>(dialog->control(QLatin1String(name)));
    }
};

TEST_F(SessionDialogLoad, ANewSessionGetsTheListsTheDefaultsAndTheChosenClient)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New Session"));
    EXPECT_EQ(rows(box("cboSessionType"), 1),
              QStringList({QStringLiteral("Assessment"), QStringLiteral("Counselling"), QStringLiteral("Review"),
                           QStringLiteral("Group Session"), QStringLiteral("Supervision")}));
    EXPECT_EQ(rows(box("cboClientType"), 0).first(), QStringLiteral("-1"));
    EXPECT_EQ(rows(box("cboClientType"), 1).mid(0, 3),
              QStringList({QStringLiteral("(None)"), QStringLiteral("Adult"), QStringLiteral("Child")}));
    EXPECT_EQ(rows(box("cboLocation"), 1),
              QStringList({QStringLiteral("Client Nominated Location"), QStringLiteral("Group Room"),
                           QStringLiteral("Room 1"), QStringLiteral("Room 2"), QStringLiteral("Room 3")}));
    EXPECT_EQ(box("cboSessionType")->text(), QStringLiteral("Assessment"));
    EXPECT_EQ(box("cboClientType")->text(), QStringLiteral("Adult"));
    EXPECT_EQ(box("cboLocation")->text(), QStringLiteral("Group Room"));
    EXPECT_FALSE(dialog->control(QStringLiteral("txtLocation"))->isEnabled());

    EXPECT_EQ(text("txtBookedClient"), QStringLiteral("1"));
    EXPECT_EQ(text("txtFullName"), QStringLiteral("Ms Ann Lee"));
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Assessment (Group Room) (Ms Ann Lee)"));
    EXPECT_EQ(text("lblSessionStatus"), QStringLiteral(" "));
    auto *tabs = qobject_cast<QTabWidget *>(dialog->control(QStringLiteral("tabSession")));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Session"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Attendees"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Session Notes"));
    EXPECT_TRUE(tabs->isTabEnabled(0));
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_FALSE(tabs->isTabEnabled(2));
    EXPECT_FALSE(dialog->control(QStringLiteral("cmdCase"))->isEnabled());
    // The clicked date, handed in as the view writes it, shows day first.
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("07/03/2026"));
}

TEST_F(SessionDialogLoad, AStoredSessionShowsItsRowItsCounsellorAndItsPlaceInItsCase)
{
    // The second session of the first client's case, with its other columns as stored.
    const int caseId = first(QStringLiteral("Select * from tblClientCaseSessionLink order by SessionID"),
                             QStringLiteral("ClientCaseID"))
                           .toInt();
    const QVariant sessionId =
        count(QStringLiteral("Select * from tblClientCaseSessionLink where ClientCaseID=") + QString::number(caseId))
            > 1
        ? first(QStringLiteral("Select * from tblClientCaseSessionLink where ClientCaseID=") + QString::number(caseId)
                    + QStringLiteral(" order by SessionID limit 1 offset 1"),
                QStringLiteral("SessionID"))
        : QVariant();
    ASSERT_TRUE(sessionId.isValid());
    const int id = sessionId.toInt();
    const QString where = QStringLiteral(" where SessionID=") + QString::number(id);
    run(QStringLiteral("Update tblSession set ClientTypeID=2, LocationID=3, SessionTypeID=3, BookedClientID=17, "
                       "ActualStartTime='10:02:00', ActualEndTime=NULL, Chargeable=0")
        + where);
    basGeneral::lngCounsellerID = 2;
    open(id, QTime(10, 0), QTime(11, 0));

    EXPECT_EQ(dialog->windowTitle(),
              QStringLiteral("Session ") + QString::number(id) + QStringLiteral(" Counselor: James Whitfield"));
    EXPECT_EQ(box("cboClientType")->text(), QStringLiteral("Child"));
    EXPECT_EQ(box("cboLocation")->text(), QStringLiteral("Room 3"));
    EXPECT_EQ(box("cboSessionType")->text(), QStringLiteral("Review"));
    EXPECT_EQ(text("txtBookedClient"), QStringLiteral("17"));
    EXPECT_EQ(text("txtFullName"), QStringLiteral("Harbour Bridge Engineering"));
    EXPECT_EQ(text("txtActualStartTime"), QStringLiteral("10:02:00"));
    EXPECT_EQ(text("txtActualEndTime"), QString());
    EXPECT_EQ(text("lblSessionStatus"), QStringLiteral("Session is non-chargeable"));
    EXPECT_EQ(text("cmdInvoice"), QStringLiteral("Chargeable"));
    const int sessionsInCase =
        count(QStringLiteral("Select * from tblClientCaseSessionLink where ClientCaseID=") + QString::number(caseId));
    EXPECT_EQ(text("lblSessionCase"),
              QStringLiteral("Case Number: ") + QString::number(caseId) + QStringLiteral("     Session: 2/")
                  + QString::number(sessionsInCase));
    auto *tabs = qobject_cast<QTabWidget *>(dialog->control(QStringLiteral("tabSession")));
    EXPECT_TRUE(tabs->isTabEnabled(1));
    EXPECT_TRUE(dialog->control(QStringLiteral("cmdCase"))->isEnabled());
}

TEST_F(SessionDialogLoad, AClientNominatedLocationOpensItsBoxAndAPersonsNameIsTrimmed)
{
    const int id = addSession(bookingDay(), QTime(9, 0), QTime(10, 0), 1, -1);
    run(QStringLiteral(
            "Update tblSession set ClientNominatedLocation='Ann''s office', ClientTypeID=NULL, Chargeable=1, "
            "BookedClientID=4 where SessionID=")
        + QString::number(id));
    run(QStringLiteral("Update tblClient set Salutation=' Mr ', FirstName='David  ' where ClientID=4"));
    open(id, QTime(9, 0), QTime(10, 0));
    EXPECT_EQ(box("cboLocation")->text(), QStringLiteral("Client Nominated Location"));
    EXPECT_TRUE(dialog->control(QStringLiteral("txtLocation"))->isEnabled());
    EXPECT_EQ(text("txtLocation"), QStringLiteral("Ann's office"));
    EXPECT_EQ(box("cboClientType")->text(), QStringLiteral("(None)"));
    EXPECT_EQ(text("txtFullName"), QStringLiteral("Mr David O'Connor"));
    EXPECT_EQ(text("lblSessionStatus"), QStringLiteral("Session is chargeable"));
    EXPECT_EQ(text("cmdInvoice"), QStringLiteral("Non-Chargeable"));
    EXPECT_EQ(text("lblSessionCase"), QStringLiteral("Case Number: 0     Session: 0/0"));
}

TEST_F(SessionDialogLoad, EveryControlCarriesItsName)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    for (const char *name : {"tabSession",
                             "calStartTime",
                             "calEndTime",
                             "cboStartTime",
                             "cboEndTime",
                             "cboSessionType",
                             "cboClientType",
                             "cboLocation",
                             "txtLocation",
                             "txtSubject",
                             "txtAdditionalNotes",
                             "txtBookedClient",
                             "txtFullName",
                             "txtActualStartTime",
                             "txtActualEndTime",
                             "lblSessionStatus",
                             "lblSessionCase",
                             "cmdSave",
                             "cmdOk",
                             "cmdCancel",
                             "cmdDelete",
                             "cmdInvoice",
                             "cmdCase",
                             "cmdClientSearch",
                             "cmdClientEdit",
                             "cmdNow",
                             "frmClient",
                             "txtClientAttendeeAdd",
                             "cmdAddClientAdendee",
                             "lstAttendeeClients",
                             "cmdSearchClientAdendee",
                             "cmdClientRemove",
                             "fraCounsellers",
                             "txtCounsellerAttendeeAdd",
                             "cmdAddCounsellerAdendee",
                             "lstAttendeeCounsellers",
                             "cmdSearchCounsellerAdendee",
                             "cmdCounsellerRemove",
                             "fraEndNote",
                             "cboClientEndNote",
                             "txtEndNote",
                             "txtFirstNameEndNote",
                             "txtLastNameEndNote"}) {
        EXPECT_NE(dialog->control(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_EQ(dialog->findChildren<QPushButton *>(QStringLiteral("cmdNow")).size(), 2);
    EXPECT_EQ(qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdCancel")))->text(),
              QStringLiteral("Cancel Session"));
    auto *start = qobject_cast<QComboBox *>(dialog->control(QStringLiteral("cboStartTime")));
    ASSERT_EQ(start->count(), 48);
    EXPECT_EQ(start->itemText(0), QStringLiteral("12:00 am"));
    EXPECT_EQ(start->itemText(2), QStringLiteral("1:00 am"));
    EXPECT_EQ(start->itemText(24), QStringLiteral("12:00 pm"));
    EXPECT_EQ(start->itemText(47), QStringLiteral("11:30 pm"));
}

TEST_F(SessionDialogLoad, AMissingDatabaseLeavesTheListsEmptyWithoutAMessage)
{
    OlvarTest::TempFolder empty;
    basGeneral::strConnectionString = basGeneral::ConnectionStringFor(empty.path());
    open(-1, QTime(10, 0), QTime(11, 0));
    EXPECT_EQ(rows(box("cboSessionType"), 1), QStringList());
    EXPECT_EQ(rows(box("cboLocation"), 1), QStringList({QStringLiteral("Client Nominated Location")}));
    EXPECT_EQ(text("txtFullName"), QString());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
}

class SessionDialogFields : public SessionDialogLoad
{
};

TEST_F(SessionDialogFields, TheSubjectFollowsClientTypeSessionTypeAndLocation)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboSessionType", QStringLiteral("Review"));
    dialog->sessionTypeLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Review (Group Room) (Ms Ann Lee)"));
    choose("cboLocation", QStringLiteral("Room 2"));
    dialog->locationLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Review (Room 2) (Ms Ann Lee)"));
    choose("cboClientType", QStringLiteral("(None)"));
    dialog->clientTypeLeft();
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Review"));
    dialog->sessionTypeLeft(); // the session type's rule also looks at the client type
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Review"));
    EXPECT_EQ(dialog->BuildDefaultSubject(), QStringLiteral("(None) Review (Room 2) (Ms Ann Lee)"));
}

TEST_F(SessionDialogFields, TheNominatedLocationBoxIsOpenOnlyForTheFirstRow)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    QWidget *location = dialog->control(QStringLiteral("txtLocation"));
    choose("cboLocation", QStringLiteral("Client Nominated Location"));
    EXPECT_TRUE(location->isEnabled());
    choose("cboLocation", QStringLiteral("Room 1"));
    EXPECT_FALSE(location->isEnabled());
}

TEST_F(SessionDialogFields, TheBookedClientsNameFollowsTheIdentifierTyped)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    auto *booked = qobject_cast<QLineEdit *>(dialog->control(QStringLiteral("txtBookedClient")));
    booked->setText(QStringLiteral(" 18 "));
    EXPECT_EQ(text("txtFullName"), QStringLiteral("Southside Community Trust"));
    booked->setText(QStringLiteral("99"));
    EXPECT_EQ(text("txtFullName"), QString()); // no such client: no name of another one
    booked->setText(QStringLiteral("4 or 1=1"));
    EXPECT_EQ(text("txtFullName"), QString());
}

TEST_F(SessionDialogFields, AStartAfterTheEndMovesTheEndToAnHourAfterIt)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    dialog->cboStartTime()->setCurrentText(QStringLiteral("2:30 pm"));
    EXPECT_EQ(dialog->cboEndTime()->currentText(), QStringLiteral("3:30 pm"));
    dialog->cboStartTime()->setCurrentText(QStringLiteral("3:30 pm")); // equal to the end: left alone
    EXPECT_EQ(dialog->cboEndTime()->currentText(), QStringLiteral("3:30 pm"));
    dialog->cboStartTime()->setCurrentText(QStringLiteral("11:30 pm"));
    EXPECT_EQ(dialog->cboEndTime()->currentText(), QStringLiteral("12:30 am"));
    dialog->cboStartTime()->setCurrentText(QStringLiteral("25:99"));
    EXPECT_EQ(dialog->cboEndTime()->currentText(), QStringLiteral("12:30 am"));
}

TEST_F(SessionDialogFields, AnEmptyDateBecomesTodayAndTheEndDateFollowsTheStartDate)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    dialog->calStartTime()->setText(QString());
    dialog->startDateLeft();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Enter a date for Start Time"));
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Critical);
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("04/03/2026"));
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("04/03/2026"));

    dialog->calEndTime()->setText(QString());
    dialog->endDateLeft();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Enter a date for End Time"));
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("04/03/2026"));

    // Read day first in any locale: 7 March stays 7 March on the way to the end date.
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    dialog->calStartTime()->setText(QVariant::fromValue(OleDate::fromDate(QDate(2026, 3, 7))));
    dialog->startDateLeft();
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("07/03/2026"));
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 2);
}

TEST_F(SessionDialogFields, LeavingAFieldRunsItsReactionButOpeningAListDoesNot)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    const auto leave = [](QObject *field, Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(field, &focusOut);
        QCoreApplication::processEvents(); // the reaction runs after the field's own handling
    };
    QSignalBlocker keepEnd(dialog->cboStartTime());
    dialog->cboStartTime()->setCurrentText(QStringLiteral("10:00 am"));
    dialog->cboEndTime()->setCurrentText(QStringLiteral("9:00 am"));
    leave(dialog->cboEndTime()->lineEdit(), Qt::PopupFocusReason);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    leave(dialog->cboEndTime()->lineEdit());
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("A Session can not have a Start Time lesser than its End Time."));

    choose("cboLocation", QStringLiteral("Room 1"));
    leave(dialog->control(QStringLiteral("cboLocation")));
    EXPECT_EQ(dialog->txtSubject()->text(), QStringLiteral("Adult Assessment (Room 1) (Ms Ann Lee)"));

    // A date that is no date is emptied by the entry itself, then becomes today.
    auto *startText = dialog->calStartTime()->findChild<QLineEdit *>(QStringLiteral("TxtDate"));
    ASSERT_NE(startText, nullptr);
    startText->setText(QStringLiteral("45/45/2026"));
    leave(startText);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Enter a date for Start Time"));
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("04/03/2026"));
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("04/03/2026"));
}

TEST_F(SessionDialogFields, DayFirstDateTextsAreShownAsThoseDatesInAnyLocale)
{
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    open(-1, QTime(10, 0), QTime(11, 0));
    dialog->setDateTexts(QStringLiteral("07/03/2026"), QStringLiteral("08/03/2026"));
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("07/03/2026"));
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("08/03/2026"));
    dialog->setDateTexts(QString(), QStringLiteral("no date"));
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QString());
    EXPECT_EQ(dialog->calEndTime()->text().toString(), QStringLiteral("no date"));
}
