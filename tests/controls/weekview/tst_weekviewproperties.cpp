// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourlettesthelpers.h"
#include "oleerror.h"
#include "propertybag.h"
#include "weekviewtesthelpers.h"

#include <QMetaProperty>
#include <QSignalSpy>

#include <cmath>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

const char *const ForwardedColors[] = {
    "AppItemBackColor",   "AppItemBarBorderColor", "AppItemBarColor",  "AppItemBorderColor",
    "AppItemForeColor",   "AvailableColor",        "SlotLineColor",    "SlotsBorderColor",
    "TimeScaleBackColor", "TimeScaleForeColor",    "UnAvailableColor",
};

const QStringList SavedKeys{
    QStringLiteral("BackColor"),
    QStringLiteral("ForeColor"),
    QStringLiteral("Enabled"),
    QStringLiteral("Font"),
    QStringLiteral("BackStyle"),
    QStringLiteral("BorderStyle"),
    QStringLiteral("ActiveDate"),
    QStringLiteral("VScrollValue"),
    QStringLiteral("ShowVscroll"),
    QStringLiteral("ShowTimeScale"),
    QStringLiteral("Resource"),
    QStringLiteral("SelectionHighlight"),
    QStringLiteral("BarColor"),
    QStringLiteral("AppItemBackColor"),
    QStringLiteral("AppItemBarBorderColor"),
    QStringLiteral("AppItemBarColor"),
    QStringLiteral("AppItemBorderColor"),
    QStringLiteral("AppItemFont"),
    QStringLiteral("AppItemForeColor"),
    QStringLiteral("AvailableColor"),
    QStringLiteral("SlotLineColor"),
    QStringLiteral("SlotsBorderColor"),
    QStringLiteral("TimeScaleBackColor"),
    QStringLiteral("TimeScaleForeColor"),
    QStringLiteral("UnAvailableColor"),
    QStringLiteral("HighLightColor"),
};

OleColor colorOf(const QObject &object, const char *name)
{
    return object.property(name).value<OleColor>();
}

/* Every saved value away from its key's default (Enabled's is False). */
void changeEverything(WeekView &view)
{
    view.setBackColor(OleColor::fromOle(0x000001));
    view.setForeColor(OleColor::fromOle(0x000002));
    view.setControlEnabled(true);
    view.setControlFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    view.setBackStyle(1);
    view.setBorderStyle(1);
    view.setActiveDate(OleDate::fromDate(QDate(2026, 5, 6)));
    view.column(0)->setVScrollValue(96);
    view.setShowVscroll(true);
    view.setShowTimeScale(true);
    view.setResource(7);
    view.setVScrollValue(48);
    view.setSelectionHighlight(true);
    view.setBarColor(OleColor::fromOle(0x000003));
    quint32 color = 0x10;
    for (const char *name : ForwardedColors)
        view.setProperty(name, QVariant::fromValue(OleColor(color++)));
    view.setAppItemFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    view.setHighLightColor(OleColor::fromOle(0x000004));
}

} // namespace

TEST(WeekViewProperties, TheColourFamilyIsStoredAndHandedToEveryColumnInOrder)
{
    WeekView view;
    view.InitProperties();
    for (const char *name : ForwardedColors) {
        QStringList order;
        for (int index = 0; index < 7; ++index) {
            QObject::connect(view.column(index), &ControlBase::PropertyChanged, &view,
                             [&order, index](const QString &property) { order << property + QString::number(index); });
        }
        QSignalSpy notices(&view, &ControlBase::PropertyChanged);
        const OleColor color(0x123456);
        ASSERT_TRUE(view.setProperty(name, QVariant::fromValue(color))) << name;
        EXPECT_EQ(colorOf(view, name), color) << name;
        QStringList expected;
        for (int index = 0; index < 7; ++index) {
            EXPECT_EQ(colorOf(*view.column(index), name), color) << name << index;
            expected << QString::fromLatin1(name) + QString::number(index);
        }
        EXPECT_EQ(order, expected);
        ASSERT_EQ(notices.count(), 1);
        EXPECT_EQ(notices.first().first().toString(), QString::fromLatin1(name));
        for (int index = 0; index < 7; ++index)
            QObject::disconnect(view.column(index), &ControlBase::PropertyChanged, &view, nullptr);
    }
}

