// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendar.h"
#include "datetext.h"
#include "gdisurface.h"
#include "hourlettesthelpers.h"
#include "surfacetesthelpers.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using namespace OlvarTest::Colours;

namespace {

constexpr OleColor Magenta = OleColor::fromOle(0xFF00FF);

/* A shown, focused day view on testDay() at 07:00 that selects with the keyboard. */
class HourletKeyboard : public testing::Test
{
protected:
    void SetUp() override
    {
        hourlet = shownHourlet();
        hourlet->setHighLightColor(Magenta);
        hourlet->setVScrollValue(224);
        hourlet->setKeyboardSelection(true);
        hourlet->activateWindow();
        hourlet->setFocus();
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(hourlet.get(), key, modifiers);
    }

    OleColor pixel(int x, int y) const { return hourlet->drawingSurface().GetPixel(x, y); }

    std::unique_ptr<Hourlet> hourlet;
};

} // namespace

TEST_F(HourletKeyboard, ArrowsMoveAndShiftExtendsTheSelectionWhichIsAlwaysDrawn)
{
    QSignalSpy keyDowns(hourlet.get(), &Hourlet::KeyDown);
    key(Qt::Key_Down); // nothing selected yet: the working day's first slot
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 9)));
    key(Qt::Key_Down);
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 9, 30)));
    EXPECT_EQ(hourlet->endTime(), DateText::general(at(testDay(), 10)));
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 9, 30)));
    EXPECT_EQ(hourlet->endTime(), DateText::general(at(testDay(), 11)));
    EXPECT_EQ(hourlet->sessionId(), -1);
    EXPECT_FALSE(hourlet->selectionHighlight());
    EXPECT_EQ(pixel(400, 59 + 16 * 20 - 224 + 8), Magenta); // 10:00, drawn without SelectionHighlight
    key(Qt::Key_Up);
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 10)));
    EXPECT_EQ(hourlet->endTime(), DateText::general(at(testDay(), 10, 30)));
    EXPECT_EQ(keyDowns.count(), 7); // the key events still come for every key, Shift included
}

TEST_F(HourletKeyboard, HomeEndAndPagesFollowTheWorkingDayAndTheScrollBar)
{
    hourlet->setWorkDayEnd(timeOfDay(21));
    key(Qt::Key_End);
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 20, 30)));
    EXPECT_GE(hourlet->vScrollValue() + hourlet->height(), 59 + 16 * 42) << "20:30 is scrolled into view";
    EXPECT_EQ(hourlet->vScrollValue() % 16, 0);
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(hourlet->startTime(), DateText::general(at(testDay(), 9)));
    EXPECT_EQ(hourlet->endTime(), DateText::general(at(testDay(), 21)));
    EXPECT_LE(hourlet->vScrollValue(), 16 * 18);

    hourlet->setVScrollValue(0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(hourlet->vScrollValue(), 16 * 21); // (400 - 59) / 16 slots a page
    key(Qt::Key_PageUp);
    key(Qt::Key_PageUp);
    EXPECT_EQ(hourlet->vScrollValue(), 0);

    QSignalSpy doubleClicks(hourlet.get(), &Hourlet::DblClick);
    key(Qt::Key_Return);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(HourletKeyboard, OffByDefaultTheKeysOnlyRaiseEvents)
{
    hourlet->setKeyboardSelection(false);
    QSignalSpy keyDowns(hourlet.get(), &Hourlet::KeyDown);
    QSignalSpy doubleClicks(hourlet.get(), &Hourlet::DblClick);
    const int scroll = hourlet->vScrollValue();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Return})
        key(k);
    EXPECT_EQ(keyDowns.count(), 4);
    EXPECT_EQ(doubleClicks.count(), 0);
    EXPECT_EQ(hourlet->vScrollValue(), scroll);
    EXPECT_EQ(hourlet->sessionId(), 0);
    EXPECT_TRUE(pixelsOf(hourlet->drawingSurface(), Magenta).isEmpty());
}

TEST(HourletAccessibility, TheViewListsItsAppointmentsByTimeSubjectAndRoom)
{
    auto hourlet = shownHourlet();
    SessionDatabase database;
    database.addSession(OleDate::fromDate(testDay()), at(testDay(), 10), at(testDay(), 11),
                        QStringLiteral("Adult Counselling"));
    hourlet->setConnectionString(database.connectionString());
    hourlet->setResource(12);
    hourlet->setVScrollValue(224);
    hourlet->SetAppointment(OleDate::fromDate(testDay()), at(testDay(), 10), at(testDay(), 11),
                            QStringLiteral("Adult Counselling"), QString(), 1, QStringLiteral("Room 1"), 1);

    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(hourlet.get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->role(), QAccessible::List);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("Saturday March 07, 2026"));
    ASSERT_GE(view->childCount(), 1);
    QAccessibleInterface *item = view->child(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("10:00 am to 11:00 am, Adult Counselling (Room 1)"));
    EXPECT_EQ(item->parent(), view);
    EXPECT_EQ(view->indexOfChild(item), 0);
    const QRect box = item->rect();
    EXPECT_EQ(box.topLeft(), hourlet->mapToGlobal(QPoint(11, 379 - 224)));
    EXPECT_EQ(box.height(), 33);
    EXPECT_EQ(view->childAt(box.center().x(), box.center().y()), item);
    EXPECT_FALSE(item->state().selected);

    // The selected appointment is focused; a selection of free slots is an item of its own.
    hourlet->activateWindow();
    hourlet->setFocus();
    const QPoint inside = hourlet->mapFromGlobal(box.center());
    QTest::mouseClick(hourlet.get(), Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_TRUE(item->state().selected);
    EXPECT_TRUE(item->state().focused);
    EXPECT_EQ(view->focusChild(), item);
    QTest::mouseClick(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 59 + 16 * 26 - 224 + 4));
    EXPECT_FALSE(item->state().selected);
    QAccessibleInterface *slots_ = view->child(1);
    ASSERT_NE(slots_, nullptr);
    EXPECT_EQ(slots_->text(QAccessible::Name), QStringLiteral("1:00 pm to 1:30 pm"));
    EXPECT_TRUE(slots_->state().focused);
}

TEST(CalendarAccessibility, TheArrowsAndTheDropButtonHaveNames)
{
    Calendar calendar;
    calendar.InitProperties();
    calendar.show();
    QStringList names;
    for (QToolButton *button : calendar.findChildren<QToolButton *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(face, nullptr);
        names << face->text(QAccessible::Name);
    }
    names.sort();
    EXPECT_EQ(
        names,
        (QStringList{QStringLiteral("Choose a date"), QStringLiteral("Next day"), QStringLiteral("Previous day")}));
}
