// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "analogclock.h"
#include "calendar.h"
#include "controlfactory.h"
#include "hourlet.h"
#include "latebinding.h"
#include "messagelog.h"
#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "periodictimer.h"
#include "propertybag.h"
#include "testenvironment.h"
#include "weekview.h"

#include "ui_everycontrol.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QFile>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QUiLoader>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace OlvarControls;
using OlvarTest::MessageLog;
using OlvarTest::virtualScheduler;

namespace {

/* One property the form sets, and what the control must hold afterwards. */
struct Expected
{
    const char *control;
    const char *property;
    QVariant value;
};

QVariant rgb(int red, int green, int blue)
{
    return QVariant::fromValue(OleColor::fromRgb(red, green, blue));
}

QVariant day(int year, int month, int dayOfMonth)
{
    return QVariant::fromValue(OleDate::fromDate(QDate(year, month, dayOfMonth)));
}

/* A font is compared by the family and size the form gives it. */
QVariant font(const char *family, int pointSize)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(family)).arg(pointSize);
}

/* Every value everycontrol.ui sets, as the controls report it. */
std::vector<Expected> everyValue()
{
    std::vector<Expected> values{
        {"hourlet", "BackColor", rgb(1, 2, 3)},
        {"hourlet", "AppItemBarColor", rgb(200, 0, 0)},
        {"hourlet", "AppItemBackColor", rgb(4, 5, 6)},
        {"hourlet", "AppItemForeColor", rgb(7, 8, 9)},
        {"hourlet", "AppItemBorderColor", rgb(10, 11, 12)},
        {"hourlet", "AppItemBarBorderColor", rgb(13, 14, 15)},
        {"hourlet", "HighLightColor", rgb(16, 17, 18)},
        {"hourlet", "SlotLineColor", rgb(19, 20, 21)},
        {"hourlet", "BarColor", rgb(22, 23, 24)},
        {"hourlet", "TimeScaleBackColor", rgb(25, 26, 27)},
        {"hourlet", "TimeScaleForeColor", rgb(28, 29, 30)},
        {"hourlet", "SlotsBorderColor", rgb(31, 32, 33)},
        {"hourlet", "AvailableColor", rgb(34, 35, 36)},
        {"hourlet", "UnAvailableColor", rgb(37, 38, 39)},
        {"hourlet", "Enabled", false},
        {"hourlet", "Font", font("DejaVu Sans", 8)}, // painting keeps the day view's font at 8 points
        {"hourlet", "BorderStyle", QVariant::fromValue(qint16(0))},
        {"hourlet", "ShowVscroll", false},
        {"hourlet", "VScrollValue", QVariant::fromValue(qint16(96))},
        {"hourlet", "ShowTimeScale", true},
        {"hourlet", "DateFormat", QStringLiteral("dd mmm yyyy")},
        {"hourlet", "SelectionHighlight", true},
        {"hourlet", "AppItemFont", font("DejaVu Serif", 9)},
        {"hourlet", "ActiveDate", day(2026, 3, 11)},
        {"hourlet", "MinutesPerSlot", QVariant::fromValue(Hourlet::ts_15Minute)},
        {"hourlet", "WorkDayStart", QVariant::fromValue(OleDate::fromTime(QTime(8, 0)))},
        {"hourlet", "WorkDayEnd", QVariant::fromValue(OleDate::fromTime(QTime(18, 30)))},
        {"hourlet", "ShowNowLine", true},
        {"hourlet", "NowLineColor", rgb(91, 92, 93)},
        {"hourlet", "OverlapLayout", true},
        {"hourlet", "KeyboardSelection", true},
        {"hourlet", "AllowDragEdit", true},
        {"weekView", "ActiveDate", day(2026, 3, 18)},
        {"weekView", "BackColor", rgb(41, 42, 43)},
        {"weekView", "ForeColor", rgb(44, 45, 46)},
        {"weekView", "BarColor", rgb(47, 48, 49)},
        {"weekView", "AppItemBackColor", rgb(50, 51, 52)},
        {"weekView", "AppItemBarBorderColor", rgb(53, 54, 55)},
        {"weekView", "AppItemBarColor", rgb(56, 57, 58)},
        {"weekView", "AppItemBorderColor", rgb(59, 60, 61)},
        {"weekView", "AppItemForeColor", rgb(62, 63, 64)},
        {"weekView", "AvailableColor", rgb(65, 66, 67)},
        {"weekView", "SlotLineColor", rgb(68, 69, 70)},
        {"weekView", "SlotsBorderColor", rgb(71, 72, 73)},
        {"weekView", "TimeScaleBackColor", rgb(74, 75, 76)},
        {"weekView", "TimeScaleForeColor", rgb(77, 78, 79)},
        {"weekView", "UnAvailableColor", rgb(80, 81, 82)},
        {"weekView", "HighLightColor", rgb(83, 84, 85)},
        {"weekView", "Enabled", false},
        {"weekView", "Font", font("DejaVu Sans Mono", 10)},
        {"weekView", "BackStyle", QVariant::fromValue(qint16(1))},
        {"weekView", "BorderStyle", QVariant::fromValue(qint16(1))},
        {"weekView", "ShowVscroll", false},
        {"weekView", "ShowTimeScale", false},
        {"weekView", "DateFormat", QStringLiteral("ddd dd")},
        {"weekView", "VScrollValue", QVariant::fromValue(qint16(320))},
        {"weekView", "SelectionHighlight", true},
        {"weekView", "AppItemFont", font("DejaVu Serif", 12)},
        {"weekView", "WorkDayStart", QVariant::fromValue(OleDate::fromTime(QTime(7, 0)))},
        {"weekView", "WorkDayEnd", QVariant::fromValue(OleDate::fromTime(QTime(19, 30)))},
        {"weekView", "ShowNowLine", true},
        {"weekView", "NowLineColor", rgb(94, 95, 96)},
        {"weekView", "OverlapLayout", true},
        {"weekView", "KeyboardSelection", true},
        {"weekView", "AllowDragEdit", true},
        {"calendar", "UpDownVisible", false},
        {"calendar", "Text", QStringLiteral("28/02/2024")},
        {"calendar", "Enabled", false},
        {"calendar", "Font", font("DejaVu Sans", 10)},
        {"calendar", "BackColor", rgb(90, 91, 92)},
        {"calendar", "ForeColor", rgb(93, 94, 95)},
        {"calendar", "BorderStyle", QVariant::fromValue(qint16(0))},
        {"calendar", "ButtonToday", false},
        {"calendar", "ButtonNone", false},
        {"calendar", "ButtonTodayText", QStringLiteral("Now")},
        {"calendar", "ButtonNoneText", QStringLiteral("Clear")},
        {"calendar", "Calendar", false},
        {"calendar", "DateFormat", QStringLiteral("dd/mm/yyyy")},
        {"periodicTimer", "TimerMode", QVariant::fromValue(PeriodicTimer::OneTime)},
        {"periodicTimer", "Interval", QVariant::fromValue(qint32(500))},
        {"periodicTimer", "MinuteInterval", QVariant::fromValue(qint16(2))},
        {"periodicTimer", "HourInterval", QVariant::fromValue(qint16(1))},
        {"periodicTimer", "Enabled", false},
        {"analogClock", "BackColor", rgb(100, 101, 102)},
        {"analogClock", "BackStyle", QVariant::fromValue(qint16(0))},
        {"analogClock", "BorderStyle", QVariant::fromValue(qint16(1))},
    };
    return values;
}