TEST(WeekViewProperties, StoredOnlyValuesLeaveTheColumnsAlone)
{
    WeekView view;
    view.InitProperties();
    const OleColor columnBar = view.column(2)->barColor();
    view.setBarColor(OleColor::fromOle(0x0000FF));
    view.setVScrollValue(64);
    view.setForeColor(OleColor::fromOle(0x00FF00));
    view.setBackStyle(1);
    EXPECT_EQ(view.barColor(), OleColor(0x0000FF));
    EXPECT_EQ(view.vScrollValue(), 64);
    EXPECT_EQ(view.foreColor(), OleColor(0x00FF00));
    EXPECT_EQ(view.backStyle(), 1);
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(view.column(index)->barColor(), columnBar);
        EXPECT_NE(view.column(index)->vScrollValue(), 64);
    }
}

TEST(WeekViewProperties, TheColumnsTakeColumnZerosHighlightColourAndOnlyFontNames)
{
    WeekView view;
    view.InitProperties();
    view.setHighLightColor(OleColor::fromOle(0x00C0FF));
    EXPECT_EQ(view.highLightColor(), OleColor(0x00C0FF));
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view.column(index)->highLightColor(), OleColor(0x00C0FF));

    const double columnSize = view.column(3)->appItemFont().pointSizeF();
    QFont big(QStringLiteral("DejaVu Serif"), 12);
    big.setBold(true);
    view.setControlFont(big);
    view.setAppItemFont(big);
    EXPECT_EQ(view.controlFont(), big);
    EXPECT_EQ(view.appItemFont(), big);
    for (int index = 0; index < 7; ++index) {
        for (const QFont &font : {view.column(index)->controlFont(), view.column(index)->appItemFont()}) {
            EXPECT_EQ(font.family(), QStringLiteral("DejaVu Serif")) << index;
            EXPECT_FALSE(font.bold()) << index;
        }
        EXPECT_DOUBLE_EQ(view.column(index)->appItemFont().pointSizeF(), columnSize);
    }
}

TEST(WeekViewProperties, FlagsAndTheDateFormatReachTheirColumns)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    EXPECT_EQ(view->dateFormat(), QString());
    view->setDateFormat(QStringLiteral("dd/mm"));
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(view->column(index)->dateFormat(), QStringLiteral("dd/mm"));
    EXPECT_EQ(view->dateFormat(), QStringLiteral("dd/mm"));

    view->setSelectionHighlight(false);
    for (int index = 0; index < 7; ++index)
        EXPECT_FALSE(view->column(index)->selectionHighlight());

    view->setShowVscroll(false);
    EXPECT_FALSE(view->column(0)->showVscroll());
    EXPECT_FALSE(view->showVscroll());
    view->setShowTimeScale(false);
    EXPECT_FALSE(view->column(6)->showTimeScale());
    EXPECT_FALSE(view->showTimeScale());
    for (int index = 1; index < 6; ++index) {
        EXPECT_FALSE(view->column(index)->showVscroll());
        EXPECT_FALSE(view->column(index)->showTimeScale());
    }
}

TEST(WeekViewPersistence, ANewControlSavesItsStoredValuesNotItsColumns)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    EXPECT_TRUE(view->showTimeScale()); // column 6 shows it, the stored value is off
    EXPECT_EQ(view->activeDate(), OleDate::fromDate(QDate(2000, 1, 1)));
    PropertyBag bag;
    view->WriteProperties(bag);
    // Enabled is saved against a default of False; column 0's highlight colour against 0.
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("Enabled"), QStringLiteral("HighLightColor")}))
        << bag.toText().toStdString();
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("HighLightColor")).value<OleColor>(), view->column(0)->highLightColor());
}

TEST(WeekViewPersistence, SavesEveryKeyInOrderAndTheSecondScrollValueReplacesTheFirst)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    changeEverything(*view);
    PropertyBag bag;
    view->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), SavedKeys) << bag.toText().toStdString();
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("VScrollValue")).toInt(), 48); // not column 0's 96
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ShowTimeScale")), QVariant(true));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Resource")).toInt(), 7);

    // With the stored value at its default the second write takes the first one away.
    view->setVScrollValue(0);
    PropertyBag again;
    view->WriteProperties(again);
    EXPECT_FALSE(again.contains(QStringLiteral("VScrollValue")));
    EXPECT_EQ(view->column(0)->vScrollValue(), 96);
}

