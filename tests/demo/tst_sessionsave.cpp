// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"
#include "calendar.h"
#include "connection.h"
#include "msgbox.h"
#include "recordingview.h"
#include "recordset.h"
#include "sessiondialogfixture.h"
#include "sessiontexts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

using namespace OlvarControls;
using Sessara::basGeneral;

namespace {

const QString conflictMessage = QStringLiteral("The Start and End time for this booking conflict with another.\r\n"
                                               "Please try another Start or end Time.");
const QString roomMessage = QStringLiteral("The specified location is not Available.\r\nPlease Select Another.");

} // namespace

class SessionSave : public SessionDialogFixture
{
protected:
    QString sessionText(int id, const char *column)
    {
        return basGeneral::TextOf(first(
            QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id), QLatin1String(column)));
    }
    QLineEdit *edit(const char *name) { return qobject_cast<QLineEdit *>(dialog->control(QLatin1String(name))); }
    QTabWidget *tabs() { return qobject_cast<QTabWidget *>(dialog->control(QStringLiteral("tabSession"))); }
    /*! Opens a free slot from \a start to \a end in \a room and saves it; returns the boxes shown. */
    int book(QTime start, QTime end, const QString &room = QStringLiteral("Room 2"))
    {
        open(-1, start, end);
        choose("cboLocation", room);
        OlvarTest::messageBoxes().clear();
        pressSave();
        return OlvarTest::messageBoxes().count();
    }
};

TEST_F(SessionSave, ANewSessionIsStoredThroughTheDayViewLinkedAndCompleted)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboLocation", QStringLiteral("Room 2"));
    choose("cboSessionType", QStringLiteral("Counselling"));
    dialog->txtSubject()->setText(QStringLiteral("Ann's first visit"));
    dialog->txtAdditionalNotes()->setText(QStringLiteral("Bring the 'green' form"));
    edit("txtActualStartTime")->setText(QStringLiteral("10'02"));
    pressSave();

    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    ASSERT_EQ(sessionCount(), before + 1);
    const int id = basGeneral::lngSessionID;
    ASSERT_GT(id, 0);
    // The view stored date, times and the texts as typed.
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                    QStringLiteral("SessionDate")),
              QVariant::fromValue(OleDate::fromDate(bookingDay())));
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                    QStringLiteral("StartTime")),
              QVariant::fromValue(OleDate::fromTime(QTime(10, 0))));
    EXPECT_EQ(sessionText(id, "SessionDescription"), QStringLiteral("Ann's first visit"));
    EXPECT_EQ(sessionText(id, "AdditionalNotes"), QStringLiteral("Bring the 'green' form"));
    EXPECT_EQ(sessionText(id, "SessionTypeID"), QStringLiteral("2"));
    // The dialog's own statements: the counsellor's link and the remaining columns.
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where CounsellerID=1 and SessionID=")
                    + QString::number(id)),
              1);
    EXPECT_EQ(sessionText(id, "LocationID"),
              basGeneral::TextOf(first(QStringLiteral("Select * from tblLocation where Description='Room 2'"),
                                       QStringLiteral("LocationID"))));
    EXPECT_EQ(sessionText(id, "ClientTypeID"), QStringLiteral("1"));
    EXPECT_EQ(sessionText(id, "BookedClientID"), QStringLiteral("1"));
    EXPECT_EQ(sessionText(id, "ActualStartTime"), QStringLiteral("10'02"));
    EXPECT_EQ(sessionText(id, "ActualEndTime"), QString());
    EXPECT_EQ(sessionText(id, "Chargeable"), QStringLiteral("True"));
    EXPECT_EQ(dialog->control(QStringLiteral("lblSessionStatus"))->property("text").toString(),
              QStringLiteral("Session is chargeable"));
    EXPECT_TRUE(tabs()->isTabEnabled(1));
    EXPECT_TRUE(tabs()->isTabEnabled(2));
    EXPECT_TRUE(dialog->control(QStringLiteral("cmdCase"))->isEnabled());

    // Saving again updates the same session.
    dialog->txtSubject()->setText(QStringLiteral("Second thoughts"));
    pressSave();
    EXPECT_EQ(sessionCount(), before + 1);
    EXPECT_EQ(sessionText(id, "SessionDescription"), QStringLiteral("Second thoughts"));
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where SessionID=") + QString::number(id)),
              1);
}

