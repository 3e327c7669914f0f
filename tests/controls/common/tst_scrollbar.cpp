// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "scrollbarmodel.h"
#include "surfacetesthelpers.h"
#include "vscrollbar.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::expectOleError;

TEST(ScrollBarModel, AMaximumBelowTheMinimumRunsTheValuesDownwards)
{
    ScrollBarModel model;
    model.setSmallChange(16);
    model.setLargeChange(16);
    model.setMax(-160);
    EXPECT_TRUE(model.isReversed());
    QSignalSpy changes(&model, &ScrollBarModel::changed);

    model.stepSmall(1);
    EXPECT_EQ(model.value(), -16) << "the arrow at the bottom moves towards Max";
    model.setValue(-150);
    model.stepLarge(1);
    EXPECT_EQ(model.value(), -160);
    model.stepLarge(1);
    EXPECT_EQ(changes.count(), 3) << "no change at the end of the bar";
    model.setValue(0);
    model.stepSmall(-1);
    EXPECT_EQ(model.value(), 0);
    EXPECT_EQ(changes.count(), 4);
}

TEST(ScrollBarModel, ValuesOutsideTheRangeAreRefused)
{
    ScrollBarModel model;
    model.setMax(-160);
    QSignalSpy changes(&model, &ScrollBarModel::changed);
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { model.setValue(1); });
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { model.setValue(-161); });
    model.setValue(-160);
    EXPECT_EQ(model.value(), -160);
    model.setValue(-160);
    EXPECT_EQ(changes.count(), 1) << "the same value again raises nothing";

    expectOleError(ErrorNumber::Overflow, [&] { model.setMax(40000); });
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { model.setSmallChange(0); });
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { model.setLargeChange(32768); });
    EXPECT_EQ(model.max(), -160);
    EXPECT_EQ(model.smallChange(), 1);
}

namespace {

/*! A model set up as the day view sets its bar: 0 to 827, at 224. */
class DayScrollModel : public testing::Test
{
protected:
    DayScrollModel()
    {
        model.setMax(827);
        model.setValue(224);
    }

    ScrollBarModel model;
};

} // namespace

TEST_F(DayScrollModel, MovingTheRangeMovesTheValueIntoIt)
{
    model.setValue(432);
    QSignalSpy changes(&model, &ScrollBarModel::changed);
    model.setMax(400);
    EXPECT_EQ(model.value(), 400);
    model.setMax(-160);
    EXPECT_EQ(model.value(), 0) << "the nearer end of -160 to 0";
    model.setMax(432);
    EXPECT_EQ(model.value(), 0);
    EXPECT_EQ(changes.count(), 2);
    model.setMin(50);
    EXPECT_EQ(model.value(), 50);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(DayScrollModel, TheThumbScrollsAndChangesTheValueOnRelease)
{
    QSignalSpy changes(&model, &ScrollBarModel::changed);
    QSignalSpy scrolls(&model, &ScrollBarModel::scrolled);
    model.beginTrack();
    model.trackTo(300);
    model.trackTo(5000);
    EXPECT_EQ(scrolls.count(), 2);
    EXPECT_EQ(model.thumbPosition(), 827);
    EXPECT_EQ(model.value(), 224);
    EXPECT_EQ(changes.count(), 0);
    model.endTrack();
    EXPECT_EQ(model.value(), 827);
    EXPECT_EQ(changes.count(), 1);

    model.beginTrack();
    model.trackTo(827);
    model.endTrack();
    EXPECT_EQ(changes.count(), 1) << "released where it started";
}

namespace {

class ShownScrollBar : public testing::Test
{
protected:
    void SetUp() override
    {
        bar.resize(VScrollBar::DefaultWidth, 200);
        bar.setMax(827);
        bar.setSmallChange(16);
        bar.setLargeChange(16);
        bar.setValue(224);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
        inner = bar.findChild<QScrollBar *>();
        ASSERT_NE(inner, nullptr);
    }

    /*! Where \a part of the bar is, in the bar's coordinates. */
    QRect partRect(QStyle::SubControl part) const
    {
        QStyleOptionSlider option;
        option.initFrom(inner);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Vertical;
        option.minimum = inner->minimum();
        option.maximum = inner->maximum();
        option.sliderPosition = inner->sliderPosition();
        option.sliderValue = inner->value();
        option.singleStep = inner->singleStep();
        option.pageStep = inner->pageStep();
        option.upsideDown = inner->invertedAppearance();
        return inner->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, inner);
    }

    void click(QStyle::SubControl part)
    {
        const QPoint at = partRect(part).center();
        QTest::mousePress(inner, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(inner, Qt::LeftButton, Qt::NoModifier, at);
    }

    VScrollBar bar;
    QScrollBar *inner = nullptr;
};

} // namespace

TEST_F(ShownScrollBar, ArrowsAndPagesMoveByTheirSteps)
{
    EXPECT_EQ(bar.width(), 16);
    QSignalSpy changes(&bar, &VScrollBar::Change);
    click(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(bar.value(), 240);
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(bar.value(), 224);
    click(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(bar.value(), 240);
    EXPECT_EQ(changes.count(), 3);

    bar.setValue(0);
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(changes.count(), 4) << "the up arrow at the top changes nothing";
}

TEST_F(ShownScrollBar, WorksWithANegativeMaximum)
{
    bar.setMax(-160);
    EXPECT_EQ(bar.value(), 0);
    click(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(bar.value(), -16);
    EXPECT_EQ(inner->sliderPosition(), 16) << "the thumb moves down";
    for (int i = 0; i < 20; ++i)
        click(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(bar.value(), -160);
}

TEST_F(ShownScrollBar, DraggingTheThumbScrollsThenChangesOnceOnRelease)
{
    QSignalSpy changes(&bar, &VScrollBar::Change);
    QSignalSpy scrolls(&bar, &VScrollBar::Scroll);
    const QPoint start = partRect(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(inner, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(inner, start + QPoint(0, 20));
    QTest::mouseMove(inner, start + QPoint(0, 40));
    EXPECT_GE(scrolls.count(), 2);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(bar.value(), 224);
    QTest::mouseRelease(inner, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 40));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_GT(bar.value(), 224);
    EXPECT_EQ(bar.value(), bar.model().thumbPosition());
}

TEST_F(ShownScrollBar, TheWheelStepsByArrowSteps)
{
    QSignalSpy changes(&bar, &VScrollBar::Change);
    const QPoint at = inner->rect().center();
    QWheelEvent down(at, inner->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(inner, &down);
    EXPECT_EQ(bar.value(), 224 + 16 * QApplication::wheelScrollLines());
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ShownScrollBar, PropertiesGoThroughTheModel)
{
    EXPECT_TRUE(bar.setProperty("Value", 300));
    EXPECT_EQ(bar.model().value(), 300);
    EXPECT_EQ(bar.property("Max").toInt(), 827);
    EXPECT_EQ(inner->value(), 300);
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { bar.setValue(-1); });
}