QVariant comparable(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QFont>()) {
        const QFont font = value.value<QFont>();
        return QStringLiteral("%1 %2").arg(font.families().value(0)).arg(font.pointSize());
    }
    return value;
}

/* Checks that \a form holds every control of everycontrol.ui with every value it sets, running as made in code. */
void expectEveryValue(QWidget *form)
{
    std::map<std::string, std::set<std::string>> checked;
    for (const Expected &expected : everyValue()) {
        auto *control = form->findChild<ControlBase *>(QString::fromLatin1(expected.control));
        ASSERT_NE(control, nullptr) << expected.control;
        EXPECT_TRUE(control->ambientUserMode()) << expected.control;
        const QVariant actual = comparable(control->property(expected.property));
        EXPECT_EQ(actual, expected.value)
            << expected.control << "." << expected.property << ": " << actual.toString().toStdString();
        checked[expected.control].insert(expected.property);
    }
    // The form sets every designable property each control declares.
    for (const auto &[name, properties] : checked) {
        const QObject *control = form->findChild<ControlBase *>(QString::fromStdString(name));
        const QMetaObject *meta = control->metaObject();
        for (int index = ControlBase::staticMetaObject.propertyCount(); index < meta->propertyCount(); ++index) {
            const QMetaProperty property = meta->property(index);
            if (property.isWritable() && property.isDesignable() && property.isStored()) {
                EXPECT_EQ(properties.count(property.name()), 1u) << name << " leaves out " << property.name();
            }
        }
    }
}

