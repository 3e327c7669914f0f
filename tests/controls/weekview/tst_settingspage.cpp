// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetext.h"
#include "hourlet.h"
#include "hourlettesthelpers.h"
#include "oleerror.h"
#include "settings.h"
#include "twips.h"
#include "weekview.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;

/* An object with the page's eight properties that writes down every assignment. */
class RecordingControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool SelectionHighlight MEMBER selectionHighlight WRITE setSelectionHighlight)
    Q_PROPERTY(QString DateFormat MEMBER dateFormat WRITE setDateFormat)
    Q_PROPERTY(bool ShowTimeScale MEMBER showTimeScale WRITE setShowTimeScale)
    Q_PROPERTY(qint16 VScrollValue MEMBER vScrollValue WRITE setVScrollValue)
    Q_PROPERTY(bool ShowVscroll MEMBER showVscroll WRITE setShowVscroll)
    Q_PROPERTY(qint16 BorderStyle MEMBER borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Enabled MEMBER enabled WRITE setEnabled)
    Q_PROPERTY(OlvarControls::OleDate ActiveDate MEMBER activeDate WRITE setActiveDate)

public:
    void setSelectionHighlight(bool v) { record("SelectionHighlight", selectionHighlight = v); }
    void setDateFormat(const QString &v) { record("DateFormat", dateFormat = v); }
    void setShowTimeScale(bool v) { record("ShowTimeScale", showTimeScale = v); }
    void setVScrollValue(qint16 v) { record("VScrollValue", vScrollValue = v); }
    void setShowVscroll(bool v) { record("ShowVscroll", showVscroll = v); }
    void setBorderStyle(qint16 v) { record("BorderStyle", borderStyle = v); }
    void setEnabled(bool v) { record("Enabled", enabled = v); }
    void setActiveDate(OleDate v) { record("ActiveDate", DateText::general(activeDate = v)); }

    QStringList writes;
    bool selectionHighlight = true;
    QString dateFormat = QStringLiteral("dd/mm");
    bool showTimeScale = false;
    qint16 vScrollValue = 96;
    bool showVscroll = true;
    qint16 borderStyle = 0;
    bool enabled = true;
    OleDate activeDate = OleDate::fromDateAndTime(QDate(2026, 3, 11), QTime(9, 30));

private:
    void record(const char *name, const QVariant &value)
    {
        writes << QString::fromLatin1(name) + QLatin1Char('=') + value.toString();
    }
};

namespace {

template <typename T>
T *child(const Settings &page, const char *name)
{
    T *widget = page.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

int errorNumberOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const OleError &error) {
        return error.number();
    }
    return 0;
}

const QStringList AllWrites{
    QStringLiteral("SelectionHighlight=true"),
    QStringLiteral("DateFormat=dd/mm"),
    QStringLiteral("ShowTimeScale=false"),
    QStringLiteral("VScrollValue=96"),
    QStringLiteral("ShowVscroll=true"),
    QStringLiteral("BorderStyle=1"),
    QStringLiteral("Enabled=true"),
    QStringLiteral("ActiveDate=11/03/2026 09:30:00"),
};

} // namespace