TEST_F(SessionSave, TheWeekViewIsReachedByTheNamesOfItsMembersAndRefreshedThroughItsFocusedColumn)
{
    RecordingView week;
    RecordingColumn column;
    week.column = &column;
    const int id = addSession(bookingDay(), QTime(8, 0), QTime(8, 30), 0, 2); // stands for the row the view inserts
    week.nextId = id;
    basGeneral::bolWeekView = true;
    open(-1, QTime(13, 0), QTime(14, 0));
    dialog->setViews(dayView.get(), &week);
    dialog->txtSubject()->setText(QStringLiteral("O'Brien's review"));
    pressSave();

    ASSERT_EQ(week.calls, 1);
    EXPECT_EQ(week.date, OleDate::fromDate(bookingDay()));
    EXPECT_EQ(week.begin, OleDate::fromTime(QTime(13, 0)));
    EXPECT_EQ(week.end, OleDate::fromTime(QTime(14, 0)));
    EXPECT_EQ(week.subject, QStringLiteral("O'Brien's review")); // plain: the view makes its statements safe
    EXPECT_EQ(week.type, 1);
    EXPECT_FALSE(week.apptId.isValid()); // no identifier: a new appointment
    EXPECT_EQ(column.updates, 1);
    EXPECT_EQ(basGeneral::lngSessionID, id);
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink where CounsellerID=1 and SessionID=")
                    + QString::number(id)),
              1);
    EXPECT_EQ(sessionText(id, "Chargeable"), QStringLiteral("True"));

    // A stored session goes to the view with its identifier.
    pressSave();
    EXPECT_EQ(week.calls, 2);
    EXPECT_EQ(week.apptId, QVariant(id));
    EXPECT_EQ(column.updates, 2);

    // Without a focused column the refresh is skipped, not the save.
    week.column = nullptr;
    dialog->txtSubject()->setText(QStringLiteral("Later"));
    pressSave();
    EXPECT_EQ(week.calls, 3);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
}

TEST_F(SessionSave, ANewSessionTheViewCannotStoreIsReportedAndNothingElseIsWritten)
{
    RecordingView view; // answers 0: nothing stored
    const int before = sessionCount();
    const int links = count(QStringLiteral("Select * from tblCounsellerSessionLink"));
    open(-1, QTime(13, 0), QTime(14, 0));
    dialog->setViews(&view, nullptr);
    pressSave();
    EXPECT_EQ(view.calls, 1);
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("The session could not be stored."));
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Exclamation);
    EXPECT_EQ(OlvarTest::messageBoxes().last().title, QStringLiteral("Sessara"));
    EXPECT_EQ(sessionCount(), before);
    EXPECT_EQ(count(QStringLiteral("Select * from tblCounsellerSessionLink")), links);
    EXPECT_EQ(count(QStringLiteral("Select * from tblSession where SessionID=0")), 0);
    EXPECT_EQ(basGeneral::lngSessionID, -1);
    EXPECT_EQ(dialog->result(), 0); // still open
    EXPECT_FALSE(tabs()->isTabEnabled(1)); // attendees wait for a stored session
    EXPECT_FALSE(dialog->control(QStringLiteral("cmdCase"))->isEnabled());

    // No view at all is the same.
    dialog->setViews(nullptr, nullptr);
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("The session could not be stored."));
    EXPECT_EQ(sessionCount(), before);
}

TEST_F(SessionSave, AStoredSessionTheViewCannotUpdateIsReportedAndNotCompleted)
{
    const int id = addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, 2);
    RecordingView view; // answers 0: the update failed
    open(id, QTime(10, 0), QTime(11, 0));
    dialog->setViews(&view, nullptr);
    choose("cboLocation", QStringLiteral("Client Nominated Location"));
    pressSave();
    EXPECT_EQ(view.calls, 1);
    EXPECT_EQ(view.apptId, QVariant(id));
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("The session could not be stored."));
    EXPECT_EQ(sessionText(id, "LocationID"), QStringLiteral("2"));
    EXPECT_TRUE(tabs()->isTabEnabled(1)); // still a stored session
}

