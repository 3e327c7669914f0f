// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendartesthelpers.h"

#include "monthgrid.h"
#include "popupgeometry.h"
#include "twips.h"

#include <QComboBox>
#include <QPushButton>

using namespace OlvarControls;
using CalendarTest::child;
using CalendarTest::dateOf;
using CalendarTest::dayCell;
using OlvarTest::virtualScheduler;

namespace {

QDate today()
{
    return OlvarTest::defaultTestNow().date(); // Wednesday 4 March 2026
}

/* The popup as a date entry opens it, shown without its modal loop. */
class MonthPopup : public CalendarTest::CalendarTestBase
{
protected:
    CalendarSharedState &shared() { return CalendarSharedState::instance(); }

    frmCalendar &open(const QVariant &selected = QVariant())
    {
        shared().selectedDate = selected;
        popup = std::make_unique<frmCalendar>();
        popup->show();
        return *popup;
    }

    QString initials() const
    {
        QString result;
        for (int column = 0; column < 7; ++column)
            result += child<QLabel>(popup.get(), QStringLiteral("LblWeekNameDay%1").arg(column))->text();
        return result;
    }

    QList<int> redCells() const
    {
        QList<int> result;
        for (int index = 0; index < 42; ++index) {
            if (popup->dateLabel(index)->palette().color(QPalette::WindowText) == QColor(255, 0, 0))
                result << index;
        }
        return result;
    }

    QList<int> boldCells() const
    {
        QList<int> result;
        for (int index = 0; index < 42; ++index) {
            if (popup->dateLabel(index)->isVisibleTo(popup.get()) && popup->dateLabel(index)->font().bold())
                result << index;
        }
        return result;
    }

    QString caption() const { return child<QLabel>(popup.get(), QStringLiteral("MonthYearLabel"))->text(); }
    QString listTexts() const
    {
        return child<QComboBox>(popup.get(), QStringLiteral("MonthList"))->currentText() + QLatin1Char('/')
            + child<QComboBox>(popup.get(), QStringLiteral("YearList"))->currentText();
    }

    std::unique_ptr<frmCalendar> popup;
};

struct DaysRow
{
    int year;
    int month;
    int days;
};

class MonthGridDays : public testing::TestWithParam<DaysRow>
{
};

} // namespace

TEST_P(MonthGridDays, ShowsEveryDayOfTheMonthOnce)
{
    const DaysRow row = GetParam();
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        const MonthGrid grid(row.year, row.month, firstDay, today());
        EXPECT_EQ(grid.visibleCount(), row.days);
        int visible = 0;
        for (int index = 0; index < MonthGrid::CellCount; ++index) {
            const MonthGrid::Cell &cell = grid.cell(index);
            if (!cell.visible)
                continue;
            ++visible;
            EXPECT_EQ(cell.day, index - grid.firstColumn() + 2);
        }
        EXPECT_EQ(visible, row.days);
    }
}

INSTANTIATE_TEST_SUITE_P(MonthGrid, MonthGridDays,
                         testing::Values(DaysRow{2024, 2, 29}, DaysRow{2023, 2, 28}, DaysRow{2100, 2, 28},
                                         DaysRow{2000, 2, 29}, DaysRow{2024, 4, 30}, DaysRow{2024, 12, 31}));

TEST(MonthGrid, PlacesTheFirstInTheColumnOfItsWeekday)
{
    constexpr int Sunday = 1;
    constexpr int Monday = 2;
    // April 2024 starts on a Monday, March 2026 on a Sunday, March 2025 on a Saturday.
    EXPECT_EQ(MonthGrid(2024, 4, Monday, today()).firstColumn(), 1);
    const MonthGrid lastWeekday(2026, 3, Monday, today());
    EXPECT_EQ(lastWeekday.firstColumn(), 7);
    EXPECT_EQ(lastWeekday.cellOfDay(1), 6);
    EXPECT_EQ(lastWeekday.cellOfDay(31), 36);
    EXPECT_FALSE(lastWeekday.cell(5).visible);
    EXPECT_FALSE(lastWeekday.cell(37).visible);

    EXPECT_EQ(MonthGrid(2026, 3, Sunday, today()).cellOfDay(1), 0);
    const MonthGrid sundayFirst(2025, 3, Sunday, today());
    EXPECT_EQ(sundayFirst.cellOfDay(1), 6);
    EXPECT_EQ(sundayFirst.cellOfDay(31), 36);

    EXPECT_EQ(MonthGrid::sundayColumn(Monday), 6);
    EXPECT_EQ(MonthGrid::sundayColumn(Sunday), 0);
    EXPECT_EQ(MonthGrid::weekdayOfColumn(6, Monday), Sunday);
    EXPECT_EQ(MonthGrid::caption(7), QStringLiteral(" 7"));
    EXPECT_EQ(MonthGrid::caption(12), QStringLiteral("12"));
}

