// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlfactory.h"
#include "hourlettesthelpers.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "weekviewtesthelpers.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

template <typename Call>
int errorNumberOf(Call &&call)
{
    try {
        call();
    } catch (const OleError &error) {
        return error.number();
    }
    return 0;
}

QList<bool> highlights(const WeekView &view)
{
    QList<bool> flags;
    for (int index = 0; index < 7; ++index)
        flags << view.column(index)->selectionHighlight();
    return flags;
}

void click(WeekView &view, int index, int y = 150)
{
    QTest::mouseClick(view.column(index), Qt::LeftButton, Qt::NoModifier, insideColumn(view, index, y));
}

} // namespace

TEST(WeekViewColumns, CreatedByTypeNameWithSevenConfiguredColumns)
{
    std::unique_ptr<ControlBase> control(ControlFactory::create(QStringLiteral("OlvarControls.WeekView")));
    auto *view = qobject_cast<WeekView *>(control.get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->typeName(), QStringLiteral("OlvarControls.WeekView"));
    const QList<Hourlet *> children =
        view->findChildren<Hourlet *>(QStringLiteral("Hourlet"), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 7);
    EXPECT_EQ(view->column(7), nullptr);
    EXPECT_EQ(view->column(-1), nullptr);
    for (int index = 0; index < 7; ++index) {
        Hourlet *column = view->column(index);
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->property("Index").toInt(), index);
        EXPECT_EQ(column->showVscroll(), index == 0) << index;
        EXPECT_EQ(column->showTimeScale(), index == 6) << index;
        EXPECT_EQ(column->dateFormat(), QStringLiteral("ddd, dd mmm"));
        EXPECT_EQ(column->borderStyle(), 0);
        EXPECT_EQ(column->controlFont().family(), view->controlFont().family()) << index;
        EXPECT_DOUBLE_EQ(column->appItemFont().pointSizeF(), 8.25);
        EXPECT_EQ(column->appItemFont().family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(column->selectionHighlight(), index != 3) << index;
    }
    EXPECT_TRUE(view->showVscroll());
    EXPECT_TRUE(view->showTimeScale());
    EXPECT_EQ(view->activeControl(), nullptr);
}

TEST(WeekViewColumns, LaysTheColumnsOutOnEveryResize)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    // 12000 twips: c = (12000 - 1080) / 7 = 1560 twips, 104 pixels.
    const int widths[7] = {120, 104, 104, 104, 104, 104, 160};
    const int lefts[7] = {680, 576, 472, 368, 264, 160, 0};
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(view->column(index)->geometry(), QRect(lefts[index], 0, widths[index], 400)) << index;
    }

    // Without the time scale column 6 keeps its extra width until the next resize.
    view->setShowTimeScale(false);
    EXPECT_FALSE(view->column(6)->showTimeScale());
    EXPECT_EQ(view->column(6)->width(), 160);
    view->resize(800, 300);
    EXPECT_EQ(view->column(6)->width(), 112); // 1680 twips: c grew by 120
    EXPECT_EQ(view->column(1)->width(), 112);
    EXPECT_EQ(view->column(0)->geometry(), QRect(672, 0, 128, 300));

    // Too narrow to share: the widths stay, heights and left edges follow.
    view->setShowTimeScale(true);
    view->resize(60, 200); // 900 twips: c = -26
    EXPECT_EQ(view->column(1)->width(), 112);
    EXPECT_EQ(view->column(6)->geometry(), QRect(0, 0, 112, 200));
    EXPECT_EQ(view->column(5)->x(), 54); // 840 - 26 = 814 twips
    EXPECT_EQ(view->column(0)->x(), 46); // 840 - 156 = 684 twips
}