TEST(SettingsPage, HasItsTwelveChildrenInTabOrderWithTheirCaptionsAndTwipsGeometry)
{
    Settings page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(page.size(), QSize(395, 233));
    struct Expected
    {
        const char *name;
        const char *caption;
        QRect twips;
    };
    const Expected expected[] = {
        {"lblActiveDate", "Active Date:", QRect(90, 120, 2700, 240)},
        {"txtActiveDate", nullptr, QRect(90, 370, 2700, 330)},
        {"chkEnabled", "Enabled", QRect(3000, 360, 2700, 285)},
        {"lblBorderStyle", "Border Style:", QRect(90, 840, 2700, 240)},
        {"txtBorderStyle", nullptr, QRect(90, 1065, 2700, 330)},
        {"chkShowVscroll", "Show Vscroll", QRect(3000, 1080, 2700, 285)},
        {"lblVScrollValue", "VScrol lValue:", QRect(90, 1515, 2700, 240)},
        {"txtVScrollValue", nullptr, QRect(90, 1770, 2700, 330)},
        {"chkShowTimeScale", "Show Time Scale", QRect(3000, 1800, 2700, 285)},
        {"lblDateFormat", "Date Format:", QRect(90, 2235, 2700, 240)},
        {"txtDateFormat", nullptr, QRect(90, 2490, 2700, 330)},
        {"chkSelectionHighligh", "Selection Highlight", QRect(3000, 2520, 2700, 285)},
    };
    const QList<QWidget *> children = page.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 12);
    for (int i = 0; i < 12; ++i) {
        QWidget *widget = children[i];
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(widget->geometry(), Twips::toPixels(expected[i].twips)) << expected[i].name;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            EXPECT_EQ(label->text(), QString::fromLatin1(expected[i].caption));
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            EXPECT_EQ(box->text(), QString::fromLatin1(expected[i].caption));
        } else {
            EXPECT_NE(qobject_cast<QLineEdit *>(widget), nullptr) << expected[i].name;
        }
        if (i + 1 < 12) {
            EXPECT_EQ(widget->nextInFocusChain(), children[i + 1]) << expected[i].name;
        }
    }
}