TEST(MonthGrid, MarksTodayOnlyInItsMonth)
{
    const MonthGrid march(2026, 3, 2, today());
    EXPECT_TRUE(march.cell(march.cellOfDay(4)).bold);
    int bold = 0;
    for (int index = 0; index < MonthGrid::CellCount; ++index)
        bold += march.cell(index).bold;
    EXPECT_EQ(bold, 1);
    const MonthGrid march2025(2025, 3, 2, today());
    for (int index = 0; index < MonthGrid::CellCount; ++index)
        EXPECT_FALSE(march2025.cell(index).bold);
}

TEST(PopupGeometry, OpensUnderTheOwnerOrAboveItLowOnTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize popup(175, 173);
    // Centred under an owner in the upper half.
    EXPECT_EQ(PopupGeometry::position(QRect(100, 200, 126, 20), screen, popup), QPoint(100 + 63 - 88, 220));
    // An owner whose bottom edge lies 100 pixels below the middle still opens under it...
    EXPECT_EQ(PopupGeometry::position(QRect(100, 620, 126, 20), screen, popup).y(), 640);
    // ...one pixel further down, 193 pixels above its bottom edge.
    EXPECT_EQ(PopupGeometry::position(QRect(100, 621, 126, 20), screen, popup).y(), 641 - 193);
    // A screen below another has its own middle.
    EXPECT_EQ(PopupGeometry::position(QRect(0, 1300, 126, 20), QRect(0, 1080, 1920, 1080), popup).y(), 1320);
}

TEST(PopupGeometry, TodayAndNoneLayouts)
{
    using Layout = PopupGeometry::ButtonLayout;
    EXPECT_EQ(PopupGeometry::buttonLayout(true, true), (Layout{2595, 2180, 120, 1010}));
    EXPECT_EQ(PopupGeometry::buttonLayout(true, false), (Layout{2595, 2180, 578, -1}));
    EXPECT_EQ(PopupGeometry::buttonLayout(false, true), (Layout{2595, 2180, -1, 578}));
    EXPECT_EQ(PopupGeometry::buttonLayout(false, false), (Layout{2180, 2180, -1, -1}));
}

TEST_F(MonthPopup, ShowsTheMonthOfTheSelectedDate)
{
    open(QVariant::fromValue(dateOf(2024, 2, 14)));
    EXPECT_EQ(popup->objectName(), QStringLiteral("frmCalendar"));
    EXPECT_EQ(popup->windowTitle(), QStringLiteral("Calendar"));
    EXPECT_EQ(caption(), QStringLiteral("February 2024"));
    EXPECT_EQ(listTexts(), QStringLiteral("2/2024"));
    EXPECT_EQ(child<QComboBox>(popup.get(), QStringLiteral("MonthList"))->count(), 12);
    auto *years = child<QComboBox>(popup.get(), QStringLiteral("YearList"));
    EXPECT_EQ(years->count(), 2101 - 1899 + 1);
    EXPECT_EQ(years->itemText(0), QStringLiteral("1899"));

    // 1 February 2024 is a Thursday: the fourth column of a Monday-first week.
    EXPECT_FALSE(popup->dateLabel(2)->isVisible());
    EXPECT_EQ(popup->dateLabel(3)->text(), QStringLiteral(" 1"));
    EXPECT_EQ(popup->dateLabel(31)->text(), QStringLiteral("29"));
    EXPECT_FALSE(popup->dateLabel(32)->isVisible());
    EXPECT_TRUE(boldCells().isEmpty());

    // Cells 255 twips square, 240 apart, rows 270 apart.
    EXPECT_EQ(popup->dateLabel(0)->geometry(), Twips::toPixels(QRect(40, 600, 255, 255)));
    EXPECT_EQ(popup->dateLabel(8)->geometry(), Twips::toPixels(QRect(280, 870, 255, 255)));
    EXPECT_EQ(popup->dateLabel(41)->geometry(), Twips::toPixels(QRect(40 + 6 * 240, 600 + 5 * 270, 255, 255)));
}

TEST_F(MonthPopup, OpensOnTodayWithoutADateAndMarksIt)
{
    for (const QVariant &selected : {QVariant(), QVariant(QString()), QVariant(QStringLiteral("no date"))}) {
        open(selected);
        EXPECT_EQ(caption(), QStringLiteral("March 2026"));
        // 1 March 2026 is a Sunday: the seventh column, so the 4th is cell 9.
        EXPECT_EQ(boldCells(), QList<int>{9});
        EXPECT_EQ(popup->dateLabel(9)->text(), QStringLiteral(" 4"));
    }
    open(QStringLiteral("7/3/2024"));
    EXPECT_EQ(caption(), QStringLiteral("March 2024"));
}

