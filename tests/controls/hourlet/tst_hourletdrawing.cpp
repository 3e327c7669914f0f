// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "gdisurface.h"
#include "hourlettesthelpers.h"
#include "surfacetesthelpers.h"
#include "vscrollbar.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using namespace OlvarTest::Colours;

namespace {

constexpr OleColor Green = OleColor::fromOle(0x00FF00);
constexpr OleColor Magenta = OleColor::fromOle(0xFF00FF);
constexpr OleColor Strip = OleColor::fromOle(0x808080);
constexpr OleColor Caption = OleColor::fromOle(0x123456);

/* A shown day view on testDay() bound to a practice database, with colours that tell the parts apart. */
class HourletDrawing : public testing::Test
{
protected:
    void SetUp() override
    {
        hourlet = shownHourlet();
        hourlet->setAppItemBackColor(Yellow);
        hourlet->setAppItemBorderColor(Red);
        hourlet->setAppItemBarColor(Blue);
        hourlet->setAppItemBarBorderColor(Green);
        hourlet->setHighLightColor(Magenta);
        hourlet->setBarColor(Strip);
        hourlet->setTimeScaleForeColor(Caption);
        hourlet->setShowTimeScale(true);
        hourlet->setConnectionString(database.connectionString());
        hourlet->setResource(12);
    }

    qint32 book(int hour, int minute, int endHour, int endMinute = 0)
    {
        return database.addSession(OleDate::fromDate(testDay()), at(testDay(), hour, minute),
                                   at(testDay(), endHour, endMinute), QStringLiteral("A"));
    }

    OleColor pixel(int x, int y) const { return hourlet->drawingSurface().GetPixel(x, y); }

    SessionDatabase database;
    std::unique_ptr<Hourlet> hourlet;
};

} // namespace

TEST_F(HourletDrawing, AnAppointmentFillsItsSlotsAndBordersOnTheNextHourLine)
{
    book(10, 0, 11);
    hourlet->setVScrollValue(224);
    EXPECT_EQ(pixel(700, 154), hourlet->availableColor());
    EXPECT_EQ(pixel(700, 155), Red); // the top border, over the filled first row
    for (int y = 156; y <= 186; ++y)
        EXPECT_EQ(pixel(700, y), Yellow) << "row " << y;
    EXPECT_EQ(pixel(700, 187), Red);
    EXPECT_NE(pixel(700, 188), Red);
    EXPECT_EQ(pixel(66, 170), Red);
    EXPECT_EQ(pixel(67, 170), Yellow);
    EXPECT_EQ(pixel(778, 170), Yellow);
    EXPECT_EQ(pixel(779, 170), Red);
    // The bar: x 56 to 64 filled, its border on 56 and 65 and along rows 155 and 187.
    EXPECT_EQ(pixel(60, 170), Blue);
    EXPECT_EQ(pixel(56, 170), Green);
    EXPECT_EQ(pixel(65, 170), Green);
    EXPECT_EQ(pixel(60, 155), Green);
    EXPECT_EQ(pixel(60, 187), Green);
}

TEST_F(HourletDrawing, WithoutTheTimeScaleTheBarStripAndBoxesMoveLeft)
{
    book(10, 0, 11);
    hourlet->setVScrollValue(224);
    hourlet->setShowTimeScale(false);
    EXPECT_EQ(pixel(0, 300), Strip);
    EXPECT_EQ(pixel(9, 300), Strip);
    EXPECT_EQ(pixel(10, 300), Black); // the line right of the strip, in the control's foreground colour
    EXPECT_EQ(pixel(11, 300), hourlet->availableColor());
    EXPECT_EQ(pixel(11, 170), Red);
    EXPECT_EQ(pixel(12, 170), Yellow);
    EXPECT_EQ(pixel(1, 170), hourlet->slotsBorderColor()); // the header's border line runs down column 1
    EXPECT_EQ(pixel(2, 170), Blue);
    EXPECT_EQ(pixel(5, 170), Blue);
    EXPECT_EQ(pixel(10, 170), Green);
    EXPECT_EQ(pixel(0, 170), Strip);

    int captionLeft = 800;
    for (const QPoint &p : pixelsOf(hourlet->drawingSurface(), Caption))
        captionLeft = std::min(captionLeft, p.x());
    EXPECT_GE(captionLeft, 10);
    EXPECT_LE(captionLeft, 13);
}

TEST_F(HourletDrawing, AnUpsideDownAppointmentDrawsOnlyItsBorderLines)
{
    book(10, 15, 11); // top 827, bottom 410
    hourlet->setVScrollValue(224);
    EXPECT_TRUE(pixelsOf(hourlet->drawingSurface(), Yellow).isEmpty());
    EXPECT_TRUE(pixelsOf(hourlet->drawingSurface(), Blue).isEmpty());
    EXPECT_EQ(pixel(700, 187), Red);
    EXPECT_EQ(pixel(66, 300), Red);
    EXPECT_EQ(pixel(779, 300), Red);
    EXPECT_NE(pixel(66, 186), Red);
    EXPECT_EQ(pixel(56, 300), Green);
    EXPECT_EQ(pixel(65, 300), Green);
}

