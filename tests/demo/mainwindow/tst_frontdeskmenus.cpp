// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The rest of the front desk: a client's cases and linking a session to one,
// "Add Booking", the View menu, "About" and the tip shown at start.

#include "basgeneral.h"
#include "demosettings.h"
#include "freeslot.h"
#include "frmcases.h"
#include "frmsession.h"
#include "frmsessionlist.h"
#include "hourlet.h"
#include "mainwindowtesthelpers.h"
#include "msgbox.h"
#include "multicolumncombo.h"
#include "sessarafixture.h"
#include "sessiontime.h"
#include "startuptips.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmCases;
using namespace SessaraTest;

namespace {

const QDate saturday(2026, 3, 7);

class FrontDeskMenus : public SessaraFixture
{
protected:
    void SetUp() override
    {
        Sessara::DemoSettings::setFileName(folder.filePath(QStringLiteral("Sessara.ini")));
        window = openMainWindow(folder.path());
    }
    QAction *menu(const char *name) { return window->menuBar()->findChild<QAction *>(QLatin1String(name)); }
    QAction *tool(const char *key) { return window->tbToolBar()->findChild<QAction *>(QLatin1String(key)); }
    QList<Sessara::SessionRequest> recordRequests()
    {
        window->setSessionDialogOpener(
            [this](Sessara::frmDemo &, const Sessara::SessionRequest &request) { requests << request; });
        return requests;
    }

    std::unique_ptr<Sessara::frmDemo> window;
    QList<Sessara::SessionRequest> requests;
};

} // namespace

TEST_F(FrontDeskMenus, ACaseIsOpenedForTheChosenClientAndASessionLinkedToIt)
{
    // Without a client chosen there are no cases to show.
    tool("ViewCases")->trigger();
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Choose a client in the Client ID box first."));

    run(QStringLiteral("INSERT INTO tblCaseType (Description) VALUES ('Anxiety')"));
    ASSERT_TRUE(window->chooseClient(2));
    const int casesBefore = count(QStringLiteral("Select * from tblClientCase where ClientID=2"));
    int listed = -1;
    QTimer::singleShot(0, [&] {
        frmCases *cases = modal<frmCases>();
        if (!cases)
            return;
        listed = cases->lstCases()->topLevelItemCount();
        EXPECT_FALSE(cases->cmdLinkSession()->isEnabled()); // no session is open
        cases->cmdNewCase()->click(); // nothing typed
        QTest::keyClicks(cases->txtCaseDescription(), QStringLiteral("Sleep's trouble"));
        cases->cboCaseType()->setText(QStringLiteral("Anxiety"));
        cases->cmdNewCase()->click();
        cases->accept();
    });
    tool("ViewCases")->trigger();
    EXPECT_EQ(listed, casesBefore);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt, QStringLiteral("Enter a description of the case."));
    ASSERT_EQ(count(QStringLiteral("Select * from tblClientCase where ClientID=2")), casesBefore + 1);
    const int caseId =
        first(QStringLiteral("Select max(ClientCaseID) as Id from tblClientCase"), QStringLiteral("Id")).toInt();
    EXPECT_EQ(basGeneral::TextOf(
                  first(QStringLiteral("Select * from tblClientCase where ClientCaseID=") + QString::number(caseId),
                        QStringLiteral("Description"))),
              QStringLiteral("Sleep's trouble"));

    // A stored session of client 2 opens "Case Manager" and is linked to the new case.
    const int session = addSession(saturday, QTime(10, 0), QTime(11, 0), 1, 2);
    run(QStringLiteral("UPDATE tblSession SET BookedClientID = 2 WHERE SessionID = ") + QString::number(session));
    basGeneral::lngSessionID = session;
    Sessara::frmSession dialog;
    dialog.ensureLoaded();
    QTimer::singleShot(0, [&] {
        frmCases *cases = modal<frmCases>();
        if (!cases)
            return;
        for (int row = 0; row < cases->lstCases()->topLevelItemCount(); ++row) {
            if (cases->lstCases()->topLevelItem(row)->text(0) == QString::number(caseId))
                cases->lstCases()->setCurrentItem(cases->lstCases()->topLevelItem(row));
        }
        cases->cmdLinkSession()->click();
        cases->cmdLinkSession()->click(); // a second time: it is in the case already
        cases->accept();
    });
    qobject_cast<QPushButton *>(dialog.control(QStringLiteral("cmdCase")))->click();
    EXPECT_EQ(
        count(QStringLiteral("Select * from tblClientCaseSessionLink where SessionID=") + QString::number(session)), 1);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Session ") + QString::number(session) + QStringLiteral(" belongs to case ")
                  + QString::number(caseId) + QStringLiteral(" already."));
    EXPECT_EQ(dialog.control(QStringLiteral("lblSessionCase"))->property("text").toString(),
              QStringLiteral("Case Number: ") + QString::number(caseId) + QStringLiteral("     Session: 1/1"));
}

