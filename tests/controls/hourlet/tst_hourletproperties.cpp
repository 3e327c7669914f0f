// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlfactory.h"
#include "hourlettesthelpers.h"
#include "latebinding.h"
#include "oleerror.h"
#include "propertybag.h"
#include "surfacetesthelpers.h"
#include "vscrollbar.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

namespace {

const QStringList PersistedKeys{
    QStringLiteral("BackColor"),
    QStringLiteral("Enabled"),
    QStringLiteral("SelectionHighlight"),
    QStringLiteral("Font"),
    QStringLiteral("BorderStyle"),
    QStringLiteral("ShowVscroll"),
    QStringLiteral("VScrollValue"),
    QStringLiteral("ActiveDate"),
    QStringLiteral("ShowTimeScale"),
    QStringLiteral("DateFormat"),
    QStringLiteral("AppBarDefaultColor"),
    QStringLiteral("DefaultAppBackColor"),
    QStringLiteral("AppItemFont"),
    QStringLiteral("AppItemForeColor"),
    QStringLiteral("MinutesPerSlot"),
    QStringLiteral("AppItemBorderColor"),
    QStringLiteral("AppItemBarBorderColor"),
    QStringLiteral("HighLightColor"),
    QStringLiteral("SlotLineColor"),
    QStringLiteral("BarColor"),
    QStringLiteral("TimeScaleBackColor"),
    QStringLiteral("TimeScaleForeColor"),
    QStringLiteral("SlotsBorderColor"),
    QStringLiteral("AvailableColor"),
    QStringLiteral("UnAvailableColor"),
};

/* Every persisted property set away from its default, in key order. */
void changeEverything(Hourlet &h)
{
    QFont font(QStringLiteral("DejaVu Serif"), 8);
    h.setBackColor(OleColor::fromOle(0x000001));
    h.setControlEnabled(false);
    h.setSelectionHighlight(true);
    h.setControlFont(font);
    h.setBorderStyle(0);
    h.setShowVscroll(false);
    h.setVScrollValue(96);
    h.setActiveDate(OleDate::fromDate(QDate(2026, 5, 1)));
    h.setShowTimeScale(true);
    h.setDateFormat(QStringLiteral("ddd, dd mmm"));
    h.setAppItemBarColor(OleColor::fromOle(0x00FF00));
    h.setAppItemBackColor(OleColor::fromOle(0x000002));
    font.setItalic(true);
    h.setAppItemFont(font);
    h.setAppItemForeColor(OleColor::fromOle(0x000003));
    h.setMinutesPerSlot(Hourlet::ts_15Minute);
    h.setAppItemBorderColor(OleColor::fromOle(0x000004));
    h.setAppItemBarBorderColor(OleColor::fromOle(0x000005));
    h.setHighLightColor(OleColor::fromOle(0x000006));
    h.setSlotLineColor(OleColor::fromOle(0x000007));
    h.setBarColor(OleColor::fromOle(0x000008));
    h.setTimeScaleBackColor(OleColor::fromOle(0x000009));
    h.setTimeScaleForeColor(OleColor::fromOle(0x00000A));
    h.setSlotsBorderColor(OleColor::fromOle(0x00000B));
    h.setAvailableColor(OleColor::fromOle(0x00000C));
    h.setUnAvailableColor(OleColor::fromOle(0x00000D));
}

QVariantList persistedValues(const Hourlet &h)
{
    QVariantList values;
    const QMetaObject *meta = h.metaObject();
    for (const char *name : {"BackColor",
                             "Enabled",
                             "SelectionHighlight",
                             "Font",
                             "BorderStyle",
                             "ShowVscroll",
                             "VScrollValue",
                             "ActiveDate",
                             "ShowTimeScale",
                             "DateFormat",
                             "AppItemBarColor",
                             "AppItemBackColor",
                             "AppItemFont",
                             "AppItemForeColor",
                             "MinutesPerSlot",
                             "AppItemBorderColor",
                             "AppItemBarBorderColor",
                             "HighLightColor",
                             "SlotLineColor",
                             "BarColor",
                             "TimeScaleBackColor",
                             "TimeScaleForeColor",
                             "SlotsBorderColor",
                             "AvailableColor",
                             "UnAvailableColor"})
        values << meta->property(meta->indexOfProperty(name)).read(&h);
    return values;
}

} // namespace