TEST_F(HourletDrawing, ATallControlHidesItsScrollBarAndWidensTheBoxes)
{
    book(10, 0, 11);
    hourlet->resize(800, 900);
    auto *bar = hourlet->findChild<VScrollBar *>(QStringLiteral("vScroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(hourlet->showVscroll());
    EXPECT_EQ(pixel(795, 395), Yellow);
    EXPECT_EQ(pixel(796, 395), Red);
}

TEST_F(HourletDrawing, LaterAppointmentsPaintOverEarlierOnes)
{
    book(10, 0, 11);
    book(10, 30, 11, 30);
    hourlet->setVScrollValue(224);
    EXPECT_EQ(pixel(700, 171), Red); // the later box's top
    EXPECT_EQ(pixel(700, 187), Yellow); // the earlier box's bottom border is covered
    EXPECT_EQ(pixel(700, 203), Red);
}

TEST_F(HourletDrawing, DeletedAndUnstoredAppointmentsAreNotDrawn)
{
    const qint32 id = book(10, 0, 11);
    hourlet->setVScrollValue(224);
    ASSERT_EQ(pixel(700, 170), Yellow);
    EXPECT_EQ(hourlet->DeleteAppointment(id), 1);
    EXPECT_NE(pixel(700, 170), Yellow); // gone at once, without reading the database again
    EXPECT_EQ(hourlet->itemCount(), 0);
}

TEST_F(HourletDrawing, ANewAppointmentShowsAtOnceUntilTheNextFullRepaint)
{
    hourlet->setConnectionString(QString());
    hourlet->setVScrollValue(224);
    EXPECT_EQ(hourlet->SetAppointment(OleDate::fromDate(testDay()), at(testDay(), 14), at(testDay(), 15),
                                      QStringLiteral("New"), QString(), 1, QString()),
              0);
    EXPECT_EQ(messageBoxes().count(), 1); // the save had no database
    // (66, 283, 779, 314): the fill leaves its border to the control's own pen.
    EXPECT_EQ(pixel(700, 300), Yellow);
    EXPECT_EQ(pixel(700, 314), Black);
    EXPECT_EQ(pixel(60, 300), Blue);
    hourlet->UpdateDisplay();
    EXPECT_NE(pixel(700, 300), Yellow);
}

TEST_F(HourletDrawing, ThePressedSlotIsHighlightedBetweenItsLines)
{
    hourlet->setSelectionHighlight(true);
    hourlet->setVScrollValue(224);
    QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, slotRow(20, 224)));
    EXPECT_EQ(pixel(400, 155), hourlet->slotLineColor());
    EXPECT_EQ(pixel(400, 156), Magenta);
    EXPECT_EQ(pixel(400, 170), Magenta);
    EXPECT_EQ(pixel(66, 160), Magenta);
    EXPECT_EQ(pixel(781, 160), Magenta);
    EXPECT_NE(pixel(782, 160), Magenta);
    EXPECT_NE(pixel(65, 160), Magenta);
    EXPECT_EQ(pixel(400, 171), hourlet->slotLineColor());
    QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, slotRow(20, 224)));
}

TEST_F(HourletDrawing, PaintingLeavesTheFontAtEightPointsNotBold)
{
    QFont large = hourlet->controlFont();
    large.setPointSize(20);
    large.setBold(true);
    hourlet->setControlFont(large);
    hourlet->UpdateDisplay();
    EXPECT_EQ(hourlet->controlFont().pointSize(), 8);
    EXPECT_FALSE(hourlet->controlFont().bold());
    EXPECT_EQ(hourlet->controlFont().family(), large.family());
}

TEST_F(HourletDrawing, TheSlotLengthSettingChangesNothingShown)
{
    book(10, 0, 11);
    hourlet->UpdateDisplay();
    const QImage before = hourlet->drawingSurface().image();
    hourlet->setMinutesPerSlot(Hourlet::ts_5Minute);
    hourlet->UpdateDisplay();
    EXPECT_EQ(hourlet->drawingSurface().image(), before);
}

TEST_F(HourletDrawing, ADayWhoseFileVanishedShowsNoneOfTheDayBefore)
{
    book(10, 0, 11);
    hourlet->setVScrollValue(224);
    hourlet->setActiveDate(OleDate::fromDate(testDay()));
    ASSERT_EQ(pixel(700, 170), Yellow);
    ASSERT_TRUE(QFile::rename(database.path(), database.path() + QStringLiteral(".gone")));
    hourlet->setActiveDate(OleDate::fromDate(testDay().addDays(1)));
    QCoreApplication::processEvents();
    EXPECT_EQ(pixel(700, 170), hourlet->availableColor());
    EXPECT_EQ(pixel(60, 170), Strip);
    const QImage shown = hourlet->grab().toImage();
    EXPECT_EQ(OleColor(shown.pixelColor(700, 170)), hourlet->availableColor());
    EXPECT_EQ(messageBoxes().count(), 0);
    ASSERT_TRUE(QFile::rename(database.path() + QStringLiteral(".gone"), database.path()));
}