TEST(WeekViewColumns, ActiveDateShowsMondayToSundayAndEachColumnReadsItsDay)
{
    SessionDatabase database;
    // Two sessions a day: ItemCount, the list's highest index, is then 1.
    for (int hour : {10, 12}) {
        database.addSession(OleDate::fromDate(QDate(2026, 3, 10)), timeOfDay(hour), timeOfDay(hour + 1),
                            QStringLiteral("Tuesday"));
        database.addSession(OleDate::fromDate(QDate(2026, 3, 15)), timeOfDay(hour), timeOfDay(hour + 1),
                            QStringLiteral("Sunday"));
    }
    database.addSession(OleDate::fromDate(QDate(2026, 3, 16)), timeOfDay(9), timeOfDay(10), QStringLiteral("Next"));
    std::unique_ptr<WeekView> view = shownWeekView();
    QSignalSpy notices(view.get(), &ControlBase::PropertyChanged);
    view->setConnectionString(database.connectionString());
    EXPECT_EQ(view->column(3)->connectionString(), database.connectionString());
    view->setResource(12);
    EXPECT_EQ(view->column(4)->resource(), 12);
    const OleDate wednesday = at(QDate(2026, 3, 11), 8, 15);
    view->setActiveDate(wednesday);

    EXPECT_EQ(view->activeDate(), wednesday);
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view->column(index)->activeDate(), at(QDate(2026, 3, 15).addDays(-index), 8, 15)) << index;
    EXPECT_EQ(view->column(5)->itemCount(), 1); // Tuesday
    EXPECT_EQ(view->column(0)->itemCount(), 1); // Sunday
    EXPECT_EQ(view->column(3)->itemCount(), 0);
    ASSERT_GE(notices.count(), 2);
    EXPECT_TRUE(notices.contains(QVariantList{QStringLiteral("Resource")}));
    EXPECT_TRUE(notices.contains(QVariantList{QStringLiteral("ActiveDate")}));
}

TEST(WeekViewColumns, ColumnZeroLeadsTheScrollPosition)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    view->column(0)->setVScrollValue(96);
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view->column(index)->vScrollValue(), 96) << index;

    // Another column moving on its own is put back to column 0's position.
    view->column(3)->setVScrollValue(32);
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view->column(index)->vScrollValue(), 96) << index;
    EXPECT_EQ(view->vScrollValue(), 0); // the stored value is not the columns'
}

TEST(WeekViewData, WithoutAnActiveColumnTheAppointmentCallsFailWithError91)
{
    // Not shown, so no column has had the focus.
    auto view = std::make_unique<WeekView>();
    view->InitProperties();
    view->resize(800, 400);
    ASSERT_EQ(view->activeControl(), nullptr);
    const OleDate day = OleDate::fromDate(QDate(2026, 3, 13));
    EXPECT_EQ(errorNumberOf([&] {
                  view->SetAppointment(day, timeOfDay(10), timeOfDay(11), QStringLiteral("x"), QString(), 1, QString());
              }),
              ErrorNumber::ObjectNotSet);
    EXPECT_EQ(errorNumberOf([&] { view->DeleteAppointment(1); }), ErrorNumber::ObjectNotSet);
    EXPECT_EQ(errorNumberOf([&] { view->GetSelectedAppt(Hourlet::ad0_ApptID); }), ErrorNumber::ObjectNotSet);
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view->column(index)->itemCount(), 0);

    // A shown week view gives the focus to a column, which makes it active.
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    EXPECT_NE(view->activeControl(), nullptr);
}

