// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The main window at the front desk: it opens inside a small screen at the
// working day, remembers its place only where that still fits, and a session
// changed in the dialog shows as it now is in the view that is shown.

#include "basgeneral.h"
#include "demosettings.h"
#include "frmsession.h"
#include "gdisurface.h"
#include "hourlet.h"
#include "listbar.h"
#include "mainwindowtesthelpers.h"
#include "msgbox.h"
#include "screenareas.h"
#include "sessarafixture.h"
#include "vscrollbar.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace OlvarControls;
using Sessara::basGeneral;
using Sessara::frmDemo;
using namespace SessaraTest;

namespace {

const QDate saturday(2026, 3, 7);
// A 1366 x 768 screen less a 40-pixel task bar.
const QRect smallScreen(0, 0, 1366, 728);
constexpr int SevenOClock = 224;

/* The scroll value that puts 07:00 at the top of \a view, or as near as its scroll bar goes. */
int sevenOClockIn(const Hourlet *view)
{
    const auto *bar = view->findChild<VScrollBar *>(QStringLiteral("vScroll"));
    return bar ? qMin(SevenOClock, bar->max()) : SevenOClock;
}

class FrontDesk : public SessaraFixture
{
protected:
    FrontDesk() { Sessara::DemoSettings::setFileName(folder.filePath(QStringLiteral("Sessara.ini"))); }

    void open() { window = openMainWindow(folder.path()); }
    Hourlet *day() const { return window->ZOVudeZozo1(); }
    QList<Hourlet *> weekColumns() const
    {
        return window->WeekView1() ? window->WeekView1()->findChildren<Hourlet *>() : QList<Hourlet *>();
    }
    Hourlet *weekColumnOf(QDate date) const
    {
        for (Hourlet *column : weekColumns()) {
            if (column->activeDate() == OleDate::fromDate(date))
                return column;
        }
        return nullptr;
    }
    void trigger(const char *key) { window->tbToolBar()->findChild<QAction *>(QLatin1String(key))->trigger(); }

    std::unique_ptr<frmDemo> window;
};

} // namespace

TEST_F(FrontDesk, OnASmallScreenTheWindowOpensEntirelyVisibleAtSevenOClock)
{
    Sessara::ScreenAreas::setAreas(QList<QRect>{smallScreen});
    open();
    EXPECT_TRUE(smallScreen.contains(window->frameGeometry())) << window->frameGeometry().height();
    EXPECT_LE(window->height(), 728);
    // The layout follows the window: the copyright line and the foot of the navigation bar are inside it.
    QWidget *copyright = window->findChild<QWidget *>(QStringLiteral("lblCopyright"));
    const QRect copyrightOnScreen(copyright->mapToGlobal(QPoint(0, 0)), copyright->size());
    EXPECT_TRUE(window->geometry().contains(copyrightOnScreen));
    EXPECT_GT(copyright->height(), 0);
    const QWidget *bar = window->lbrBooking();
    EXPECT_LE(bar->mapTo(window.get(), QPoint(0, bar->height())).y(), window->height());
    // The day opens at the working day.
    EXPECT_EQ(day()->vScrollValue(), SevenOClock);
}

TEST_F(FrontDesk, OnALargeScreenTheWindowHasItsDesignSizeAndTheDayStartsAtSevenOClock)
{
    Sessara::ScreenAreas::setAreas(QList<QRect>{QRect(0, 0, 1920, 1040)});
    open();
    EXPECT_EQ(window->size(), frmDemo::designSize());
    // The day view is tall enough to show 07:00 to midnight: it scrolls as far down as it goes.
    EXPECT_EQ(day()->vScrollValue(), sevenOClockIn(day()));
    EXPECT_GT(day()->vScrollValue(), 0);
}