TEST_F(MonthPopup, FollowsTheLocalesFirstDayOfTheWeek)
{
    open();
    EXPECT_EQ(initials(), QStringLiteral("MTWTFSS"));
    EXPECT_EQ(redCells(), (QList<int>{6, 13, 20, 27, 34, 41}));
    EXPECT_EQ(popup->dateLabel(6)->text(), QStringLiteral(" 1"));

    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    open();
    EXPECT_EQ(initials(), QStringLiteral("SMTWTFS"));
    EXPECT_EQ(redCells(), (QList<int>{0, 7, 14, 21, 28, 35}));
    EXPECT_EQ(popup->dateLabel(0)->text(), QStringLiteral(" 1"));
    EXPECT_EQ(boldCells(), QList<int>{3});
}

TEST_F(MonthPopup, LaysOutTheTodayAndNoneButtons)
{
    struct Row
    {
        bool today;
        bool none;
        int height;
        int todayLeft;
        int noneLeft;
    };
    for (const Row &row : {Row{true, true, 2595, 120, 1010}, Row{true, false, 2595, 578, -1},
                           Row{false, true, 2595, -1, 578}, Row{false, false, 2180, -1, -1}}) {
        shared().showToday = row.today;
        shared().showNone = row.none;
        open();
        auto *today = child<QPushButton>(popup.get(), QStringLiteral("btnToday"));
        auto *none = child<QPushButton>(popup.get(), QStringLiteral("btnNone"));
        EXPECT_EQ(popup->height(), Twips::toPixels(row.height));
        EXPECT_EQ(child<QWidget>(popup.get(), QStringLiteral("PicCalendar"))->height(), Twips::toPixels(2180));
        EXPECT_EQ(today->isVisible(), row.today);
        EXPECT_EQ(none->isVisible(), row.none);
        if (row.today) {
            EXPECT_EQ(today->x(), Twips::toPixels(row.todayLeft));
        }
        if (row.none) {
            EXPECT_EQ(none->x(), Twips::toPixels(row.noneLeft));
        }
    }
    EXPECT_EQ(child<QPushButton>(popup.get(), QStringLiteral("btnToday"))->text(), QStringLiteral("Today"));
    shared().todayText = QStringLiteral("Heute");
    shared().noneText = QStringLiteral("Keins");
    open();
    EXPECT_EQ(child<QPushButton>(popup.get(), QStringLiteral("btnToday"))->text(), QStringLiteral("Heute"));
    EXPECT_EQ(child<QPushButton>(popup.get(), QStringLiteral("btnNone"))->text(), QStringLiteral("Keins"));
}

TEST_F(MonthPopup, OpensAgainstItsOwner)
{
    QWidget owner;
    owner.setGeometry(300, 200, 126, 20);
    owner.show();
    shared().owner = &owner;
    open();
    const QRect ownerRect(owner.mapToGlobal(QPoint(0, 0)), owner.size());
    EXPECT_EQ(popup->pos(), PopupGeometry::position(ownerRect, QRect(0, 0, 1920, 1080), popup->size()));
    EXPECT_EQ(popup->y(), ownerRect.bottom() + 1);

    owner.move(300, 900);
    open();
    EXPECT_EQ(popup->y(), owner.mapToGlobal(QPoint(0, 0)).y() + owner.height() - 193);
}

TEST_F(MonthPopup, MonthButtonsStepOneMonthAClickAndRepeatWhileHeld)
{
    open(QVariant::fromValue(dateOf(2024, 1, 31)));
    auto *monthUp = child<QToolButton>(popup.get(), QStringLiteral("MonthUp"));
    auto *monthDn = child<QToolButton>(popup.get(), QStringLiteral("MonthDn"));

    QTest::mouseClick(monthUp, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("February 2024"));
    EXPECT_EQ(listTexts(), QStringLiteral("2/2024"));
    EXPECT_EQ(popup->dateLabel(31)->text(), QStringLiteral("29"));
    virtualScheduler().advance(2000);
    EXPECT_EQ(caption(), QStringLiteral("February 2024"));

    // Held for a second, the button moves five months: at once, then every 200 ms.
    const int release = Scheduler::instance().startTimer(1000, [&] { QTest::mouseRelease(monthUp, Qt::LeftButton); });
    QTest::mousePress(monthUp, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("March 2024"));
    virtualScheduler().advance(1000);
    Scheduler::instance().stopTimer(release);
    EXPECT_EQ(caption(), QStringLiteral("July 2024"));
    virtualScheduler().advance(1000);
    EXPECT_EQ(caption(), QStringLiteral("July 2024"));

    QTest::mousePress(monthDn, Qt::LeftButton);
    virtualScheduler().advance(400);
    QTest::mouseRelease(monthDn, Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("April 2024"));
    EXPECT_EQ(listTexts(), QStringLiteral("4/2024"));
}