TEST(SettingsPage, LoadsFromTheFirstSelectedDayView)
{
    Hourlet first;
    first.InitProperties();
    first.setSelectionHighlight(true);
    first.setDateFormat(QStringLiteral("ddd dd"));
    first.setShowTimeScale(true);
    first.setShowVscroll(false);
    first.setBorderStyle(1);
    first.setActiveDate(OleDate::fromDateAndTime(QDate(2026, 3, 9), QTime(14, 0)));
    Hourlet second;
    second.InitProperties();

    Settings page;
    QSignalSpy changes(&page, &Settings::changedChanged);
    page.setSelectedControls({&first, &second});
    EXPECT_EQ(page.selectedControls(), (QList<QObject *>{&first, &second}));
    EXPECT_TRUE(child<QCheckBox>(page, "chkSelectionHighligh")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtDateFormat")->text(), QStringLiteral("ddd dd"));
    EXPECT_TRUE(child<QCheckBox>(page, "chkShowTimeScale")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtVScrollValue")->text(), QString::number(first.vScrollValue()));
    EXPECT_FALSE(child<QCheckBox>(page, "chkShowVscroll")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtBorderStyle")->text(), QStringLiteral("1"));
    EXPECT_TRUE(child<QCheckBox>(page, "chkEnabled")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtActiveDate")->text(), QStringLiteral("09/03/2026 14:00:00"));
    // Loading changed the editors, which marks the page changed.
    EXPECT_TRUE(page.changed());
    EXPECT_EQ(changes.count(), 1);

    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    page.setChanged(false);
    QCheckBox *enabled = child<QCheckBox>(page, "chkEnabled");
    QTest::mouseClick(enabled, Qt::LeftButton, Qt::NoModifier, QPoint(6, enabled->height() / 2));
    EXPECT_FALSE(enabled->isChecked());
    EXPECT_TRUE(page.changed());
    QLineEdit *format = child<QLineEdit>(page, "txtDateFormat");
    format->setFocus();
    page.setChanged(false);
    QTest::keyClick(format, Qt::Key_X);
    EXPECT_EQ(format->text(), QStringLiteral("ddd ddx"));
    EXPECT_TRUE(page.changed());
}

TEST(SettingsPage, AppliesAllEightInOrderToTheFirstSelectedObjectOnly)
{
    RecordingControl first;
    RecordingControl second;
    Settings page;
    page.setSelectedControls({&first, &second});
    child<QLineEdit>(page, "txtBorderStyle")->setText(QStringLiteral("1"));
    page.ApplyChanges();
    EXPECT_EQ(first.writes, AllWrites);
    EXPECT_EQ(first.borderStyle, 1);
    EXPECT_TRUE(second.writes.isEmpty());
    EXPECT_FALSE(page.changed());

    // Texts are converted as the platform converts them; a grey check box counts as unchecked.
    first.writes.clear();
    child<QLineEdit>(page, "txtVScrollValue")->setText(QStringLiteral(" 32.5 "));
    child<QCheckBox>(page, "chkSelectionHighligh")->setCheckState(Qt::PartiallyChecked);
    page.ApplyChanges();
    EXPECT_EQ(first.vScrollValue, 32);
    EXPECT_FALSE(first.selectionHighlight);
}

TEST(SettingsPage, AFailedConversionStopsApplyAtThatProperty)
{
    RecordingControl control;
    Settings page;
    page.setSelectedControls({&control});
    child<QLineEdit>(page, "txtBorderStyle")->setText(QStringLiteral("1"));
    child<QLineEdit>(page, "txtVScrollValue")->setText(QStringLiteral("abc"));
    EXPECT_EQ(errorNumberOf([&] { page.ApplyChanges(); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(control.writes, AllWrites.mid(0, 3));
    EXPECT_TRUE(page.changed());

    control.writes.clear();
    child<QLineEdit>(page, "txtVScrollValue")->setText(QStringLiteral("96"));
    child<QLineEdit>(page, "txtBorderStyle")->setText(QStringLiteral("70000"));
    EXPECT_EQ(errorNumberOf([&] { page.ApplyChanges(); }), ErrorNumber::Overflow);
    EXPECT_EQ(control.writes, AllWrites.mid(0, 5));

    control.writes.clear();
    child<QLineEdit>(page, "txtBorderStyle")->setText(QStringLiteral("1"));
    child<QLineEdit>(page, "txtActiveDate")->setText(QStringLiteral("31/02/2026"));
    EXPECT_EQ(errorNumberOf([&] { page.ApplyChanges(); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(control.writes, AllWrites.mid(0, 7));
}

TEST(SettingsPage, ObjectsWithoutThePropertiesAndEmptySelectionsAreHandled)
{
    Settings page;
    page.ApplyChanges(); // nothing selected: nothing to do
    page.setSelectedControls({});
    EXPECT_FALSE(page.changed());

    QObject plain;
    EXPECT_EQ(errorNumberOf([&] { page.setSelectedControls({&plain}); }), ErrorNumber::NotSupported);
    EXPECT_EQ(errorNumberOf([&] { page.ApplyChanges(); }), ErrorNumber::NotSupported);

    auto gone = std::make_unique<RecordingControl>();
    page.setSelectedControls({gone.get()});
    gone.reset();
    EXPECT_EQ(errorNumberOf([&] { page.ApplyChanges(); }), ErrorNumber::ObjectNotSet);
}

TEST(SettingsPage, WorksForTheWeekViewThroughItsSetters)
{
    WeekView view;
    view.InitProperties();
    view.setActiveDate(OleDate::fromDate(QDate(2026, 3, 11)));
    Settings page;
    page.setSelectedControls({&view});
    EXPECT_FALSE(child<QCheckBox>(page, "chkSelectionHighligh")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(page, "chkShowTimeScale")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtActiveDate")->text(), QStringLiteral("11/03/2026"));

    child<QCheckBox>(page, "chkSelectionHighligh")->setChecked(true);
    child<QLineEdit>(page, "txtDateFormat")->setText(QStringLiteral("dd mmm"));
    child<QLineEdit>(page, "txtActiveDate")->setText(QStringLiteral("20/03/2026"));
    page.ApplyChanges();
    EXPECT_TRUE(view.selectionHighlight());
    EXPECT_TRUE(view.column(3)->selectionHighlight());
    EXPECT_EQ(view.column(5)->dateFormat(), QStringLiteral("dd mmm"));
    EXPECT_EQ(view.activeDate(), OleDate::fromDate(QDate(2026, 3, 20)));
    EXPECT_EQ(view.column(6)->activeDate(), OleDate::fromDate(QDate(2026, 3, 16)));
}

#include "tst_settingspage.moc"
