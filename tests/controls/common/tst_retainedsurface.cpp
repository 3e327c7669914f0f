// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "retainedsurface.h"
#include "surfacetesthelpers.h"
#include "windowupdatelock.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace OlvarControls;

namespace {

using namespace OlvarTest::Colours;

/*! A control that draws on a retained surface and counts its paints. */
class Canvas : public QWidget
{
public:
    Canvas()
        : m_surface(this)
    {
        resize(60, 40);
    }

    RetainedSurface &retained() { return m_surface; }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        m_surface.paint(event);
    }

private:
    RetainedSurface m_surface;
};

class ShownCanvas : public testing::Test
{
protected:
    void SetUp() override
    {
        canvas = std::make_unique<Canvas>();
        canvas->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(canvas.get()));
        flush();
        canvas->paints = 0;
    }
    void TearDown() override { WindowUpdateLock::LockWindowUpdate(nullptr); }

    static void flush() { QCoreApplication::processEvents(); }

    std::unique_ptr<Canvas> canvas;
};

QColor colourShown(QWidget &widget, QPoint at)
{
    return widget.grab().toImage().pixelColor(at);
}

} // namespace

TEST_F(ShownCanvas, RefreshShowsTheSurface)
{
    canvas->retained().surface().fillSolidRect({0, 0, 60, 40}, Red);
    canvas->retained().refresh();
    flush();
    EXPECT_EQ(canvas->paints, 1);
    EXPECT_EQ(colourShown(*canvas, {30, 20}), QColor(255, 0, 0));
}

TEST_F(ShownCanvas, TheLockHoldsUpdatesBackUntilItIsReleased)
{
    ASSERT_TRUE(WindowUpdateLock::LockWindowUpdate(canvas.get()));
    for (int i = 0; i < 20; ++i) {
        canvas->retained().surface().fillSolidRect({i, 0, i + 1, 40}, Red);
        canvas->retained().refresh();
    }
    flush();
    EXPECT_EQ(canvas->paints, 0);
    EXPECT_EQ(colourShown(*canvas, {5, 5}), QColor(Qt::white)) << "what was shown before the lock";

    canvas->paints = 0;
    EXPECT_TRUE(WindowUpdateLock::LockWindowUpdate(nullptr));
    flush();
    EXPECT_EQ(canvas->paints, 1);
    EXPECT_EQ(colourShown(*canvas, {5, 5}), QColor(255, 0, 0));
}

TEST_F(ShownCanvas, ALockReleasedWithoutRefreshCausesNoPaint)
{
    {
        WindowUpdateLock lock(canvas.get());
        EXPECT_TRUE(lock.isHeld());
        canvas->retained().surface().clear();
    }
    EXPECT_EQ(WindowUpdateLock::lockedWindow(), nullptr);
    flush();
    EXPECT_EQ(canvas->paints, 0);
}

TEST_F(ShownCanvas, OnlyOneWindowIsLockedAtATime)
{
    QWidget child(canvas.get());
    QWidget other;
    WindowUpdateLock lock(canvas.get());
    EXPECT_TRUE(WindowUpdateLock::isLocked(&child));
    EXPECT_FALSE(WindowUpdateLock::isLocked(&other));
    EXPECT_FALSE(WindowUpdateLock::LockWindowUpdate(&other));
    WindowUpdateLock second(&other);
    EXPECT_FALSE(second.isHeld());

    WindowUpdateLock::update(&child);
    flush();
    EXPECT_EQ(canvas->paints, 0);
    EXPECT_TRUE(WindowUpdateLock::LockWindowUpdate(nullptr));
    EXPECT_FALSE(WindowUpdateLock::LockWindowUpdate(nullptr)) << "nothing left to release";
    flush();
    EXPECT_EQ(canvas->paints, 1);
}

TEST(RetainedSurface, FollowsTheSizeAndFontOfItsWindow)
{
    Canvas canvas;
    EXPECT_EQ(canvas.retained().surface().size(), QSize(60, 40));
    canvas.retained().surface().fillSolidRect({0, 0, 60, 40}, Red);
    canvas.resize(80, 30);
    EXPECT_EQ(canvas.retained().surface().size(), QSize(80, 30));
    EXPECT_EQ(canvas.retained().surface().GetPixel(59, 29), Red);
    EXPECT_EQ(canvas.retained().surface().GetPixel(60, 0), OleColor(0xFFFFFF));

    QFont font = canvas.font();
    font.setPointSize(20);
    canvas.setFont(font);
    EXPECT_EQ(canvas.retained().surface().font().pointSize(), 20);
}

TEST(WindowUpdateLock, ADestroyedWindowFreesTheLock)
{
    auto window = std::make_unique<QWidget>();
    ASSERT_TRUE(WindowUpdateLock::LockWindowUpdate(window.get()));
    window.reset();
    EXPECT_EQ(WindowUpdateLock::lockedWindow(), nullptr);
    QWidget next;
    EXPECT_TRUE(WindowUpdateLock::LockWindowUpdate(&next));
    EXPECT_TRUE(WindowUpdateLock::LockWindowUpdate(nullptr));
}