QUiLoader &loaderWithPlugin(QUiLoader &loader)
{
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(OLVAR_DESIGNER_PLUGIN_DIR));
    return loader;
}

std::unique_ptr<QWidget> loadForm(QIODevice *device)
{
    QUiLoader loader;
    return std::unique_ptr<QWidget>(loaderWithPlugin(loader).load(device));
}

} // namespace

TEST(Forms, UicBuildsEveryControlWithEveryDesignableProperty)
{
    QWidget host;
    Ui::EveryControl ui;
    ui.setupUi(&host);
    EXPECT_EQ(ui.hourlet->appItemBarColor(), OleColor::fromRgb(200, 0, 0));
    EXPECT_EQ(ui.calendar->date(), QDate(2024, 2, 28));
    expectEveryValue(&host);
}

TEST(Forms, QUiLoaderBuildsTheSameFormThroughTheDesignerPlugin)
{
    QUiLoader loader;
    const QStringList available = loaderWithPlugin(loader).availableWidgets();
    EXPECT_TRUE(available.contains(QStringLiteral("OlvarControls::Hourlet")));
    QFile file(QStringLiteral(OLVAR_EVERY_CONTROL_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    EXPECT_NE(form->findChild<Hourlet *>(QStringLiteral("hourlet")), nullptr);
    expectEveryValue(form.get());
}

TEST(Forms, EveryWritablePropertyHasAChangeSignalThatQSignalSpyRecords)
{
    QWidget host;
    Ui::EveryControl ui;
    ui.setupUi(&host);
    for (const Expected &expected : everyValue()) {
        const ControlBase *source = host.findChild<ControlBase *>(QString::fromLatin1(expected.control));
        const std::unique_ptr<ControlBase> fresh(ControlFactory::create(source->typeName()));
        ASSERT_NE(fresh, nullptr) << expected.control;
        const QMetaObject *meta = fresh->metaObject();
        const QMetaProperty property = meta->property(meta->indexOfProperty(expected.property));
        ASSERT_TRUE(property.hasNotifySignal()) << expected.control << "." << expected.property;
        QSignalSpy changes(fresh.get(), property.notifySignal());
        ASSERT_TRUE(changes.isValid()) << expected.control << "." << expected.property;
        EXPECT_TRUE(fresh->setProperty(expected.property, source->property(expected.property)));
        ASSERT_GE(changes.count(), 1) << expected.control << "." << expected.property;
        EXPECT_EQ(comparable(changes.last().value(0)), comparable(fresh->property(expected.property)))
            << expected.control << "." << expected.property;
    }
    // Those the form cannot set (connection string, resource) have one too.
    for (const ControlBase *control : host.findChildren<ControlBase *>(Qt::FindDirectChildrenOnly)) {
        const QMetaObject *meta = control->metaObject();
        for (int index = ControlBase::staticMetaObject.propertyCount(); index < meta->propertyCount(); ++index) {
            const QMetaProperty property = meta->property(index);
            if (property.isWritable()) {
                EXPECT_TRUE(property.hasNotifySignal()) << meta->className() << "." << property.name();
            }
        }
    }
}

TEST(Forms, AControlLoadedAtRunTimeRunsAsOneMadeInCode)
{
    QBuffer ui;
    ui.setData(R"(<ui version="4.0"><widget class="QWidget" name="form">
        <widget class="OlvarControls::PeriodicTimer" name="timer">
         <property name="Interval"><number>500</number></property>
        </widget>
        <widget class="OlvarControls::Calendar" name="date">
         <property name="Text" stdset="0"><string>01/02/2024</string></property>
        </widget>
       </widget></ui>)");
    const std::unique_ptr<QWidget> form = loadForm(&ui);
    ASSERT_NE(form, nullptr);
    auto *timer = form->findChild<PeriodicTimer *>(QStringLiteral("timer"));
    ASSERT_NE(timer, nullptr);
    QSignalSpy ticks(timer, &PeriodicTimer::Timer);
    virtualScheduler().advance(501);
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(form->findChild<Calendar *>(QStringLiteral("date"))->text(), QVariant(QStringLiteral("01/02/2024")));
}

TEST(Forms, AMetaObjectWriteRefusesWithoutThrowingWhileTypedCallsAndLateBindingRaise)
{
    QWidget host;
    AmbientProperties designing;
    designing.userMode = false;
    ControlBase::setAmbientProperties(&host, designing);
    Calendar calendar(&host);
    MessageLog log("olvar.properties", QtWarningMsg);

    // QUiLoader's and Designer's path: no exception, the value stays, a warning says why.
    calendar.setProperty("Text", QStringLiteral("01/02/2024"));
    EXPECT_EQ(calendar.text(), QVariant(QString()));
    calendar.setProperty("BorderStyle", 7);
    EXPECT_EQ(calendar.borderStyle(), 1);
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages.first().contains(QStringLiteral("Set not permitted")))
        << log.messages.first().toStdString();

    // The property page's path keeps the error numbers; typed calls raise them.
    try {
        LateBinding::set(&calendar, QStringLiteral("Text"), QStringLiteral("01/02/2024"));
        ADD_FAILURE() << "no error";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::SetNotPermitted);
    }
    try {
        LateBinding::set(&calendar, QStringLiteral("BorderStyle"), 7);
        ADD_FAILURE() << "no error";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidPropertyValue);
    }
    EXPECT_THROW(calendar.setDate(QDate(2024, 2, 1)), OleError);
    EXPECT_EQ(log.messages.size(), 2);

    AnalogClock clock;
    clock.setProperty("BackStyle", 2);
    EXPECT_EQ(clock.backStyle(), 1);
    Hourlet day;
    day.setProperty("VScrollValue", -5);
    EXPECT_EQ(day.vScrollValue(), 224);
    EXPECT_EQ(log.messages.size(), 4);
}