TEST(WeekViewData, AppointmentsGoToTheActiveColumnWhateverTheirDate)
{
    SessionDatabase database;
    std::unique_ptr<WeekView> view = shownWeekView();
    view->setConnectionString(database.connectionString());
    view->setResource(12);
    view->setActiveDate(OleDate::fromDate(QDate(2026, 3, 11)));

    click(*view, 5); // Tuesday, a free slot
    ASSERT_EQ(view->activeControl(), view->column(5));
    EXPECT_EQ(view->GetSelectedAppt(Hourlet::ad0_ApptID), QVariant(-1));
    EXPECT_EQ(view->GetSelectedAppt(int(Hourlet::ad1_ApptDate)).value<OleDate>(),
              OleDate::fromDate(QDate(2026, 3, 10)));

    const OleDate friday = OleDate::fromDate(QDate(2026, 3, 13));
    const qint32 id = view->SetAppointment(friday, timeOfDay(10), timeOfDay(11), QStringLiteral("Booked"),
                                           QStringLiteral("detail"), 1, QStringLiteral("Room 1"));
    EXPECT_GT(id, 0);
    // Stored on the active column's day, which reread its day afterwards.
    EXPECT_EQ(NumberConversion::toDate(
                  database.scalar(QStringLiteral("SELECT SessionDate FROM tblSession WHERE SessionID = %1").arg(id))),
              OleDate::fromDate(QDate(2026, 3, 10)));
    EXPECT_EQ(view->column(2)->itemCount(), 0);

    database.execute(
        QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, 12)").arg(id));
    database.addSession(OleDate::fromDate(QDate(2026, 3, 10)), timeOfDay(14), timeOfDay(15), QStringLiteral("Other"));
    view->column(5)->UpdateDisplay();
    EXPECT_EQ(view->column(5)->itemCount(), 1); // two sessions
    EXPECT_EQ(view->DeleteAppointment(id), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("SELECT COUNT(*) FROM tblSession")).toInt(), 1);
    EXPECT_EQ(view->column(5)->itemCount(), 0); // read again after the delete
}

TEST(WeekViewData, TheFocusMakesAColumnActive)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    view->column(2)->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(view->activeControl(), view->column(2));
    view->column(4)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(view->activeControl(), view->column(4));
    view->column(4)->clearFocus(); // the last column to have had the focus stays active
    EXPECT_EQ(view->activeControl(), view->column(4));
}

TEST(WeekViewEvents, AClickWithSelectionHighlightLeavesOnlyTheClickedColumnHighlighting)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    QStringList events;
    QObject::connect(view.get(), &WeekView::Click, view.get(), [&] {
        events << QStringLiteral("Click");
        EXPECT_EQ(view->activeControl(), view->column(2));
    });
    QObject::connect(view.get(), &ControlBase::PropertyChanged, view.get(),
                     [&](const QString &name) { events << name; });
    view->setSelectionHighlight(true);
    EXPECT_EQ(highlights(*view), QList<bool>(7, true));
    events.clear();

    click(*view, 2);
    EXPECT_EQ(highlights(*view), (QList<bool>{false, false, true, false, false, false, false}));
    EXPECT_EQ(events, (QStringList{QStringLiteral("ActiveControl"), QStringLiteral("Click")}));
}

TEST(WeekViewEvents, AClickWithoutSelectionHighlightLeavesTheColumnsAsTheyAre)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    QSignalSpy clicks(view.get(), &WeekView::Click);
    // A new week view's flag is off while the columns keep their designed highlighting.
    click(*view, 2);
    EXPECT_EQ(highlights(*view), (QList<bool>{true, true, true, false, true, true, true}));
    view->setSelectionHighlight(false);
    view->column(3)->setSelectionHighlight(true);
    click(*view, 1);
    EXPECT_EQ(highlights(*view), (QList<bool>{false, false, false, true, false, false, false}));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(view->activeControl(), view->column(1));
}