TEST(HourletHost, CreatedByTypeNameAndReachedByName)
{
    std::unique_ptr<ControlBase> control(ControlFactory::create(QStringLiteral("OlvarControls.Hourlet")));
    auto *hourlet = qobject_cast<Hourlet *>(control.get());
    ASSERT_NE(hourlet, nullptr);
    EXPECT_NE(hourlet->findChild<VScrollBar *>(QStringLiteral("vScroll")), nullptr);
    hourlet->InitProperties();
    hourlet->resize(800, 400);

    EXPECT_TRUE(hourlet->setProperty("ActiveDate", QDate(2026, 3, 9)));
    EXPECT_EQ(hourlet->activeDate(), OleDate::fromDate(QDate(2026, 3, 9)));
    EXPECT_TRUE(hourlet->setProperty("MinutesPerSlot", 2));
    EXPECT_EQ(hourlet->minutesPerSlot(), Hourlet::ts_10Minute);
    EXPECT_TRUE(QMetaObject::invokeMethod(hourlet, "UpdateDisplay"));
    EXPECT_TRUE(QMetaObject::invokeMethod(hourlet, "Paint"));

    qint32 result = -1;
    EXPECT_TRUE(QMetaObject::invokeMethod(
        hourlet, "SetAppointment", Q_RETURN_ARG(qint32, result),
        Q_ARG(OlvarControls::OleDate, OleDate::fromDate(testDay())), Q_ARG(OlvarControls::OleDate, timeOfDay(10)),
        Q_ARG(OlvarControls::OleDate, timeOfDay(11)), Q_ARG(QString, QStringLiteral("By name")),
        Q_ARG(QString, QString()), Q_ARG(qint32, 1), Q_ARG(QString, QString()), Q_ARG(QVariant, QVariant(0))));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(hourlet->property("ItemCount").toInt(), 1);

    QVariant detail;
    EXPECT_TRUE(QMetaObject::invokeMethod(hourlet, "GetSelectedAppt", Q_RETURN_ARG(QVariant, detail),
                                          Q_ARG(OlvarControls::Hourlet::Appt_Detail_Type, Hourlet::ad0_ApptID)));
    EXPECT_EQ(detail, QVariant(0));

    const QMetaEnum details = QMetaEnum::fromType<Hourlet::Appt_Detail_Type>();
    EXPECT_EQ(details.keyToValue("ad2_ApptStartCoord"), 1);
    EXPECT_EQ(details.keyToValue("ad1_ApptDate"), 2);
    EXPECT_EQ(QMetaEnum::fromType<Hourlet::Time_Slot_Type>().keyToValue("ts_60Minute"), 6);
}

TEST(HourletProperties, ANewControlHasItsDefaultsAndSavesNothing)
{
    AmbientProperties ambient = AmbientProperties::defaults();
    ambient.font.setPointSize(8); // the size painting leaves the control's font at
    AmbientProperties::setDefaults(ambient);
    Hourlet hourlet;
    QSignalSpy notices(&hourlet, &ControlBase::PropertyChanged);
    hourlet.InitProperties();
    EXPECT_EQ(hourlet.minutesPerSlot(), Hourlet::ts_30Minute);
    EXPECT_FALSE(hourlet.selectionHighlight());
    EXPECT_FALSE(hourlet.showTimeScale());
    EXPECT_EQ(hourlet.dateFormat(), QStringLiteral("dddd mmmm dd, yyyy"));
    EXPECT_EQ(hourlet.activeDate(), OleDate::fromDate(QDate(2026, 3, 4)));
    EXPECT_EQ(hourlet.backColor(), OleColor(0x80000005));
    EXPECT_EQ(hourlet.availableColor(), OleColor(0xB6E4E1));
    EXPECT_EQ(hourlet.vScrollValue(), 224);
    EXPECT_EQ(hourlet.itemCount(), 0);
    EXPECT_EQ(hourlet.sessionId(), 0);
    EXPECT_TRUE(hourlet.subject().isEmpty());
    EXPECT_EQ(notices.count(), 2); // ActiveDate and DateFormat go through their setters

    hourlet.resize(800, 400);
    hourlet.show(); // the first resize scrolls to the top
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hourlet));
    PropertyBag bag;
    hourlet.WriteProperties(bag);
    // A new control's BorderStyle is 0, its key's default 1.
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("BorderStyle")}) << bag.toText().toStdString();

    virtualScheduler().setNow(OleDate::fromDate(QDate(2026, 3, 5)));
    hourlet.WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("BorderStyle"), QStringLiteral("ActiveDate")})); // a later day
}