TEST_F(MonthPopup, SteppingPastTheListedYearsShowsTheYearAnyway)
{
    open(QVariant::fromValue(dateOf(2101, 12, 1)));
    QTest::mouseClick(child<QToolButton>(popup.get(), QStringLiteral("MonthUp")), Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("January 2102"));
    EXPECT_EQ(listTexts(), QStringLiteral("1/2102"));

    // The end of the calendar is as far as it goes.
    open(QVariant::fromValue(dateOf(9999, 12, 1)));
    QTest::mouseClick(child<QToolButton>(popup.get(), QStringLiteral("MonthUp")), Qt::LeftButton);
    EXPECT_EQ(caption(), QStringLiteral("December 9999"));
}

TEST_F(MonthPopup, ChoosingInTheListsShowsThatMonth)
{
    open(QVariant::fromValue(dateOf(2024, 3, 1)));
    auto *months = child<QComboBox>(popup.get(), QStringLiteral("MonthList"));
    auto *years = child<QComboBox>(popup.get(), QStringLiteral("YearList"));
    months->setCurrentIndex(4);
    Q_EMIT months->activated(4);
    years->setCurrentIndex(years->findText(QStringLiteral("2025")));
    Q_EMIT years->activated(years->currentIndex());
    EXPECT_EQ(caption(), QStringLiteral("May 2025"));
    QTest::mouseClick(dayCell(*popup, 31), Qt::LeftButton);
    EXPECT_EQ(shared().selectedDate.value<OleDate>(), dateOf(2025, 5, 31));
}

TEST_F(MonthPopup, ADayClickHandsBackThatDate)
{
    open(QStringLiteral("1/3/2024"));
    QTest::mouseClick(dayCell(*popup, 7), Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(popup->result(), QDialog::Accepted);
    EXPECT_EQ(shared().selectedDate.value<OleDate>(), dateOf(2024, 3, 7));

    // Hidden cells cannot be clicked, and a press that leaves the cell picks nothing.
    open(QStringLiteral("1/3/2024"));
    QLabel *cell = dayCell(*popup, 9);
    QTest::mousePress(cell, Qt::LeftButton);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(MonthPopup, TodayPicksTodayAndNoneAndEscPickNothing)
{
    open(QStringLiteral("1/3/2024"));
    QTest::mouseClick(child<QPushButton>(popup.get(), QStringLiteral("btnToday")), Qt::LeftButton);
    EXPECT_EQ(shared().selectedDate.value<OleDate>(), OleDate::fromDate(today()));

    open(QStringLiteral("1/3/2024"));
    QTest::mouseClick(child<QPushButton>(popup.get(), QStringLiteral("btnNone")), Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(popup->result(), QDialog::Rejected);
    EXPECT_EQ(shared().selectedDate, QVariant(QStringLiteral("1/3/2024")));

    open(QStringLiteral("1/3/2024"));
    QTest::keyClick(popup.get(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(shared().selectedDate, QVariant(QStringLiteral("1/3/2024")));
}

TEST_F(MonthPopup, APressOutsideClosesItOnceTheButtonIsReleased)
{
    open(QStringLiteral("1/3/2024"));
    // Inside, away from any cell: it stays open.
    QTest::mouseClick(popup.get(), Qt::LeftButton, {}, QPoint(2, popup->height() - 2));
    EXPECT_TRUE(popup->isVisible());

    const QPoint outside(popup->width() + 40, -30);
    QTest::mousePress(popup.get(), Qt::LeftButton, {}, outside);
    EXPECT_TRUE(popup->isVisible());
    QTest::mouseRelease(popup.get(), Qt::LeftButton, {}, outside);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(popup->result(), QDialog::Rejected);
    EXPECT_EQ(shared().selectedDate, QVariant(QStringLiteral("1/3/2024")));
}

TEST_F(MonthPopup, APressOutsideReleasedOverADayPicksNothing)
{
    open(QStringLiteral("1/3/2024"));
    QTest::mousePress(popup.get(), Qt::LeftButton, {}, QPoint(popup->width() + 40, -30));
    QLabel *cell = dayCell(*popup, 9);
    QTest::mouseMove(cell);
    QTest::mouseRelease(cell, Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(popup->result(), QDialog::Rejected);
    EXPECT_EQ(shared().selectedDate, QVariant(QStringLiteral("1/3/2024")));
}