namespace {

/* A day view whose handler of posted events fails, as any of a control's event handlers might. */
class FailingDayView : public Hourlet
{
protected:
    void customEvent(QEvent *) override { throw OleError(ErrorNumber::InvalidProcedureCall); }
};

} // namespace

TEST(Forms, QueuedCallsEventHandlersAndTimerTicksKeepTheirErrorsOutOfTheEventLoop)
{
    MessageLog log("olvar.events", QtWarningMsg);
    FailingDayView failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&failing);
    ASSERT_EQ(log.messages.size(), 1);
    EXPECT_TRUE(log.messages.first().contains(QStringLiteral("Invalid procedure call")))
        << log.messages.first().toStdString();
    log.messages.clear();

    WeekView week;
    // No column is active yet: the call raises error 91, which stops at the control.
    ASSERT_TRUE(QMetaObject::invokeMethod(&week, "DeleteAppointment", Qt::QueuedConnection, Q_ARG(qint32, 5)));
    QCoreApplication::processEvents();
    ASSERT_EQ(log.messages.size(), 1);
    EXPECT_TRUE(log.messages.first().contains(QStringLiteral("Object variable"))) << log.messages.first().toStdString();

    PeriodicTimer timer;
    timer.setInterval(100);
    int ticks = 0;
    QObject::connect(&timer, &PeriodicTimer::Timer, [&ticks] {
        ++ticks;
        throw std::runtime_error("the host's handler failed");
    });
    virtualScheduler().advance(101); // the handler's error stops at the tick
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(log.messages.size(), 2);
}