TEST(WeekViewPersistence, LoadingRestoresTheStoredValuesAndLeavesTheColumnsAlone)
{
    PropertyBag bag;
    {
        std::unique_ptr<WeekView> saved = shownWeekView();
        changeEverything(*saved);
        saved->WriteProperties(bag);
    }
    bag = PropertyBag::fromText(bag.toText()); // as a saved form holds it

    std::unique_ptr<WeekView> view = shownWeekView();
    const OleDate columnDate = view->column(6)->activeDate();
    const OleColor columnAvailable = view->column(0)->availableColor();
    const QString columnFont = view->column(0)->controlFont().family();
    view->ReadProperties(bag);

    // The host's BackColor and BorderStyle come back.
    EXPECT_EQ(view->backColor(), OleColor(0x000001));
    EXPECT_EQ(view->borderStyle(), 1);
    EXPECT_EQ(view->contentsRect(), view->rect().adjusted(1, 1, -1, -1));

    EXPECT_EQ(view->foreColor(), OleColor(0x000002));
    EXPECT_EQ(view->controlFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(view->backStyle(), 1);
    EXPECT_EQ(view->activeDate(), OleDate::fromDate(QDate(2026, 5, 6)));
    EXPECT_EQ(view->resource(), 7);
    EXPECT_EQ(view->vScrollValue(), 48);
    EXPECT_TRUE(view->selectionHighlight());
    EXPECT_EQ(view->barColor(), OleColor(0x000003));
    EXPECT_EQ(view->availableColor(), OleColor(0x15));
    EXPECT_EQ(view->unAvailableColor(), OleColor(0x1A));
    EXPECT_EQ(view->appItemFont().family(), QStringLiteral("DejaVu Sans Mono"));

    // Only the scroll position and the highlight colour reach the columns.
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(view->column(index)->vScrollValue(), 48) << index;
        EXPECT_EQ(view->column(index)->highLightColor(), OleColor(0x000004)) << index;
        EXPECT_EQ(view->column(index)->availableColor(), columnAvailable) << index;
        EXPECT_EQ(view->column(index)->controlFont().family(), columnFont) << index;
        EXPECT_EQ(view->column(index)->resource(), 0) << index;
    }
    EXPECT_EQ(view->column(6)->activeDate(), columnDate);

    // Saving again gives the same bag.
    PropertyBag resaved;
    view->WriteProperties(resaved);
    EXPECT_EQ(resaved, bag) << resaved.toText().toStdString() << "\n" << bag.toText().toStdString();
}

TEST(WeekViewPersistence, TheHostsBackColorEnabledAndBorderStyleSurviveASaveAndReload)
{
    WeekView saved;
    saved.InitProperties();
    QSignalSpy notices(&saved, &ControlBase::PropertyChanged);
    saved.setBackColor(OleColor::fromOle(0x80000005));
    saved.setControlEnabled(false);
    saved.setBorderStyle(1);
    EXPECT_EQ(notices.count(), 3);
    EXPECT_FALSE(saved.column(4)->isEnabled());
    PropertyBag bag;
    saved.WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BackColor")).value<OleColor>(), OleColor(0x80000005));
    EXPECT_FALSE(bag.contains(QStringLiteral("Enabled"))); // False is the key's default
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BorderStyle")).toInt(), 1);

    WeekView loaded;
    ASSERT_TRUE(loaded.isEnabled());
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.backColor(), OleColor(0x80000005));
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_FALSE(loaded.column(4)->isEnabled());
    EXPECT_EQ(loaded.borderStyle(), 1);

    loaded.setControlEnabled(true);
    loaded.WriteProperties(bag);
    WeekView enabled;
    enabled.setControlEnabled(false);
    enabled.ReadProperties(bag);
    EXPECT_TRUE(enabled.isEnabled());
}

TEST(WeekViewPersistence, AnEmptyBagGivesTheKeysDefaults)
{
    std::unique_ptr<WeekView> view = shownWeekView();
    changeEverything(*view);
    view->ReadProperties(PropertyBag());
    EXPECT_EQ(view->backColor(), OleColor(0xFFFFFF));
    EXPECT_FALSE(view->isEnabled()); // the key's default
    EXPECT_EQ(view->borderStyle(), 0);
    EXPECT_EQ(view->contentsRect(), view->rect());
    EXPECT_EQ(view->activeDate(), OleDate::fromDate(QDate(2000, 1, 1)));
    EXPECT_EQ(view->availableColor(), OleColor(0xB6E4E1));
    EXPECT_EQ(view->highLightColor(), OleColor(0));
    EXPECT_EQ(view->column(0)->vScrollValue(), 0);
}

TEST(WeekViewPersistence, ASavedActiveDateOutsideTheDateRangeIsRefused)
{
    for (const double days : {std::nan(""), 1e308, -1e15}) {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(OleDate(days)));
        std::unique_ptr<WeekView> view = shownWeekView();
        const OleDate before = view->activeDate();
        try {
            view->ReadProperties(bag);
            ADD_FAILURE() << days;
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), 380);
        }
        EXPECT_EQ(view->activeDate(), before);
    }
}