TEST(WeekViewEvents, ADoubleClickIsRaisedAfterTheColumnReadItsDayAgain)
{
    SessionDatabase database;
    database.addSession(OleDate::fromDate(QDate(2026, 3, 11)), timeOfDay(14), timeOfDay(15), QStringLiteral("Early"));
    std::unique_ptr<WeekView> view = shownWeekView();
    view->setConnectionString(database.connectionString());
    view->setResource(12);
    view->setActiveDate(OleDate::fromDate(QDate(2026, 3, 11)));
    Hourlet *wednesday = view->column(4);
    int countSeen = -1;
    QObject *seen = nullptr;
    QObject::connect(view.get(), &WeekView::DblClick, view.get(), [&] {
        countSeen = wednesday->itemCount();
        seen = view->activeControl();
    });

    const QPoint where = insideColumn(*view, 4);
    QTest::mousePress(wednesday, Qt::LeftButton, Qt::NoModifier, where);
    QTest::mouseRelease(wednesday, Qt::LeftButton, Qt::NoModifier, where);
    QTest::mousePress(wednesday, Qt::LeftButton, Qt::NoModifier, where);
    // A session booked elsewhere between the presses: only a reread shows it.
    database.addSession(OleDate::fromDate(QDate(2026, 3, 11)), timeOfDay(15), timeOfDay(16), QStringLiteral("Late"));
    ASSERT_EQ(wednesday->itemCount(), 0);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, where, wednesday->mapToGlobal(where), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(wednesday, &doubleClick);
    QTest::mouseRelease(wednesday, Qt::LeftButton, Qt::NoModifier, where);

    EXPECT_EQ(countSeen, 1);
    EXPECT_EQ(seen, wednesday);
}

TEST(WeekViewEvents, KeyAndMouseEventsAreNeverRaised)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    view->setBorderStyle(1); // leaves a border of the week view's own to click on
    QSignalSpy keyDown(view.get(), &WeekView::KeyDown);
    QSignalSpy keyPress(view.get(), &WeekView::KeyPress);
    QSignalSpy keyUp(view.get(), &WeekView::KeyUp);
    QSignalSpy mouseDown(view.get(), &WeekView::MouseDown);
    QSignalSpy mouseMove(view.get(), &WeekView::MouseMove);
    QSignalSpy mouseUp(view.get(), &WeekView::MouseUp);
    QSignalSpy columnKeys(view->column(3), &Hourlet::KeyPress);

    click(*view, 3);
    QTest::mouseMove(view->column(3), insideColumn(*view, 3, 200));
    QTest::keyClick(view->column(3), Qt::Key_A);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
    QTest::keyClick(view.get(), Qt::Key_B);

    EXPECT_EQ(columnKeys.count(), 1); // the column heard the key
    for (const QSignalSpy *spy : {&keyDown, &keyPress, &keyUp, &mouseDown, &mouseMove, &mouseUp})
        EXPECT_EQ(spy->count(), 0);
}

TEST(WeekViewColumns, AWeekThatLeavesTheDateRangeIsRefusedAndChangesNothing)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    const OleDate wednesday = at(QDate(2026, 3, 11), 8, 15);
    view->setActiveDate(wednesday);
    QList<OleDate> columns;
    for (int index = 0; index < 7; ++index)
        columns << view->column(index)->activeDate();

    // 1 January 100 is a Friday and 31 December 9999 a Friday: their weeks leave the range.
    ASSERT_EQ(QDate(100, 1, 1).dayOfWeek(), 5);
    ASSERT_EQ(QDate(9999, 12, 31).dayOfWeek(), 5);
    for (const OleDate &edge :
         {OleDate::fromDate(QDate(100, 1, 1)), OleDate::fromDate(QDate(100, 1, 3)),
          OleDate::fromDate(QDate(9999, 12, 31)), OleDate::fromDate(QDate(9999, 12, 27)), OleDate(1e308)}) {
        EXPECT_EQ(errorNumberOf([&] { view->setActiveDate(edge); }), 380) << edge.value();
        EXPECT_EQ(view->activeDate(), wednesday);
        for (int index = 0; index < 7; ++index)
            EXPECT_EQ(view->column(index)->activeDate(), columns[index]) << index;
    }
    // The first and last whole weeks are shown.
    view->setActiveDate(OleDate::fromDate(QDate(100, 1, 4)));
    EXPECT_EQ(view->column(6)->activeDate(), OleDate::fromDate(QDate(100, 1, 4)));
    view->setActiveDate(OleDate::fromDate(QDate(9999, 12, 26)));
    EXPECT_EQ(view->column(0)->activeDate(), OleDate::fromDate(QDate(9999, 12, 26)));
    EXPECT_EQ(messageBoxes().count(), 0);
}
