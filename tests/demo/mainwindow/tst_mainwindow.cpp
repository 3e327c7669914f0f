// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The main window on the sample practice: what it shows at start, its boxes,
// navigation bar, toolbar, month view, refresh tick, resizing and the
// double-click that asks for a session; and how it opens without counsellors,
// without a database, or on a data-link file.

#include "basgeneral.h"
#include "connection.h"
#include "hourlet.h"
#include "listbar.h"
#include "mainwindowtesthelpers.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "oleerror.h"
#include "periodictimer.h"
#include "practicedatabase.h"
#include "practiceupgrade.h"
#include "recordset.h"
#include "sessarafixture.h"
#include "twips.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmDemo;
using Sessara::SessionRequest;
using namespace SessaraTest;

namespace {

const QDate saturday(2026, 3, 7);

QString cell(const Sessara::MultiColumnCombo *box, int row, int column)
{
    return basGeneral::TextOf(box->list(row, column));
}

class MainWindow : public SessaraFixture
{
protected:
    void open() { window = openMainWindow(folder.path()); }

    Hourlet *day() const { return window->ZOVudeZozo1(); }
    // The row of the client box that holds \a clientId.
    int clientRow(int clientId) const
    {
        for (int row = 0; row < window->cboClient()->count(); ++row) {
            if (cell(window->cboClient(), row, 0) == QString::number(clientId))
                return row;
        }
        return -1;
    }
    QStringList counsellorRow(int row) const
    {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << cell(window->cboCounseller(), row, column);
        return cells;
    }

    std::unique_ptr<frmDemo> window;
};

QString jetString(const QString &folder)
{
    return basGeneral::ConnectionStringFor(folder);
}

} // namespace

// --- Opening ----------------------------------------------------------------------

TEST_F(MainWindow, OpensOnTheFirstCounsellorAndToday)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sessara - Alpha"));
    EXPECT_EQ(basGeneral::strConnectionString, jetString(folder.path()));
    EXPECT_EQ(day()->connectionString(), basGeneral::strConnectionString);
    EXPECT_TRUE(day()->selectionHighlight());
    EXPECT_EQ(basGeneral::lngCounsellerID, 1);
    EXPECT_EQ(day()->resource(), 1);
    EXPECT_EQ(day()->activeDate(), OleDate::fromDate(sampleDay()));
    EXPECT_TRUE(day()->isVisible());
    if (window->WeekView1()) {
        EXPECT_FALSE(window->WeekView1()->isVisible());
    }
    EXPECT_FALSE(basGeneral::bolWeekView);
    EXPECT_EQ(window->mvwHourlet()->selectedDate(), sampleDay());
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Aroha Ngata"));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblCopyright"))->text(), frmDemo::legalNotice());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    // The day view was restored with its design settings.
    EXPECT_TRUE(day()->showTimeScale());
    EXPECT_EQ(day()->appItemFont().family(), QStringLiteral("Arial"));
    // The counsellor box waits for a client.
    EXPECT_EQ(window->cboCounseller()->count(), 0);
}

