// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The demo's form file and its navigation bar.

#include "formfile.h"
#include "listbar.h"
#include "oleerror.h"
#include "testenvironment.h"

#include <QFile>
#include <QFont>
#include <QListWidget>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Sessara;
using OlvarControls::OleError;
using OlvarControls::PropertyBag;

namespace {

int errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const OleError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(FormFile, ControlsRoundTripThroughTheText)
{
    FormControl day{QStringLiteral("OlvarControls.Hourlet"), QStringLiteral("ZOVudeZozo1"), PropertyBag()};
    day.properties.WriteProperty(QStringLiteral("ShowTimeScale"), true, false);
    day.properties.WriteProperty(QStringLiteral("Font"), QFont(QStringLiteral("Arial"), 8));
    FormControl timer{QStringLiteral("OlvarControls.PeriodicTimer"), QStringLiteral("PeriodicUpdateDisplay"),
                      PropertyBag()};
    timer.properties.WriteProperty(QStringLiteral("MinuteInterval"), qint16(1), qint16(0));
    FormControl empty{QStringLiteral("OlvarControls.WeekView"), QStringLiteral("WeekView1"), PropertyBag()};

    const QString text = QStringLiteral("' the main window\n\n") + FormFile::toText({day, timer, empty});
    const QList<FormControl> read = FormFile::fromText(text);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read.at(0).typeName, day.typeName);
    EXPECT_EQ(read.at(0).name, day.name);
    EXPECT_EQ(read.at(0).properties, day.properties);
    EXPECT_EQ(read.at(1).properties.ReadProperty(QStringLiteral("MinuteInterval"), 0).toInt(), 1);
    EXPECT_TRUE(read.at(2).properties.isEmpty());
}

TEST(FormFile, ADamagedFormIsRefusedWhole)
{
    const QString good = FormFile::toText({{QStringLiteral("T"), QStringLiteral("N"), PropertyBag()}});
    EXPECT_EQ(errorOf([&] { FormFile::fromText(QStringLiteral("Begin T\n") + good); }), 321); // no name
    EXPECT_EQ(errorOf([&] { FormFile::fromText(good.left(good.lastIndexOf(QStringLiteral("End")))); }), 321);
    EXPECT_EQ(errorOf([&] {
                  FormFile::fromText(QStringLiteral("Begin T N\nOlvarControls.PropertyBag 1\nKey: bogus 1\nEnd\n"));
              }),
              321);
    EXPECT_EQ(errorOf([&] { FormFile::fromText(QStringLiteral("Begin T N\nEnd\n")); }), 321);
    OlvarTest::TempFolder folder;
    EXPECT_EQ(errorOf([&] { FormFile::load(folder.filePath(QStringLiteral("none.frm"))); }), 53);
}

TEST(FormFile, TheMainWindowsFormHoldsTheViewsAndTheRefreshTimer)
{
    const QList<FormControl> controls = FormFile::load(QStringLiteral(":/sessara/frmDemo.frm"));
    QStringList names;
    for (const FormControl &control : controls)
        names << control.typeName + QLatin1Char(' ') + control.name;
    EXPECT_EQ(names,
              QStringList({QStringLiteral("OlvarControls.Hourlet ZOVudeZozo1"),
                           QStringLiteral("OlvarControls.WeekView WeekView1"),
                           QStringLiteral("OlvarControls.PeriodicTimer PeriodicUpdateDisplay")}));
    const PropertyBag &day = controls.at(0).properties;
    EXPECT_EQ(day.ReadProperty(QStringLiteral("ShowTimeScale"), false).toBool(), true);
    EXPECT_EQ(day.ReadProperty(QStringLiteral("Font")).value<QFont>().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(day.ReadProperty(QStringLiteral("AppItemFont")).value<QFont>().pointSizeF(), 8.25);
    EXPECT_EQ(controls.at(1).properties.ReadProperty(QStringLiteral("Font")).value<QFont>().family(),
              QStringLiteral("MS Sans Serif"));
    // The week view is saved enabled: a missing key would restore it disabled.
    EXPECT_EQ(controls.at(1).properties.ReadProperty(QStringLiteral("Enabled"), false).toBool(), true);
    // The refresh timer ticks every minute.
    EXPECT_EQ(controls.at(2).properties.ReadProperty(QStringLiteral("MinuteInterval"), 0).toInt(), 1);
}

TEST(ListBar, ItemsAreFoundAndClickedByTheirKeys)
{
    ListBar bar;
    bar.addBar(QStringLiteral("Calendars"), QStringLiteral("Resources"));
    bar.addBar(QStringLiteral("Maintenace"), QStringLiteral("Maintenace"));
    EXPECT_EQ(bar.addBar(QStringLiteral("Calendars"), QStringLiteral("Again")), bar.bar(QStringLiteral("Calendars")));
    EXPECT_EQ(bar.count(), 2);
    EXPECT_EQ(bar.itemText(0), QStringLiteral("Resources"));

    bar.addItem(QStringLiteral("Calendars"), QStringLiteral("Coun1"), QStringLiteral("Aroha Ngata"));
    bar.addItem(QStringLiteral("Calendars"), QStringLiteral("Coun12"), QStringLiteral("Mei Chen"));
    EXPECT_EQ(bar.addItem(QStringLiteral("Nowhere"), QStringLiteral("X"), QStringLiteral("X")), nullptr);
    EXPECT_EQ(bar.itemKeys(QStringLiteral("Calendars")),
              QStringList({QStringLiteral("Coun1"), QStringLiteral("Coun12")}));
    EXPECT_TRUE(bar.itemKeys(QStringLiteral("Maintenace")).isEmpty());

    QSignalSpy clicks(&bar, &ListBar::ItemClick);
    EXPECT_TRUE(bar.clickItem(QStringLiteral("Calendars"), QStringLiteral("Coun12")));
    EXPECT_FALSE(bar.clickItem(QStringLiteral("Calendars"), QStringLiteral("Coun99")));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0),
              QVariantList({QStringLiteral("Coun12"), QStringLiteral("Mei Chen"), QStringLiteral("Calendars")}));
}