TEST_F(FrontDesk, ItsPlaceIsRememberedAndRestoredOnlyWhereItFits)
{
    Sessara::ScreenAreas::setAreas(QList<QRect>{QRect(0, 0, 1920, 1040)});
    open();
    window->setGeometry(QRect(300, 120, 1000, 700));
    window->close();
    window.reset();

    open();
    EXPECT_EQ(window->geometry(), QRect(300, 120, 1000, 700));
    window->close();
    window.reset();

    // The big screen has gone: the remembered place would hang off the small one.
    Sessara::ScreenAreas::setAreas(QList<QRect>{smallScreen});
    open();
    EXPECT_TRUE(smallScreen.contains(window->frameGeometry()));
    EXPECT_NE(window->geometry(), QRect(300, 120, 1000, 700));
}

TEST(WindowPlacementRule, ARememberedPlaceNeedsOneScreenThatHoldsItWithItsFrame)
{
    using Sessara::WindowPlacement;
    const QList<QRect> twoScreens{QRect(0, 0, 1366, 728), QRect(1366, 0, 1920, 1040)};
    const QMargins frame = WindowPlacement::assumedFrame();
    // On the second screen: kept.
    EXPECT_EQ(WindowPlacement::place(QSize(1100, 780), QRect(1500, 100, 1100, 780), twoScreens),
              QRect(1500, 100, 1100, 780));
    // Across both screens, or partly off every screen: the design size on the primary screen instead.
    const QRect placed = WindowPlacement::place(QSize(1100, 780), QRect(1000, 100, 1100, 780), twoScreens);
    EXPECT_TRUE(twoScreens.first().contains(placed.marginsAdded(frame)));
    EXPECT_EQ(placed.width(), 1100);
    EXPECT_EQ(placed.height(), 728 - frame.top() - frame.bottom());
    // An empty or invalid place is never restored; without screens the design size stays.
    EXPECT_FALSE(WindowPlacement::fits(QRect(), twoScreens));
    EXPECT_EQ(WindowPlacement::place(QSize(1100, 780), std::nullopt, {}), QRect(0, 0, 1100, 780));
}

TEST_F(FrontDesk, EachSwitchBetweenDayAndWeekShowsSevenOClock)
{
    open();
    if (!window->WeekView1())
        GTEST_SKIP() << "the library offers no week view";
    day()->setVScrollValue(0);
    trigger("WeekView");
    QCoreApplication::processEvents();
    const QList<Hourlet *> columns = weekColumns();
    ASSERT_EQ(columns.size(), 7);
    for (Hourlet *column : columns)
        EXPECT_EQ(column->vScrollValue(), sevenOClockIn(column));
    columns.first()->setVScrollValue(0);
    trigger("Hourlet");
    EXPECT_EQ(day()->vScrollValue(), sevenOClockIn(day()));
    EXPECT_GT(day()->vScrollValue(), 0);
}

TEST_F(FrontDesk, ASessionCancelledInTheDialogLeavesTheWeekViewWhenTheDialogCloses)
{
    const int id = addSession(saturday, QTime(10, 0), QTime(11, 0), 1, 2);
    open();
    if (!window->WeekView1())
        GTEST_SKIP() << "the library offers no week view";
    window->mvwHourlet()->setSelectedDate(saturday);
    trigger("WeekView");
    QCoreApplication::processEvents();
    Hourlet *column = weekColumnOf(saturday);
    ASSERT_NE(column, nullptr);
    QMetaObject::invokeMethod(window->WeekView1(), "UpdateDisplay");
    // The session's bar runs down the left edge of its slot.
    const auto barShown = [column] {
        return column->drawingSurface().GetPixel(5, 395 - column->vScrollValue()) == column->appItemBarColor();
    };
    ASSERT_TRUE(barShown());

    bool cancelled = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<Sessara::frmSession *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdCancel")))->click();
        cancelled =
            dialog->control(QStringLiteral("cmdCancel"))->property("text").toString() == QStringLiteral("Uncancel");
        qobject_cast<QPushButton *>(dialog->control(QStringLiteral("cmdOk")))->click();
    });
    doubleClick(column, QPoint(column->width() / 2, slotRow(20, column->vScrollValue()) + 8));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(basGeneral::lngSessionID, id);
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(OlvarTest::messageBoxes().last().prompt,
              QStringLiteral("Session ") + QString::number(id) + QStringLiteral(" is cancelled."));
    EXPECT_FALSE(barShown());
}