TEST_F(SessionSave, ASessionIsStoredInLocalesWhoseOwnDateTextsDoNotReadBack)
{
    int hour = 12;
    for (const char *name : {"da_DK", "ja_JP", "es_US", "zh_TW", "bg_BG"}) {
        SCOPED_TRACE(name);
        OlvarTest::LocaleScope locale(QString::fromLatin1(name));
        const int before = sessionCount();
        EXPECT_EQ(book(QTime(hour, 0), QTime(hour, 30)), 0)
            << (OlvarTest::messageBoxes().count() ? OlvarTest::messageBoxes().last().prompt.toStdString()
                                                  : std::string());
        ASSERT_EQ(sessionCount(), before + 1);
        const int id = basGeneral::lngSessionID;
        EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                        QStringLiteral("StartTime")),
                  QVariant::fromValue(OleDate::fromTime(QTime(hour, 0))));
        ++hour;
    }
}

TEST_F(SessionSave, OkClosesWithoutSaving)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdOk")))->click();
    EXPECT_EQ(dialog->result(), int(QDialog::Accepted));
    EXPECT_EQ(sessionCount(), before);
}

TEST_F(SessionSave, AnEmptySubjectGetsClientTypeAndSessionType)
{
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboClientType", QStringLiteral("(None)"));
    choose("cboSessionType", QStringLiteral("Review"));
    dialog->txtSubject()->clear();
    pressSave();
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "SessionDescription"), QStringLiteral("(None) Review"));
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "ClientTypeID"), QStringLiteral("-1"));
}

TEST_F(SessionSave, AClientNominatedLocationIsNeverCheckedAndKeepsItsApostrophes)
{
    addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 2, -1); // another counsellor, also away
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboLocation", QStringLiteral("Client Nominated Location"));
    edit("txtLocation")->setText(QStringLiteral("Ann's office, O'Connell St"));
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "LocationID"), QStringLiteral("-1"));
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "ClientNominatedLocation"),
              QStringLiteral("Ann's office, O'Connell St"));
}

TEST_F(SessionSave, ABookedClientThatIsNoNumberIsRefusedBeforeAnythingIsWritten)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    for (const char *typed : {"4x", "1; drop", "99999999999", "1.5"}) {
        OlvarTest::messageBoxes().clear();
        edit("txtBookedClient")->setText(QLatin1String(typed));
        pressSave();
        ASSERT_EQ(OlvarTest::messageBoxes().count(), 1) << typed;
        EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
                  QStringLiteral("Client to Invoice must be a client number."));
        EXPECT_EQ(sessionCount(), before) << typed;
    }
    edit("txtBookedClient")->setText(QStringLiteral(" 17 "));
    pressSave();
    ASSERT_GT(basGeneral::lngSessionID, 0);
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "BookedClientID"), QStringLiteral("17"));
    // An empty box books no client.
    edit("txtBookedClient")->clear();
    pressSave();
    EXPECT_EQ(sessionText(basGeneral::lngSessionID, "BookedClientID"), QString());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
}

TEST_F(SessionSave, ATextWithANullCharacterIsRefusedBeforeAnythingIsWritten)
{
    const QString withNull = QStringLiteral("Room") + QChar(0) + QStringLiteral(" 4");
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboLocation", QStringLiteral("Client Nominated Location"));
    const QList<std::pair<const char *, QString>> fields{{"txtSubject", QStringLiteral("Subject")},
                                                         {"txtAdditionalNotes", QStringLiteral("Notes")},
                                                         {"txtLocation", QStringLiteral("Location")},
                                                         {"txtActualStartTime", QStringLiteral("Actual Start Time")},
                                                         {"txtActualEndTime", QStringLiteral("Actual End Time")}};
    for (const auto &[name, caption] : fields) {
        OlvarTest::messageBoxes().clear();
        edit(name)->setText(withNull);
        pressSave();
        ASSERT_EQ(OlvarTest::messageBoxes().count(), 1) << name;
        EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
                  QStringLiteral("The %1 contains a null character, which cannot be stored.\r\nPlease remove it.")
                      .arg(caption));
        EXPECT_EQ(sessionCount(), before) << name;
        edit(name)->setText(QStringLiteral("Room 4"));
    }
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(sessionCount(), before + 1);
}

TEST_F(SessionSave, AnInvoicedSessionIsRefusedAndLeftAsItIs)
{
    const int id = addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, 2, false, true);
    RecordingView view;
    open(id, QTime(10, 0), QTime(11, 0));
    dialog->setViews(&view, nullptr);
    choose("cboLocation", QStringLiteral("Client Nominated Location"));
    edit("txtLocation")->setText(QStringLiteral("Elsewhere"));
    OlvarTest::messageBoxes().clear();
    pressSave();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("Cannot save changes to this Session. It has already been Invoiced."),
                                 MsgBox::OkOnly, QStringLiteral("Sessara")}));
    EXPECT_EQ(view.calls, 0);
    EXPECT_EQ(sessionText(id, "LocationID"), QStringLiteral("2"));
    EXPECT_EQ(sessionText(id, "ClientNominatedLocation"), QString());
}