TEST(HourletProperties, EveryKeyIsWrittenInOrderAndReadBack)
{
    auto saved = shownHourlet();
    saved->setMaximumHeight(400);
    changeEverything(*saved);
    PropertyBag bag;
    saved->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), PersistedKeys);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("AppBarDefaultColor")).value<OleColor>(), OleColor(0x00FF00));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ShowVscroll")), QVariant(false));

    // Through the text form, as a host stores it.
    const PropertyBag stored = PropertyBag::fromText(bag.toText());
    auto restored = shownHourlet();
    QSignalSpy notices(restored.get(), &ControlBase::PropertyChanged);
    restored->ReadProperties(stored);
    EXPECT_EQ(notices.count(), 0);
    EXPECT_EQ(persistedValues(*restored), persistedValues(*saved));
    EXPECT_TRUE(restored->findChild<VScrollBar *>(QStringLiteral("vScroll"))->isHidden());
}

TEST(HourletProperties, TheTimeScaleComesBackAsItWasSaved)
{
    for (bool shown : {false, true}) {
        Hourlet saved;
        saved.InitProperties();
        saved.setShowTimeScale(shown);
        PropertyBag bag;
        saved.WriteProperties(bag);
        EXPECT_EQ(bag.contains(QStringLiteral("ShowTimeScale")), shown);
        Hourlet restored;
        restored.setShowTimeScale(!shown);
        restored.ReadProperties(bag);
        EXPECT_EQ(restored.showTimeScale(), shown);
    }
}

TEST(HourletProperties, ScrollValueKeepsWithinTheScrollBar)
{
    auto hourlet = shownHourlet();
    QSignalSpy changes(hourlet.get(), &Hourlet::VScrollChange);
    hourlet->setVScrollValue(30000);
    EXPECT_EQ(hourlet->vScrollValue(), 432);
    EXPECT_EQ(changes.count(), 1);
    hourlet->setVScrollValue(432);
    EXPECT_EQ(changes.count(), 1); // no change, no event
    expectOleError(ErrorNumber::InvalidPropertyValue, [&] { hourlet->setVScrollValue(-1); });
    expectOleError(ErrorNumber::InvalidPropertyValue,
                   [&] { LateBinding::set(hourlet.get(), QStringLiteral("VScrollValue"), -16); });
    hourlet->setProperty("VScrollValue", -16); // refused without an exception into Qt
    EXPECT_EQ(hourlet->vScrollValue(), 432);

    auto *bar = hourlet->findChild<VScrollBar *>(QStringLiteral("vScroll"));
    hourlet->resize(800, 1000);
    EXPECT_EQ(bar->max(), -160);
    EXPECT_EQ(hourlet->vScrollValue(), 0);
    EXPECT_TRUE(bar->isHidden());
    hourlet->resize(800, 400);
    EXPECT_EQ(bar->max(), 432);
    EXPECT_TRUE(bar->isHidden()); // only ShowVscroll shows it again
    hourlet->setShowVscroll(true);
    EXPECT_FALSE(bar->isHidden());
}

TEST(HourletProperties, ANewActiveDateMovesTheSelectedSlots)
{
    auto hourlet = shownHourlet();
    hourlet->setSelectionHighlight(true);
    hourlet->setVScrollValue(224);
    QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, slotRow(20, 224)));
    QTest::mouseMove(hourlet.get(), QPoint(300, slotRow(21, 224)));
    QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, slotRow(21, 224)));
    const QDate later(2026, 4, 2);
    hourlet->setActiveDate(OleDate::fromDate(later));
    EXPECT_EQ(hourlet->GetSelectedAppt(Hourlet::ad6_ApptTimeStart).value<OleDate>(), at(later, 10));
    EXPECT_EQ(hourlet->GetSelectedAppt(Hourlet::ad7_ApptTimeEnd).value<OleDate>(), at(later, 11));
    EXPECT_EQ(hourlet->sessionDate(), OleDate::fromDate(testDay())); // the selection's own date stays
}