TEST_F(MainWindow, EveryChildCarriesItsName)
{
    open();
    for (const char *name :
         {"ZOVudeZozo1", "PeriodicUpdateDisplay", "mvwHourlet", "lbrBooking", "tbToolBar", "cboClient", "cboCounseller",
          "cboLocation", "picHourletDetails", "lblCounseller", "lblMakeBookingDetails", "lblAdditionalOptions",
          "lblCopyright", "Check1", "cmdToday", "cmdSearchClient"}) {
        EXPECT_NE(window->findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    }
    QStringList captions;
    for (QLabel *label : window->findChildren<QLabel *>(QStringLiteral("lblHourlet")))
        captions << label->text();
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("Client ID"), QStringLiteral("Client Preference"),
                           QStringLiteral("Counseller ID"), QStringLiteral("Date"), QStringLiteral("Location")}));
    EXPECT_EQ(window->findChild<QCheckBox *>(QStringLiteral("Check1"))->text(), QStringLiteral("Over Ride"));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblMakeBookingDetails"))->text(),
              QStringLiteral("New Booking Details"));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblAdditionalOptions"))->text(),
              QStringLiteral("Additional Options"));
    // The refresh timer has no face at run time.
    EXPECT_FALSE(window->PeriodicUpdateDisplay()->isVisible());

    QStringList menus;
    for (QAction *menu : window->menuBar()->actions()) {
        QStringList entries;
        if (menu->menu()) {
            for (QAction *entry : menu->menu()->actions())
                entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
        menus << menu->text() + QLatin1Char(':') + entries.join(QLatin1Char(','));
    }
    EXPECT_EQ(menus,
              QStringList({QStringLiteral("File:Export Calendar...,Exit"),
                           QStringLiteral("View:Day,Week,Month,-,Show Tips at Startup"),
                           QStringLiteral("Maintenance:Sessions,Cases,Location,Case Types,Session Types,-,Options"),
                           QStringLiteral("About:")}));

    // "Exit" closes the window, which ends the program.
    window->findChild<QAction *>(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, TheToolbarHasItsKeyedButtonsInOrder)
{
    open();
    QStringList buttons;
    for (QAction *action : window->tbToolBar()->actions())
        buttons << action->objectName() + QLatin1Char('|') + action->text() + QLatin1Char('|') + action->toolTip();
    EXPECT_EQ(buttons,
              QStringList({
                  QStringLiteral("AddClient|Add Client|Click add a New Client"),
                  QStringLiteral("AddBooking|Add Booking|Click to add a Counsellor booking"),
                  QStringLiteral("Hourlet|Day View|Day View"), // no tooltip of its own: Qt shows the caption
                  QStringLiteral("WeekView|Week View|Week View"),
                  QStringLiteral("ViewCases|View Cases|Click to view Case Manager"),
                  QStringLiteral("PreviewSchedule|Resource Schedule|Click to preview Shedule"),
                  QStringLiteral("PreviewLocationSchedule|Location Schedule|Click to print Shedule"),
              }));
}

TEST_F(MainWindow, TheNavigationBarListsTheCounsellorsAndTheMaintenanceItems)
{
    open();
    Sessara::ListBar *bar = window->lbrBooking();
    ASSERT_EQ(bar->count(), 2);
    EXPECT_EQ(bar->itemText(0), QStringLiteral("Resources"));
    EXPECT_EQ(bar->itemText(1), QStringLiteral("Maintenace"));
    EXPECT_EQ(bar->itemKeys(QStringLiteral("Calendars")),
              QStringList({QStringLiteral("Coun1"), QStringLiteral("Coun2"), QStringLiteral("Coun3"),
                           QStringLiteral("Coun4"), QStringLiteral("Coun5")}));
    EXPECT_EQ(bar->item(QStringLiteral("Calendars"), QStringLiteral("Coun3"))->text(), QStringLiteral("Mei Chen"));
    EXPECT_EQ(
        bar->itemKeys(QStringLiteral("Maintenace")),
        QStringList({QStringLiteral("MainCancelBooking"), QStringLiteral("MainCases"), QStringLiteral("MainCaseType"),
                     QStringLiteral("MainSessionType"), QStringLiteral("MainLocation")}));
    EXPECT_EQ(bar->item(QStringLiteral("Maintenace"), QStringLiteral("MainCancelBooking"))->text(),
              QStringLiteral("Sessions"));
}

// --- Client and counsellor boxes -------------------------------------------------------

TEST_F(MainWindow, TheClientBoxListsThePlaceholderAndEveryClient)
{
    open();
    Sessara::MultiColumnCombo *box = window->cboClient();
    ASSERT_EQ(box->count(), 21);
    EXPECT_EQ(cell(box, 0, 0), QStringLiteral("-1"));
    EXPECT_EQ(cell(box, 0, 1), QStringLiteral("No Client Selected"));
    EXPECT_EQ(cell(box, 1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(box, 1, 1), QStringLiteral("Lee"));
    EXPECT_EQ(cell(box, 1, 2), QStringLiteral("Ann"));
    // An organisation's name replaces the contact's last name.
    EXPECT_EQ(cell(box, 17, 1), QStringLiteral("Harbour Bridge Engineering"));
    EXPECT_EQ(cell(box, 17, 2), QStringLiteral("Peter"));
    EXPECT_EQ(box->listIndex(), -1);
}

TEST_F(MainWindow, ChoosingAClientRanksTheCounsellorsForThem)
{
    open();
    window->cboClient()->setListIndex(clientRow(2)); // Tama Wiremu
    EXPECT_EQ(basGeneral::lngClientID, 2);
    ASSERT_EQ(window->cboCounseller()->count(), 5);
    EXPECT_EQ(
        counsellorRow(0),
        QStringList({QStringLiteral("1"), QStringLiteral("Ngata"), QStringLiteral("Aroha"), QStringLiteral("2.01")}));
    EXPECT_EQ(counsellorRow(4).at(3), QStringLiteral("1"));

    // Choosing another client lists the counsellors afresh, not twice.
    window->cboClient()->setListIndex(clientRow(8)); // Sami Haddad shares nothing with anyone
    EXPECT_EQ(basGeneral::lngClientID, 8);
    ASSERT_EQ(window->cboCounseller()->count(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(counsellorRow(row).at(3), QStringLiteral("0")) << row;

    window->cboClient()->setListIndex(0);
    EXPECT_EQ(basGeneral::lngClientID, -1);
    EXPECT_EQ(window->cboCounseller()->count(), 5);
    // Choosing a client does not change whose calendar is shown.
    EXPECT_EQ(day()->resource(), 1);
}

TEST_F(MainWindow, ChoosingACounsellorShowsTheirDay)
{
    open();
    window->cboClient()->setListIndex(clientRow(6)); // Wei Zhang: Mei Chen first
    window->cboCounseller()->setListIndex(0);
    EXPECT_EQ(basGeneral::lngCounsellerID, 3);
    EXPECT_EQ(day()->resource(), 3);
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Mei Chen"));
    // The list filled afresh chooses nothing, and that changes nothing.
    window->cboClient()->setListIndex(clientRow(2));
    EXPECT_EQ(window->cboCounseller()->listIndex(), -1);
    EXPECT_EQ(basGeneral::lngCounsellerID, 3);
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Mei Chen"));
}

// --- Navigation bar, toolbar and month view ----------------------------------------------

TEST_F(MainWindow, ANavigationItemShowsThatCounsellorsCalendar)
{
    open();
    Sessara::ListBar *bar = window->lbrBooking();
    ASSERT_TRUE(bar->clickItem(QStringLiteral("Calendars"), QStringLiteral("Coun4")));
    EXPECT_EQ(basGeneral::lngCounsellerID, 4);
    EXPECT_EQ(day()->resource(), 4);
    if (window->WeekView1()) {
        EXPECT_EQ(window->WeekView1()->property("Resource").toInt(), 4);
    }
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Priya Sharma"));

    // A maintenance item keeps the counsellor (the cases need a client first); a key that is
    // not "Coun" and digits keeps the counsellor.
    ASSERT_TRUE(bar->clickItem(QStringLiteral("Maintenace"), QStringLiteral("MainCases")));
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    OlvarTest::messageBoxes().clear();
    EXPECT_EQ(basGeneral::lngCounsellerID, 4);
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Priya Sharma"));
    window->lbrBooking_ItemClick(QStringLiteral("CounX"), QStringLiteral("Nobody"), QStringLiteral("Calendars"));
    window->lbrBooking_ItemClick(QStringLiteral("Main12"), QStringLiteral("Nobody"), QStringLiteral("Calendars"));
    EXPECT_EQ(basGeneral::lngCounsellerID, 4);
    EXPECT_EQ(day()->resource(), 4);
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Nobody")); // the caption is shown all the same
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
}

TEST_F(MainWindow, TheToolbarSwitchesBetweenDayAndWeekViewOnTheMonthViewsDate)
{
    open();
    window->mvwHourlet()->setSelectedDate(saturday);
    basGeneral::lngCounsellerID = 2;
    window->tbToolBar()->findChild<QAction *>(QStringLiteral("WeekView"))->trigger();
    EXPECT_TRUE(basGeneral::bolWeekView);
    EXPECT_FALSE(day()->isVisible());
    if (QWidget *week = window->WeekView1()) {
        EXPECT_TRUE(week->isVisible());
        EXPECT_EQ(week->property("ActiveDate").value<OleDate>(), OleDate::fromDate(saturday));
        EXPECT_EQ(week->property("Resource").toInt(), 2);
        EXPECT_EQ(week->geometry(), day()->geometry());
    }
    // A date clicked now goes to the week view.
    window->mvwHourlet_DateClick(OleDate::fromDate(saturday.addDays(7)));
    EXPECT_EQ(day()->activeDate(), OleDate::fromDate(sampleDay()));

    EXPECT_TRUE(basGeneral::bolWeekView);

    window->tbToolBar()->findChild<QAction *>(QStringLiteral("Hourlet"))->trigger();
    EXPECT_FALSE(basGeneral::bolWeekView);
    EXPECT_TRUE(day()->isVisible());
    if (window->WeekView1()) {
        EXPECT_FALSE(window->WeekView1()->isVisible());
    }
    EXPECT_EQ(day()->activeDate(), OleDate::fromDate(saturday));
    EXPECT_EQ(day()->resource(), 2);
}

TEST_F(MainWindow, TheMonthViewAndTheTodayButtonChooseTheDay)
{
    open();
    QCalendarWidget *month = window->mvwHourlet();
    month->setSelectedDate(saturday);
    Q_EMIT month->clicked(saturday); // what a click on the date in the grid raises
    EXPECT_EQ(day()->activeDate(), OleDate::fromDate(saturday));

    window->findChild<QPushButton *>(QStringLiteral("cmdToday"))->click();
    EXPECT_EQ(day()->activeDate(), OleDate::fromDate(sampleDay()));
    EXPECT_EQ(month->selectedDate(), sampleDay());
}

// --- The refresh tick ---------------------------------------------------------------------

TEST_F(MainWindow, TheDayIsReadAgainEveryMinute)
{
    open();
    QSignalSpy ticks(window->PeriodicUpdateDisplay(), &PeriodicTimer::Timer);
    EXPECT_EQ(window->PeriodicUpdateDisplay()->minuteInterval(), 1);
    EXPECT_TRUE(window->PeriodicUpdateDisplay()->isTimerEnabled());
    const int before = day()->itemCount();

    // Another program books counsellor 1 this evening.
    addSession(sampleDay(), QTime(19, 0), QTime(20, 0), 1, 1);
    OlvarTest::virtualScheduler().advance(59000);
    EXPECT_EQ(ticks.count(), 0);
    OlvarTest::virtualScheduler().advance(2000);
    ASSERT_EQ(ticks.count(), 1);
    EXPECT_GT(day()->itemCount(), before); // the day view has read its day again

    // The tick restarts the period: the next one comes a minute later.
    OlvarTest::virtualScheduler().advance(60000);
    EXPECT_EQ(ticks.count(), 2);
    OlvarTest::virtualScheduler().advance(60000 * 10);
    EXPECT_EQ(ticks.count(), 12);
}

// --- Resizing --------------------------------------------------------------------------------

TEST_F(MainWindow, TheViewsFollowTheWindowsSizeLeftOfThePanel)
{
    open();
    window->resize(1200, 800);
    QCoreApplication::processEvents();
    QWidget *client = window->centralWidget();
    QWidget *panel = window->picHourletDetails();
    const QRect view = day()->geometry();
    EXPECT_EQ(view.left(), 0);
    EXPECT_EQ(view.top(), window->lblCounseller()->geometry().bottom() + 1);
    EXPECT_EQ(view.bottom(), client->height() - 1);
    EXPECT_EQ(panel->x(), view.width());
    EXPECT_EQ(panel->width(), 240);
    EXPECT_NEAR(view.width() + panel->width(), client->width() - 7, 1);
    EXPECT_EQ(panel->y(), window->tbToolBar()->geometry().bottom() + 1);
    EXPECT_TRUE(panel->isVisible());
    // The navigation bar reaches down to the copyright line.
    QWidget *copyright = window->findChild<QWidget *>(QStringLiteral("lblCopyright"));
    EXPECT_EQ(copyright->geometry().bottom(), panel->height() - 1);
    EXPECT_NEAR(window->lbrBooking()->geometry().bottom() + 1, copyright->y(), 1);

    // Narrower than the panel and its margin: the views stay where they were.
    window->resize(200, 800);
    QCoreApplication::processEvents();
    if (window->centralWidget()->width() < 247) {
        EXPECT_EQ(day()->geometry(), view);
    }
}

// --- Double-clicks ----------------------------------------------------------------------------

TEST_F(MainWindow, ADoubleClickOnAFreeSlotAsksForAnHourFromIt)
{
    open();
    QList<SessionRequest> requests;
    window->setSessionDialogOpener([&](frmDemo &, const SessionRequest &request) { requests << request; });
    window->mvwHourlet_DateClick(OleDate::fromDate(saturday)); // no sessions at weekends
    basGeneral::lngSessionID = 99;
    doubleClick(day(), QPoint(300, slotRow(20, day()->vScrollValue())));
    ASSERT_EQ(requests.size(), 1);
    const SessionRequest &request = requests.first();
    EXPECT_EQ(basGeneral::lngSessionID, -1);
    EXPECT_EQ(request.sessionId, -1);
    EXPECT_EQ(request.selectedDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(request.startTime, QStringLiteral("10:00 am"));
    EXPECT_EQ(request.endTime, QStringLiteral("11:00 am"));
    EXPECT_EQ(request.startDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(request.endDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(request.subject, QString());
}

TEST_F(MainWindow, ADoubleClickOnAStoredSessionAsksForIt)
{
    open();
    QList<SessionRequest> requests;
    window->setSessionDialogOpener([&](frmDemo &, const SessionRequest &request) { requests << request; });
    // Today's 10:00 session of counsellor 1 in the sample.
    const int id = first(QStringLiteral("SELECT s.SessionID FROM tblSession s JOIN tblCounsellerSessionLink l ON "
                                        "l.SessionID = s.SessionID WHERE l.CounsellerID = 1 AND s.SessionDate = ")
                             + QString::number(OleDate::fromDate(sampleDay()).value())
                             + QStringLiteral(" AND s.StartTime > 0.41 AND s.StartTime < 0.42"),
                         QStringLiteral("SessionID"))
                       .toInt();
    ASSERT_GT(id, 0);
    doubleClick(day(), QPoint(300, slotRow(20, day()->vScrollValue()) + 8));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(basGeneral::lngSessionID, id);
    EXPECT_EQ(requests.first().sessionId, id);
    EXPECT_EQ(requests.first().subject,
              first(QStringLiteral("Select * from tblSession where SessionID=") + QString::number(id),
                    QStringLiteral("SessionDescription"))
                  .toString());
    EXPECT_EQ(requests.first().startTime, QStringLiteral("10:00 am"));
    EXPECT_EQ(requests.first().endTime, QStringLiteral("11:00 am"));
    EXPECT_EQ(requests.first().endDate, QStringLiteral("04/03/2026"));
}

TEST(SessionRequestRule, ASessionEndingAtMidnightEndsOnTheNextDay)
{
    const OleDate day = OleDate::fromDate(QDate(2026, 3, 7));
    const OleDate elevenPm = OleDate::fromTime(QTime(23, 0));
    const SessionRequest free =
        SessionRequest::fromSelection(day, -1, QString(), QString(), QVariant::fromValue(elevenPm), QVariant());
    EXPECT_EQ(free.startTime, QStringLiteral("11:00 pm"));
    EXPECT_EQ(free.endTime, QStringLiteral("12:00 am"));
    EXPECT_EQ(free.startDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(free.endDate, QStringLiteral("08/03/2026"));

    // A stored session keeps its own end, whatever the start.
    const SessionRequest stored = SessionRequest::fromSelection(
        day, 5, QStringLiteral("Intake"), QStringLiteral("notes"), QVariant::fromValue(OleDate::fromTime(QTime(9, 30))),
        QVariant::fromValue(OleDate::fromTime(QTime(12, 0))));
    EXPECT_EQ(stored.endTime, QStringLiteral("12:00 pm"));
    EXPECT_EQ(stored.endDate, QStringLiteral("07/03/2026"));
    EXPECT_EQ(stored.additionalNotes, QStringLiteral("notes"));

    // Without a selection the times read as midnight.
    const SessionRequest none = SessionRequest::fromSelection(day, 0, QVariant(), QVariant(), QVariant(), QVariant());
    EXPECT_EQ(none.startTime, QStringLiteral("12:00 am"));
    EXPECT_EQ(none.endDate, QStringLiteral("08/03/2026"));
    EXPECT_TRUE(SessionRequest::endsAtMidnight(QStringLiteral("00:00:00")));
    EXPECT_FALSE(SessionRequest::endsAtMidnight(QStringLiteral("12:00 pm")));
}

// --- Opening without counsellors, without a database, on a data-link file ---------------------

TEST(MainWindowStart, WithoutCounsellorsTheWindowSaysSoOnceAndStillOpens)
{
    OlvarTest::TempFolder folder;
    Sessara::PracticeDatabase(folder.filePath(QStringLiteral("DIV97.mdb"))).create();
    basGeneral::resetState();
    MsgBox::setApplicationTitle(basGeneral::applicationTitle());
    const auto window = openMainWindow(folder.path());
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    const MessageBoxRequest box = OlvarTest::messageBoxes().last();
    EXPECT_EQ(box.prompt,
              QStringLiteral("Please make sure that at a minimum one Counselor is entered in your "
                             "Counserllor records using the "));
    EXPECT_EQ(box.buttons, MsgBox::OkOnly);
    EXPECT_EQ(box.title, QStringLiteral("Sessara"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ZOVudeZozo1()->resource(), 0);
    EXPECT_EQ(basGeneral::lngCounsellerID, 0);
    EXPECT_TRUE(window->lbrBooking()->itemKeys(QStringLiteral("Calendars")).isEmpty());
    EXPECT_EQ(window->lbrBooking()->itemKeys(QStringLiteral("Maintenace")).size(), 5);
    EXPECT_EQ(window->ZOVudeZozo1()->activeDate(), OleDate::fromDate(QDate(2026, 3, 4)));
    basGeneral::resetState();
}

TEST(MainWindowStart, WithoutADatabaseTheBoxesStayEmptyAndNothingIsSaid)
{
    OlvarTest::TempFolder folder;
    basGeneral::resetState();
    const auto window = openMainWindow(folder.path());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(window->cboClient()->count(), 1); // the placeholder alone
    EXPECT_EQ(window->cboCounseller()->count(), 0);
    EXPECT_TRUE(window->lbrBooking()->itemKeys(QStringLiteral("Calendars")).isEmpty());
    EXPECT_EQ(window->lblCounseller()->text(), QString());
    EXPECT_EQ(basGeneral::strConnectionString, jetString(folder.path()));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("DIV97.mdb")))); // and none is made
    // Choosing the placeholder ranks nobody, and says nothing either.
    window->cboClient()->setListIndex(0);
    EXPECT_EQ(basGeneral::lngClientID, -1);
    EXPECT_EQ(window->cboCounseller()->count(), 0);
    window->PeriodicUpdateDisplay_Timer();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    basGeneral::resetState();
}

TEST(MainWindowStart, ADataLinkFileBesideTheProgramPointsTheWindowElsewhere)
{
    OlvarTest::TempFolder program;
    OlvarTest::TempFolder elsewhere;
    Sessara::PracticeDatabase practice(elsewhere.filePath(QStringLiteral("practice.db")));
    practice.create();
    practice.fillSample(QDate(2026, 3, 4));
    // The program's own database has no counsellors; the data link wins over it.
    Sessara::PracticeDatabase(program.filePath(QStringLiteral("DIV97.mdb"))).create();
    const QString linked = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
        + elsewhere.filePath(QStringLiteral("practice.db")) + QStringLiteral(";Persist Security Info=False");
    QFile link(program.filePath(QStringLiteral("MentaraData.udl")));
    ASSERT_TRUE(link.open(QIODevice::WriteOnly));
    link.write((QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n") + linked
                + QStringLiteral("\r\n"))
                   .toUtf8());
    link.close();

    basGeneral::resetState();
    const auto window = openMainWindow(program.path());
    EXPECT_EQ(basGeneral::strConnectionString, linked);
    EXPECT_EQ(window->ZOVudeZozo1()->connectionString(), linked);
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(window->lbrBooking()->itemKeys(QStringLiteral("Calendars")).size(), 5);
    EXPECT_EQ(window->cboClient()->count(), 21);
    EXPECT_EQ(window->lblCounseller()->text(), QStringLiteral("Aroha Ngata"));
    basGeneral::resetState();
}

TEST(MainWindowStart, APracticeFileFromAnOlderSessaraGainsTheCaseTypesAndSeriesWithItsDataIntact)
{
    OlvarTest::TempFolder folder;
    const QString file = folder.filePath(QStringLiteral("DIV97.mdb"));
    Sessara::PracticeDatabase practice(file);
    practice.create();
    practice.fillSample(QDate(2026, 3, 4));
    const QString connectionString = QStringLiteral("Provider=SQLite;Data Source=") + file;
    const auto count = [&](const char *table) {
        DataAccess::Connection connection(connectionString);
        connection.Open();
        return connection.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table))
            .Fields(0)
            .Value()
            .toInt();
    };
    {
        // As an older Sessara wrote it: no case types, no series of sessions.
        DataAccess::Connection connection(connectionString);
        connection.Open();
        connection.Execute(QStringLiteral("INSERT INTO tblClientCase (ClientID, Description) VALUES (1, 'Grief')"));
        connection.Execute(QStringLiteral("DROP TABLE tblCaseType"));
        connection.Execute(QStringLiteral("ALTER TABLE tblClientCase DROP COLUMN CaseTypeID"));
        connection.Execute(QStringLiteral("DROP TABLE tblSessionSeries"));
    }
    const int cases = count("tblClientCase");
    const int sessions = count("tblSession");
    const int links = count("tblCounsellerSessionLink");

    basGeneral::resetState();
    const auto window = openMainWindow(folder.path());
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 0);
    EXPECT_EQ(count("tblCaseType"), 0);
    EXPECT_EQ(count("tblClientCase"), cases);
    EXPECT_EQ(count("tblSession"), sessions);
    EXPECT_EQ(count("tblCounsellerSessionLink"), links);
    EXPECT_EQ(count("tblSessionSeries"), 0);
    DataAccess::Connection connection(connectionString);
    connection.Open();
    // The added series table keeps a position of a series for one session only.
    connection.Execute(QStringLiteral("INSERT INTO tblSessionSeries (SessionID, SeriesID, Position) VALUES (1, 1, 1)"));
    EXPECT_THROW(connection.Execute(QStringLiteral("INSERT INTO tblSessionSeries (SessionID, SeriesID, Position) "
                                                   "VALUES (2, 1, 1)")),
                 OleError);
    EXPECT_TRUE(connection.Execute(QStringLiteral("SELECT CaseTypeID FROM tblClientCase WHERE Description = 'Grief'"))
                    .Fields(0)
                    .Value()
                    .isNull());
    // A current file is left as it is.
    EXPECT_EQ(Sessara::PracticeUpgrade::apply(connectionString), 0);
    basGeneral::resetState();
}