class SessionConflicts : public SessionSave
{
protected:
    void SetUp() override
    {
        room2 =
            first(QStringLiteral("Select * from tblLocation where Description='Room 2'"), QStringLiteral("LocationID"))
                .toInt();
        // Counsellor 1 is booked from 10:00 to 11:00 in Room 1, and cancelled from 14:00 to 15:00.
        const int room1 =
            first(QStringLiteral("Select * from tblLocation where Description='Room 1'"), QStringLiteral("LocationID"))
                .toInt();
        booked = addSession(bookingDay(), QTime(10, 0), QTime(11, 0), 1, room1);
        addSession(bookingDay(), QTime(14, 0), QTime(15, 0), 1, room1, true);
        // Counsellor 2 holds Room 2 from 16:00 to 17:00.
        addSession(bookingDay(), QTime(16, 0), QTime(17, 0), 2, room2);
    }
    int room2 = 0;
    int booked = 0;
};

TEST_F(SessionConflicts, TheCounsellorsOtherBookingsFollowTheOverlapRule)
{
    const int before = sessionCount();
    struct Case
    {
        QTime start, end;
        bool conflicts;
    };
    for (const Case &c : {Case{QTime(10, 30), QTime(10, 45), true}, // holds the start
                          Case{QTime(9, 0), QTime(10, 30), true}, // overlaps
                          Case{QTime(9, 30), QTime(11, 30), true}, // around it
                          Case{QTime(14, 30), QTime(15, 0), true}}) // cancelled, still blocking
    {
        ASSERT_EQ(book(c.start, c.end), 1) << c.start.toString().toStdString();
        EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, conflictMessage);
        EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Exclamation);
        EXPECT_EQ(sessionCount(), before);
        EXPECT_EQ(basGeneral::lngSessionID, -1);
    }
    // Touching sessions do not conflict.
    EXPECT_EQ(book(QTime(9, 0), QTime(10, 0)), 0);
    EXPECT_EQ(book(QTime(11, 0), QTime(12, 0)), 0);
    EXPECT_EQ(sessionCount(), before + 2);
    // The same time on another day, or for another counsellor, is free.
    basGeneral::lngCounsellerID = 3;
    EXPECT_EQ(book(QTime(10, 30), QTime(10, 45)), 0);
}

TEST_F(SessionConflicts, ARoomIsTakenByAnyCounsellorsBookingButAClientNominatedOneNever)
{
    const int before = sessionCount();
    EXPECT_EQ(book(QTime(16, 30), QTime(17, 30)), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, roomMessage);
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Exclamation);
    EXPECT_EQ(sessionCount(), before);
    EXPECT_EQ(book(QTime(17, 0), QTime(18, 0)), 0);
    EXPECT_EQ(book(QTime(16, 0), QTime(16, 30), QStringLiteral("Room 3")), 0);
    EXPECT_EQ(sessionCount(), before + 2);
}

TEST_F(SessionConflicts, SavingAStoredSessionUnchangedDoesNotConflictWithItself)
{
    open(booked, QTime(10, 0), QTime(11, 0));
    dialog->txtSubject()->setText(QStringLiteral("Unchanged times"));
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0) << OlvarTest::messageBoxes().last().prompt.toStdString();
    EXPECT_EQ(sessionText(booked, "SessionDescription"), QStringLiteral("Unchanged times"));
    EXPECT_EQ(
        count(QStringLiteral("Select * from tblCounsellerSessionLink where SessionID=") + QString::number(booked)), 1);
    // Moving it onto the cancelled session conflicts.
    dialog->cboStartTime()->setCurrentText(QStringLiteral("2:00 pm"));
    dialog->cboEndTime()->setCurrentText(QStringLiteral("3:00 pm"));
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, conflictMessage);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(booked),
                    QStringLiteral("StartTime")),
              QVariant::fromValue(OleDate::fromTime(QTime(10, 0))));
}