TEST(Forms, QDataWidgetMapperReadsAndWritesTheDateEntrysDate)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QDate(2026, 3, 4));
    Calendar calendar;
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.addMapping(&calendar, 0); // through the USER property, date
    mapper.toFirst();
    EXPECT_EQ(calendar.text(), QVariant(QStringLiteral("04/03/2026")));
    calendar.setDate(QDate(2026, 3, 5));
    ASSERT_TRUE(mapper.submit());
    EXPECT_EQ(model.data(model.index(0, 0)).toDate(), QDate(2026, 3, 5));
}

TEST(Forms, TheDateEntryHasATypedDateThatSignalsOncePerChange)
{
    Calendar calendar;
    QSignalSpy changes(&calendar, &Calendar::dateChanged);
    ASSERT_TRUE(changes.isValid());
    const QMetaProperty user = Calendar::staticMetaObject.userProperty();
    EXPECT_STREQ(user.name(), "date");
    EXPECT_TRUE(user.hasNotifySignal());

    EXPECT_TRUE(QSignalSpy(&calendar, &Calendar::KeyDown).isValid()); // plain values, as QSignalSpy records them
    calendar.setDate(QDate(2024, 2, 28));
    EXPECT_EQ(calendar.text(), QVariant(QStringLiteral("28/02/2024")));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.last().first().toDate(), QDate(2024, 2, 28));
    calendar.setText(QStringLiteral("28/02/2024")); // the same date again
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(calendar.setProperty("date", QDate(2024, 3, 1)));
    EXPECT_EQ(changes.count(), 2);
    calendar.setDate(QDate());
    EXPECT_EQ(calendar.text(), QVariant(QString()));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_FALSE(changes.last().first().toDate().isValid());

    // Typing changes the date once, when the edit is finished, not with every key.
    auto *box = calendar.findChild<QLineEdit *>(QStringLiteral("TxtDate"));
    QTest::keyClicks(box, QStringLiteral("1.2.2024"));
    EXPECT_EQ(box->text(), QStringLiteral("1/2/2024"));
    EXPECT_EQ(changes.count(), 3);
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(changes.count(), 4);
    EXPECT_EQ(changes.last().first().toDate(), QDate(2024, 2, 1));
}

// Hosts run in every locale: each control is made, initialised, saved and
// restored in each of them without an error escaping.
TEST(EveryLocale, EveryControlIsMadeSavedAndRestored)
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QStringList failures;
    for (const QLocale &locale : locales) {
        const OlvarTest::LocaleScope scope(locale);
        for (const QString &typeName : ControlFactory::typeNames()) {
            try {
                std::unique_ptr<ControlBase> made(ControlFactory::create(typeName));
                made->InitProperties();
                PropertyBag bag;
                made->WriteProperties(bag);
                std::unique_ptr<ControlBase> restored(ControlFactory::create(typeName));
                restored->ReadProperties(bag);
            } catch (const std::exception &error) {
                failures << locale.name() + QLatin1Char(' ') + typeName + QLatin1Char(' ')
                        + QString::fromLocal8Bit(error.what());
            }
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " of " << locales.size()
                                    << " locales, first: " << qPrintable(failures.value(0));
}