TEST_F(FrontDeskMenus, AddBookingBooksTheSelectedSlotOrTheNextFreeHalfHourOfToday)
{
    recordRequests();
    // Nothing selected: today, the first half hour from now (09:00) that counsellor 1 has free.
    tool("AddBooking")->trigger();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.first().sessionId, -1);
    EXPECT_EQ(requests.first().startDate, QStringLiteral("04/03/2026"));
    const QTime start = Sessara::SessionTime::timeOfDay(requests.first().startTime)->time();
    EXPECT_EQ(Sessara::SessionTime::timeOfDay(requests.first().endTime)->time(), start.addSecs(1800));
    EXPECT_GE(start, QTime(9, 0));
    const auto overlapping = [this](QTime from, QTime to) {
        return count(
            QStringLiteral("Select * from tblSession s join tblCounsellerSessionLink l on l.SessionID = s.SessionID "
                           "where l.CounsellerID = 1 and s.Cancelled = 0 and s.SessionDate = ")
            + QString::number(OleDate::fromDate(sampleDay()).value()) + QStringLiteral(" and s.StartTime < ")
            + QString::number(OleDate::fromTime(to).value(), 'g', 17) + QStringLiteral(" and s.EndTime > ")
            + QString::number(OleDate::fromTime(from).value(), 'g', 17));
    };
    EXPECT_EQ(overlapping(start, start.addSecs(1800)), 0);
    for (QTime earlier(9, 0); earlier < start; earlier = earlier.addSecs(1800))
        EXPECT_GT(overlapping(earlier, earlier.addSecs(1800)), 0) << earlier.toString().toStdString();

    // A slot selected in the day view: that slot, as a double-click gives it.
    window->mvwHourlet_DateClick(OleDate::fromDate(saturday));
    Hourlet *day = window->ZOVudeZozo1();
    QTest::mouseClick(day, Qt::LeftButton, Qt::NoModifier, QPoint(300, slotRow(28, day->vScrollValue())));
    window->tbToolBar_ButtonClick(QStringLiteral("AddBooking"));
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests.last().startTime, QStringLiteral("2:00 pm"));
    EXPECT_EQ(requests.last().startDate, QStringLiteral("07/03/2026"));
}

TEST(FreeSlotRule, TheNextFreeHalfHourIsRoundedUpAndKeepsToTheWorkingDay)
{
    using Sessara::FreeSlot;
    const QList<FreeSlot::Busy> busy{{QTime(9, 0), QTime(10, 0)}, {QTime(10, 30), QTime(11, 0)}};
    EXPECT_EQ(FreeSlot::nextFreeHalfHour(QTime(7, 10), busy), QTime(10, 0));
    EXPECT_EQ(FreeSlot::nextFreeHalfHour(QTime(10, 1), busy), QTime(11, 0));
    EXPECT_EQ(FreeSlot::nextFreeHalfHour(QTime(16, 30), busy), QTime(16, 30));
    EXPECT_EQ(FreeSlot::nextFreeHalfHour(QTime(16, 31), busy), std::nullopt);
    EXPECT_EQ(FreeSlot::nextFreeHalfHour(QTime(9, 0), {{QTime(9, 0), QTime(17, 0)}}), std::nullopt);
}

TEST_F(FrontDeskMenus, TheViewMenuSwitchesViewsAndShowsTheMonthsSessions)
{
    menu("mnuViewWeek")->trigger();
    EXPECT_TRUE(basGeneral::bolWeekView);
    menu("mnuViewDay")->trigger();
    EXPECT_FALSE(basGeneral::bolWeekView);
    EXPECT_TRUE(window->ZOVudeZozo1()->isVisible());

    QDate from, to;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        auto *list = modal<Sessara::frmSessionList>();
        if (!list)
            return;
        from = list->dtpFrom()->date();
        to = list->dtpTo()->date();
        rows = list->lstSessions()->topLevelItemCount();
        list->accept();
    });
    menu("mnuViewMonth")->trigger();
    EXPECT_EQ(from, QDate(2026, 3, 1));
    EXPECT_EQ(to, QDate(2026, 3, 31));
    // The sample's fortnight reaches back into February; only March's sessions are listed.
    EXPECT_EQ(rows,
              count(QStringLiteral("Select * from tblSession s join tblCounsellerSessionLink l on l.SessionID = "
                                   "s.SessionID where l.CounsellerID = 1 and s.SessionDate >= ")
                    + QString::number(OleDate::fromDate(QDate(2026, 3, 1)).value())));
    EXPECT_GT(rows, 0);
}

TEST_F(FrontDeskMenus, AboutNamesTheProgramAndTheLibraryWithTheirVersions)
{
    menu("mnuAbout")->trigger();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 1);
    const QString prompt = OlvarTest::messageBoxes().last().prompt;
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("Sessara 0.1.0"))) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QStringLiteral("Olvar scheduling controls 0.1.0")));
}

TEST_F(FrontDeskMenus, OneTipIsShownPerStartWhileTheOptionIsOn)
{
    QAction *option = menu("mnuViewShowTips");
    EXPECT_TRUE(option->isCheckable());
    EXPECT_TRUE(option->isChecked());
    window->showStartupTip();
    window->showStartupTip();
    ASSERT_EQ(OlvarTest::messageBoxes().count(), 2);
    EXPECT_EQ(OlvarTest::messageBoxes().requests().at(0).prompt, Sessara::StartupTips::all().at(0));
    EXPECT_EQ(OlvarTest::messageBoxes().requests().at(1).prompt, Sessara::StartupTips::all().at(1));
    EXPECT_EQ(Sessara::StartupTips::forStart(int(Sessara::StartupTips::all().size())),
              Sessara::StartupTips::all().at(0));

    // Turned off, it stays off at the next start.
    option->trigger();
    window.reset();
    window = openMainWindow(folder.path());
    EXPECT_FALSE(menu("mnuViewShowTips")->isChecked());
    window->showStartupTip();
    EXPECT_EQ(OlvarTest::messageBoxes().count(), 2);
}