TEST_F(SessionConflicts, DatesWrittenDayFirstAreReadDayFirstInAnyLocale)
{
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    EXPECT_EQ(book(QTime(10, 30), QTime(10, 45)), 1); // 7 March, not 3 July
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, conflictMessage);

    // A stored session keeps its day when saved in that locale.
    open(booked, QTime(10, 0), QTime(11, 0));
    EXPECT_EQ(dialog->calStartTime()->text().toString(), QStringLiteral("07/03/2026"));
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(booked),
                    QStringLiteral("SessionDate")),
              QVariant::fromValue(OleDate::fromDate(bookingDay())));

    // Month names of the user's language in the day literal, and the time list's am and pm, still meet.
    OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(book(QTime(10, 30), QTime(10, 45)), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, conflictMessage);
    EXPECT_EQ(book(QTime(11, 0), QTime(11, 30)), 0);
}

class SessionTimes : public SessionSave
{
};

TEST_F(SessionTimes, AnEndBeforeTheStartIsRefusedAndOneOnTheNextDayIsNot)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    QSignalBlocker blockAdjusting(dialog->cboStartTime()); // keep the end where it is typed
    dialog->cboStartTime()->setCurrentText(QStringLiteral("10:00 am"));
    dialog->cboEndTime()->setCurrentText(QStringLiteral("9:00 am"));
    EXPECT_TRUE(dialog->IncorrectSessionTime());
    EXPECT_EQ(OlvarTest::messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("A Session can not have a Start Time lesser than its End Time."),
                                 MsgBox::Critical, QStringLiteral("Sessara")}));
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(sessionCount(), before);

    dialog->cboStartTime()->setCurrentText(QStringLiteral("11:00 pm"));
    dialog->cboEndTime()->setCurrentText(QStringLiteral("1:00 am"));
    dialog->calEndTime()->setText(QVariant::fromValue(OleDate::fromDate(bookingDay().addDays(1))));
    EXPECT_FALSE(dialog->IncorrectSessionTime());
    dialog->cboEndTime()->setCurrentText(QStringLiteral("11:00 pm"));
    dialog->calEndTime()->setText(QVariant::fromValue(OleDate::fromDate(bookingDay())));
    EXPECT_FALSE(dialog->IncorrectSessionTime()); // ending as it starts is accepted
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 2);
}

TEST_F(SessionTimes, AnUnreadableTimeShowsTheFormatMessageAndStopsTheSave)
{
    const int before = sessionCount();
    RecordingView view;
    open(-1, QTime(10, 0), QTime(11, 0));
    dialog->setViews(&view, nullptr);
    const QString formatMessage =
        QStringLiteral("You have typed a date or time in a format that is not understood by "
                       "this software. Unable to process inputted data. Please use correct format.");
    dialog->cboEndTime()->setCurrentText(QStringLiteral("25:99"));
    EXPECT_FALSE(dialog->IncorrectSessionTime());
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, formatMessage);
    EXPECT_EQ(OlvarTest::messageBoxes().last().buttons, MsgBox::Critical);
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, formatMessage);
    EXPECT_EQ(view.calls, 0);
    EXPECT_EQ(sessionCount(), before);

    dialog->cboEndTime()->setCurrentText(QStringLiteral("11:00 am"));
    dialog->calStartTime()->setText(QStringLiteral("31/02/2026"));
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, formatMessage);
    EXPECT_EQ(view.calls, 0);
}

TEST_F(SessionSave, ALockedDatabaseRefusesTheSaveAsBusyAndWritesNothing)
{
    const int before = sessionCount();
    open(-1, QTime(10, 0), QTime(11, 0));
    choose("cboLocation", QStringLiteral("Room 2"));
    basGeneral::strConnectionString += QStringLiteral(";Busy Timeout=20");
    OlvarControls::DataAccess::Connection otherProgram(database.connectionString());
    otherProgram.Open();
    otherProgram.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
    OlvarTest::messageBoxes().clear();
    pressSave();
    // The conflict checks cannot run, so they never pass: one box, and no conflict or success claimed.
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, Sessara::SessionTexts::databaseUnavailableMessage());
    otherProgram.Execute(QStringLiteral("ROLLBACK"));
    otherProgram.Close();
    EXPECT_EQ(sessionCount(), before);
    EXPECT_LE(basGeneral::lngSessionID, 0);

    // Once the other program lets go, the same save goes through.
    OlvarTest::messageBoxes().clear();
    pressSave();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(sessionCount(), before + 1);
}
