// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The controls on a screen of device pixel ratio 2 (CTest runs this with
// QT_SCALE_FACTOR=2): drawn in device pixels, with their rules in logical ones.

#include "gdisurface.h"
#include "hourlettesthelpers.h"
#include "periodictimer.h"
#include "surfacetesthelpers.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using namespace OlvarTest::Colours;

namespace {

QRgb rgbOf(OleColor color)
{
    return color.toQColor(QPalette()).rgb();
}

/*! The rows of \a image in which column \a x has \a color. */
QList<int> rowsOf(const QImage &image, int x, OleColor color)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == rgbOf(color))
            rows << y;
    return rows;
}

/*! Whether every aligned 2 x 2 block of \a area in \a image is of one colour. */
bool isMadeOfDoubledPixels(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                || image.pixel(x + 1, y + 1) != corner)
                return false;
        }
    return true;
}

} // namespace

TEST(HourletAtRatioTwo, LinesCoverTwoDeviceRowsAndTextIsSharp)
{
    SessionDatabase database;
    database.addSession(OleDate::fromDate(testDay()), at(testDay(), 10), at(testDay(), 11), QStringLiteral("Review"));
    auto hourlet = shownHourlet();
    ASSERT_EQ(hourlet->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    hourlet->setAppItemBorderColor(Red);
    hourlet->setAppItemBackColor(Yellow);
    hourlet->setConnectionString(database.connectionString());
    hourlet->setResource(12);
    hourlet->setVScrollValue(224);

    const GdiSurface &surface = hourlet->drawingSurface();
    EXPECT_EQ(surface.size(), hourlet->size());
    EXPECT_EQ(surface.image().size(), hourlet->size() * 2);
    EXPECT_EQ(surface.GetPixel(700, 155), Red); // the same logical pixels as at ratio 1

    const QImage shown = hourlet->grab().toImage();
    ASSERT_EQ(shown.size(), hourlet->size() * 2);
    // The box's borders are the logical rows 155 and 187: device rows 310, 311 and 374, 375 exactly.
    EXPECT_EQ(rowsOf(shown, 1400, Red), QList<int>({310, 311, 374, 375}));
    EXPECT_EQ(rowsOf(shown, 1400, Yellow).size(), 2 * 31);

    // The header's date caption is drawn at the device resolution, not doubled up.
    EXPECT_FALSE(isMadeOfDoubledPixels(shown, QRect(0, 0, shown.width() - 40, 2 * 59)));
}

TEST(PeriodicTimerAtRatioTwo, TheFaceIsDrawnAtTheDeviceResolution)
{
    PeriodicTimer timer;
    timer.show();
    const QImage shown = timer.grab().toImage();
    ASSERT_EQ(shown.size(), timer.size() * 2);
    EXPECT_FALSE(isMadeOfDoubledPixels(shown, shown.rect()));
}