TEST(HourletProperties, SelectionFieldsByDetailType)
{
    const QDate day(2005, 5, 5);
    auto hourlet = shownHourlet();
    hourlet->setActiveDate(OleDate::fromDate(day));
    hourlet->setVScrollValue(224);
    QTest::mouseClick(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, slotRow(20, 224)));
    EXPECT_EQ(hourlet->GetSelectedAppt(Hourlet::ad2_ApptStartCoord), QVariant(379));
    EXPECT_EQ(hourlet->GetSelectedAppt(Hourlet::ad1_ApptDate).value<OleDate>(), OleDate::fromDate(day));
    EXPECT_EQ(hourlet->GetSelectedAppt(Hourlet::ad8_ApptDeleted), QVariant::fromValue(quint8(0)));
    EXPECT_FALSE(hourlet->GetSelectedAppt(Hourlet::ad11_Font).isValid());
    EXPECT_FALSE(hourlet->GetSelectedAppt(Hourlet::ad15_AppBarBorderColor).isValid());
    EXPECT_FALSE(hourlet->GetSelectedAppt(Hourlet::ad16_AppBorderColor).isValid());
    EXPECT_FALSE(hourlet->GetSelectedAppt(99).isValid());
    EXPECT_FALSE(hourlet->GetSelectedAppt(-1).isValid());
    EXPECT_EQ(hourlet->startTime(), QStringLiteral("05/05/2005 10:00:00"));
}

TEST(HourletProperties, SettersSendTheirChangeNotices)
{
    Hourlet hourlet;
    QSignalSpy notices(&hourlet, &ControlBase::PropertyChanged);
    hourlet.setSelectionHighlight(true);
    hourlet.setConnectionString(QStringLiteral("x"));
    hourlet.setConnectionString(QString());
    hourlet.setResource(4);
    EXPECT_EQ(notices.count(), 0);
    hourlet.setBarColor(OleColor::fromOle(0x123456));
    hourlet.setAppItemBarColor(OleColor::fromOle(0x654321));
    hourlet.setActiveDate(OleDate::fromDate(testDay()));
    hourlet.setVScrollValue(16);
    ASSERT_EQ(notices.count(), 4);
    EXPECT_EQ(notices.at(0).at(0).toString(), QStringLiteral("BarColor"));
    EXPECT_EQ(notices.at(1).at(0).toString(), QStringLiteral("AppItemBarColor"));
    EXPECT_EQ(notices.at(2).at(0).toString(), QStringLiteral("ActiveDate"));
    EXPECT_EQ(notices.at(3).at(0).toString(), QStringLiteral("VScrollValue"));
}

TEST(HourletProperties, AnySixteenBitSlotLengthIsKept)
{
    for (const qint32 saved : {99, -1, 32767, -32768}) {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("MinutesPerSlot"), saved);
        auto hourlet = shownHourlet();
        hourlet->ReadProperties(bag);
        EXPECT_EQ(qint32(hourlet->minutesPerSlot()), saved);
        PropertyBag again;
        hourlet->WriteProperties(again);
        EXPECT_EQ(again.ReadProperty(QStringLiteral("MinutesPerSlot")), QVariant(saved));
    }
    PropertyBag tooLarge;
    tooLarge.WriteProperty(QStringLiteral("MinutesPerSlot"), 40000);
    auto hourlet = shownHourlet();
    try {
        hourlet->ReadProperties(tooLarge);
        ADD_FAILURE() << "40000 was taken";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST(HourletProperties, ActiveDatesOutsideTheDateRangeAreRefused)
{
    for (const double days : {std::nan(""), HUGE_VAL, 1e308, -1e308, 2958466.0, -657435.0}) {
        auto hourlet = shownHourlet();
        const OleDate before = hourlet->activeDate();
        try {
            hourlet->setActiveDate(OleDate(days));
            ADD_FAILURE() << days;
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), 380);
        }
        EXPECT_EQ(hourlet->activeDate(), before);

        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(OleDate(days)));
        try {
            hourlet->ReadProperties(bag);
            ADD_FAILURE() << days;
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), 380);
        }
        EXPECT_EQ(hourlet->activeDate(), before);
    }
    EXPECT_EQ(messageBoxes().count(), 0);
}
