// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlistmodel.h"
#include "datetestsupport.h"
#include "hourlettesthelpers.h"
#include "propertybag.h"
#include "weekviewtesthelpers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using DateTestSupport::errorNumberOf;

TEST(WeekViewAdditions, EachIsHandedToEveryColumnNotifiedOnceAndRefusedWhole)
{
    auto view = shownWeekView();
    QSignalSpy notices(view.get(), &ControlBase::PropertyChanged);
    QSignalSpy overlap(view.get(), &WeekView::OverlapLayoutChanged);
    view->setOverlapLayout(true);
    view->setOverlapLayout(true);
    view->setShowNowLine(true);
    view->setNowLineColor(OleColor::fromOle(0x00FF00));
    view->setWorkDayEnd(timeOfDay(19));
    view->setWorkDayStart(timeOfDay(7, 30));
    EXPECT_EQ(overlap.count(), 1);
    EXPECT_EQ(notices.count(), 5);
    for (int i = 0; i < 7; ++i) {
        const Hourlet *column = view->column(i);
        EXPECT_TRUE(column->overlapLayout());
        EXPECT_TRUE(column->showNowLine());
        EXPECT_EQ(column->nowLineColor(), OleColor(0x00FF00));
        EXPECT_EQ(column->workDayStart(), timeOfDay(7, 30));
        EXPECT_EQ(column->workDayEnd(), timeOfDay(19));
    }
    EXPECT_EQ(errorNumberOf([&] { view->setWorkDayStart(timeOfDay(20)); }), 380);
    EXPECT_EQ(view->workDayStart(), timeOfDay(7, 30));
    EXPECT_EQ(view->column(3)->workDayStart(), timeOfDay(7, 30));
}

TEST(WeekViewAdditions, SavedAfterTheOtherKeysOnlyWhenSetAndHandedToTheColumnsOnLoading)
{
    auto view = shownWeekView();
    view->InitProperties();
    PropertyBag plain;
    view->WriteProperties(plain);
    for (const char *key : {"WorkDayStart", "WorkDayEnd", "ShowNowLine", "NowLineColor", "OverlapLayout"})
        EXPECT_FALSE(plain.contains(QString::fromLatin1(key))) << key;

    view->setWorkDayEnd(timeOfDay(20));
    view->setWorkDayStart(timeOfDay(18));
    view->setOverlapLayout(true);
    PropertyBag bag;
    view->WriteProperties(bag);
    const QStringList keys = bag.keys();
    EXPECT_EQ(
        keys.mid(keys.indexOf(QStringLiteral("HighLightColor")) + 1),
        (QStringList{QStringLiteral("WorkDayStart"), QStringLiteral("WorkDayEnd"), QStringLiteral("OverlapLayout")}));

    WeekView restored;
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.workDayStart(), timeOfDay(18));
    EXPECT_TRUE(restored.overlapLayout());
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(restored.column(i)->workDayStart(), timeOfDay(18)); // moved past the old end: end set first
        EXPECT_EQ(restored.column(i)->workDayEnd(), timeOfDay(20));
        EXPECT_TRUE(restored.column(i)->overlapLayout());
        EXPECT_FALSE(restored.column(i)->showNowLine());
    }
}

TEST(WeekViewAdditions, TheModelIsEveryColumnsSourceUntilUnset)
{
    auto view = shownWeekView();
    Olvar::AppointmentListModel model;
    const QDate wednesday(2026, 3, 11);
    model.addAppointment(QDateTime(wednesday, QTime(10, 0)), QDateTime(wednesday, QTime(11, 0)),
                         QStringLiteral("Wednesday"), 1);
    view->setResource(1);
    view->setActiveDate(OleDate::fromDate(wednesday));
    view->setModel(&model);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(view->column(i)->model(), &model);
    EXPECT_EQ(view->column(4)->itemCount(), 0); // Wednesday: one appointment, upper bound 0
    model.addAppointment(QDateTime(wednesday, QTime(12, 0)), QDateTime(wednesday, QTime(13, 0)),
                         QStringLiteral("Later"), 1);
    EXPECT_EQ(view->column(4)->itemCount(), 1);
    EXPECT_EQ(view->column(3)->itemCount(), 0);
    view->setModel(nullptr);
    EXPECT_EQ(view->model(), nullptr);
    EXPECT_EQ(view->column(6)->model(), nullptr);
}

TEST(WeekViewAdditions, KeyboardSelectionReachesEveryColumnAndIsSaved)
{
    auto view = shownWeekView();
    view->setKeyboardSelection(true);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(view->column(i)->keyboardSelection());
    PropertyBag bag;
    view->WriteProperties(bag);
    EXPECT_EQ(bag.keys().last(), QStringLiteral("KeyboardSelection"));
    WeekView restored;
    restored.ReadProperties(bag);
    EXPECT_TRUE(restored.column(2)->keyboardSelection());
}

TEST(WeekViewAdditions, EachWeekOperationReadsTheDatabaseAsItIsThen)
{
    SessionDatabase database;
    const QDate wednesday(2026, 3, 11);
    auto view = shownWeekView();
    view->setConnectionString(database.connectionString());
    view->setResource(12);
    view->setActiveDate(OleDate::fromDate(wednesday));
    EXPECT_EQ(view->column(4)->itemCount(), 0);

    database.addSession(OleDate::fromDate(wednesday), at(wednesday, 9), at(wednesday, 10), QStringLiteral("One"));
    database.addSession(OleDate::fromDate(wednesday), at(wednesday, 11), at(wednesday, 12), QStringLiteral("Two"));
    view->column(0)->setVScrollValue(32); // a scroll step reloads every column
    EXPECT_EQ(view->column(4)->itemCount(), 1);

    database.addSession(OleDate::fromDate(wednesday.addDays(1)), at(wednesday.addDays(1), 9),
                        at(wednesday.addDays(1), 10), QStringLiteral("Thursday"));
    database.addSession(OleDate::fromDate(wednesday.addDays(1)), at(wednesday.addDays(1), 11),
                        at(wednesday.addDays(1), 12), QStringLiteral("Thursday too"));
    view->UpdateDisplay();
    EXPECT_EQ(view->column(3)->itemCount(), 1);
    database.execute(QStringLiteral("DELETE FROM tblSession"));
    view->setActiveDate(OleDate::fromDate(wednesday.addDays(1)));
    EXPECT_EQ(view->column(3)->itemCount(), 0);
}
