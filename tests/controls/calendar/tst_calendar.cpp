// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendartesthelpers.h"

#include "dateentrylayout.h"
#include "dateentrytext.h"
#include "datekeyfilter.h"
#include "msgbox.h"
#include "oleerror.h"
#include "olevariant.h"
#include "propertybag.h"
#include "twips.h"
#include "updownarrows.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace OlvarControls;
using CalendarTest::child;
using CalendarTest::DateEntryHost;
using CalendarTest::dateOf;
using CalendarTest::dayCell;
using OlvarTest::messageBoxes;

namespace {

class DateEntry : public CalendarTest::CalendarTestBase
{
protected:
    QToolButton *arrow(const DateEntryHost &entry, const char *name) const
    {
        return child<QToolButton>(child<UpDownArrows>(entry.control, QStringLiteral("UpDown")),
                                  QString::fromLatin1(name));
    }

    void leave(const DateEntryHost &entry) const { entry.other->setFocus(); }
};

} // namespace

TEST(DateKeyFilter, LetsDigitsAndSeparatorsThrough)
{
    EXPECT_EQ(DateKeyFilter::filter(QStringLiteral("1.2:3/4\\5")), QStringLiteral("1/2/3/4/5"));
    EXPECT_EQ(DateKeyFilter::filter(QStringLiteral("a-b 7,x")), QStringLiteral("7"));
    EXPECT_EQ(DateKeyFilter::filter(QChar(8)), QChar(8));
    EXPECT_FALSE(DateKeyFilter::filter(QChar(u'\u0663')).has_value()); // an Arabic-Indic three
}

TEST(DateEntryLayout, SitsTheButtonsOverTheTextBoxsRightEnd)
{
    const DateEntryLayout designed(QSize(1895, 300));
    EXPECT_EQ(designed.text(), QRect(0, 0, 1895, 300));
    EXPECT_EQ(designed.dropButton(), QRect(1625, 30, 240, 240));
    EXPECT_EQ(designed.upDown(), QRect(1385, 30, 240, 240));

    const DateEntryLayout narrow(QSize(1000, 450));
    EXPECT_EQ(narrow.size(), QSize(1380, 450));
    EXPECT_EQ(narrow.dropButton(), QRect(1110, 30, 240, 390));
    EXPECT_EQ(DateEntryLayout(QSize(2000, 40)).upDown().height(), 0);
}

TEST(DateEntryText, ReadsItsOwnTextInThePatternsOrder)
{
    const QString dayFirst = QStringLiteral("dd/mm/yyyy");
    EXPECT_TRUE(DateEntryText::writesDayFirst(dayFirst));
    EXPECT_TRUE(DateEntryText::writesDayFirst(QStringLiteral("h:mm d/M/yy")));
    EXPECT_FALSE(DateEntryText::writesDayFirst(QStringLiteral("mm/dd/yyyy")));
    EXPECT_FALSE(DateEntryText::writesDayFirst(QStringLiteral("dddd mmmm dd, yyyy")));
    EXPECT_FALSE(DateEntryText::writesDayFirst(QStringLiteral("\"d\" mm/dd")));

    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    EXPECT_EQ(DateEntryText::read(QStringLiteral("05/03/2024"), dayFirst), dateOf(2024, 3, 5));
    EXPECT_EQ(DateEntryText::read(QStringLiteral("05/03/2024"), QStringLiteral("mm/dd/yyyy")), dateOf(2024, 5, 3));
    EXPECT_EQ(DateEntryText::read(QStringLiteral("02/28/2024"), dayFirst), dateOf(2024, 2, 28));
    EXPECT_FALSE(DateEntryText::read(QStringLiteral("31/02/2024"), dayFirst).has_value());

    // Values the host assigns are read as the locale reads them.
    EXPECT_EQ(DateEntryText::format(QStringLiteral("3/7/2024"), dayFirst), QStringLiteral("07/03/2024"));
    EXPECT_EQ(DateEntryText::format(QVariant::fromValue(dateOf(2024, 3, 7)), QStringLiteral("d mmm yyyy")),
              QStringLiteral("7 Mar 2024"));
    EXPECT_EQ(DateEntryText::format(45358, dayFirst), QStringLiteral("07/03/2024"));
    EXPECT_EQ(DateEntryText::format(QStringLiteral("soon"), dayFirst), QStringLiteral("soon"));
    EXPECT_EQ(DateEntryText::format(QVariant(), dayFirst), QString());
    EXPECT_EQ(DateEntryText::format(QVariant::fromValue(dateOf(2024, 3, 7)), QString()), QStringLiteral("3/7/2024"));
}

TEST_F(DateEntry, IsCreatedByTypeNameWithItsChildren)
{
    DateEntryHost entry;
    ASSERT_NE(entry.control, nullptr);
    EXPECT_EQ(entry.control->typeName(), QStringLiteral("OlvarControls.Calendar"));
    EXPECT_NE(arrow(entry, "UpArrow"), nullptr);
    EXPECT_NE(arrow(entry, "DownArrow"), nullptr);
    EXPECT_EQ(entry.control->size(), Twips::toPixels(QSize(1895, 300)));
    EXPECT_EQ(entry.dropButton()->geometry(), Twips::toPixels(QRect(1625, 30, 240, 240)));
    EXPECT_EQ(entry.txtDate()->font().family(), QStringLiteral("Tahoma"));

    // Never narrower than 1380 twips; the buttons follow the right edge.
    entry.control->resize(Twips::toPixels(1000), 20);
    EXPECT_EQ(entry.control->width(), Twips::toPixels(1380));
    EXPECT_EQ(entry.dropButton()->x(), Twips::toPixels(1380 - 270));

    // Hiding one button leaves the other where it was.
    const QRect upDown = child<QWidget>(entry.control, QStringLiteral("UpDown"))->geometry();
    entry.control->setCalendar(false);
    EXPECT_FALSE(entry.dropButton()->isVisible());
    EXPECT_EQ(child<QWidget>(entry.control, QStringLiteral("UpDown"))->geometry(), upDown);

    // The published events are there for hosts to connect to.
    const QMetaObject *meta = entry.control->metaObject();
    for (const char *signal : {"Click()", "DblClick()", "KeyDown(qint16,qint16)", "KeyPress(qint16)",
                               "KeyUp(qint16,qint16)", "MouseDown(qint16,qint16,float,float)",
                               "MouseMove(qint16,qint16,float,float)", "MouseUp(qint16,qint16,float,float)"})
        EXPECT_GE(meta->indexOfSignal(QMetaObject::normalizedSignature(signal).constData()), 0) << signal;
}

TEST_F(DateEntry, TypingLetsOnlyDigitsAndSeparatorsIn)
{
    DateEntryHost entry;
    QSignalSpy changes(entry.control, &ControlBase::PropertyChanged);
    entry.type(QStringLiteral("1.2.2024"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("1/2/2024"));
    EXPECT_EQ(changes.count(), 8);
    EXPECT_EQ(changes.last().at(0).toString(), QStringLiteral("Text"));

    entry.type(QStringLiteral("x-Y z"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("1/2/2024"));
    QTest::keyClick(entry.txtDate(), Qt::Key_Backspace);
    QTest::keyClicks(entry.txtDate(), QStringLiteral(":5\\"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("1/2/202/5/"));
    EXPECT_EQ(entry.control->text(), QVariant(QStringLiteral("1/2/202/5/")));
}

TEST_F(DateEntry, LeavingTheBoxClearsATextThatIsNoDate)
{
    DateEntryHost entry;
    entry.type(QStringLiteral("31/02/2024"));
    leave(entry);
    EXPECT_TRUE(entry.other->hasFocus());
    EXPECT_EQ(entry.txtDate()->text(), QString());

    entry.type(QStringLiteral("29/02/2024"));
    leave(entry);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("29/02/2024"));
}

TEST_F(DateEntry, ArrowsStepTheDateByADay)
{
    DateEntryHost entry;
    entry.type(QStringLiteral("28/02/2024"));
    QTest::mouseClick(arrow(entry, "UpArrow"), Qt::LeftButton);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("29/02/2024"));
    QTest::mouseClick(arrow(entry, "UpArrow"), Qt::LeftButton);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("01/03/2024"));
    QTest::mouseClick(arrow(entry, "DownArrow"), Qt::LeftButton);
    QTest::mouseClick(arrow(entry, "DownArrow"), Qt::LeftButton);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("28/02/2024"));
    EXPECT_TRUE(entry.txtDate()->hasFocus());

    // In any format...
    entry.control->setDateFormat(QStringLiteral("dddd mmmm dd, yyyy"));
    QTest::mouseClick(arrow(entry, "UpArrow"), Qt::LeftButton);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("Thursday February 29, 2024"));

    // ...but not on an empty or invalid text, nor off the end of the calendar.
    for (const QString &text : {QString(), QStringLiteral("12/"), QStringLiteral("31/12/9999")}) {
        entry.txtDate()->setText(text);
        QTest::mouseClick(arrow(entry, "UpArrow"), Qt::LeftButton);
        EXPECT_EQ(entry.txtDate()->text(), text);
    }
    EXPECT_EQ(messageBoxes().count(), 0);
}

TEST_F(DateEntry, ArrowsReadTheBoxInItsFormatsOrderInEveryLocale)
{
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    DateEntryHost entry;
    entry.type(QStringLiteral("05/03/2024"));
    QTest::mouseClick(arrow(entry, "UpArrow"), Qt::LeftButton);
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("06/03/2024"));
}

TEST_F(DateEntry, TextShowsTheAssignedValueInTheDateFormat)
{
    DateEntryHost entry;
    QSignalSpy changes(entry.control, &ControlBase::PropertyChanged);
    entry.control->setText(QVariant::fromValue(dateOf(2024, 3, 7)));
    EXPECT_EQ(entry.control->text(), QVariant(QStringLiteral("07/03/2024")));
    EXPECT_EQ(changes.last().at(0).toString(), QStringLiteral("Text"));
    entry.control->setText(QStringLiteral("  /  /    "));
    EXPECT_EQ(entry.txtDate()->text(), QString());
    entry.control->setText(QStringLiteral("8/3/2024"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("08/03/2024"));
    entry.control->setText(nullVariant());
    EXPECT_EQ(entry.txtDate()->text(), QString());
    EXPECT_TRUE(entry.control->setProperty("Text", QDate(2024, 3, 9)));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("09/03/2024"));
    PropertyBag bag;
    entry.control->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Text")).value<OleDate>(), dateOf(2024, 3, 9));

    // A new format applies to the next date written, not to the one shown.
    entry.control->setText(QStringLiteral("8/3/2024"));
    entry.control->setDateFormat(QStringLiteral("d mmm yyyy"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("08/03/2024"));
    entry.control->setText(QStringLiteral("8/3/2024"));
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("8 Mar 2024"));
}

TEST_F(DateEntry, TextCannotBeAssignedAtDesignTime)
{
    DateEntryHost entry;
    entry.txtDate()->setText(QStringLiteral("01/01/2024"));
    ControlBase::setAmbientProperties(&entry.host, AmbientProperties{false, QFont()});
    try {
        entry.control->setText(QStringLiteral("7/3/2024"));
        ADD_FAILURE() << "no error";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::SetNotPermitted);
    }
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("01/01/2024"));
}

TEST_F(DateEntry, TheDropButtonShowsTheClickedDay)
{
    DateEntryHost entry;
    entry.type(QStringLiteral("1/3/2024"));
    entry.openPopup([](frmCalendar &popup) {
        EXPECT_TRUE(popup.isModal());
        EXPECT_EQ(child<QLabel>(&popup, QStringLiteral("MonthYearLabel"))->text(), QStringLiteral("March 2024"));
        QTest::mouseClick(dayCell(popup, 7), Qt::LeftButton);
    });
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("07/03/2024"));
    EXPECT_EQ(entry.host.focusWidget(), entry.txtDate());
    EXPECT_EQ(frmCalendar::current(), nullptr);

    // Pressing the drop button leaves the box: a text that is no date is gone before the popup opens.
    entry.txtDate()->clear();
    entry.type(QStringLiteral("31/02/2024"));
    entry.openPopup([](frmCalendar &popup) {
        EXPECT_EQ(child<QLabel>(&popup, QStringLiteral("MonthYearLabel"))->text(), QStringLiteral("March 2026"));
        QTest::keyClick(&popup, Qt::Key_Escape);
    });
    EXPECT_EQ(entry.txtDate()->text(), QString());
}

TEST_F(DateEntry, TheClickedDayIsRightInAMonthFirstLocale)
{
    OlvarTest::LocaleScope us(QStringLiteral("en_US"));
    DateEntryHost entry;
    entry.control->setText(QVariant::fromValue(dateOf(2024, 3, 1)));
    entry.openPopup([](frmCalendar &popup) {
        EXPECT_EQ(child<QLabel>(&popup, QStringLiteral("LblWeekNameDay0"))->text(), QStringLiteral("S"));
        QTest::mouseClick(dayCell(popup, 7), Qt::LeftButton);
    });
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("07/03/2024"));
}

TEST_F(DateEntry, TodayShowsToday)
{
    DateEntryHost entry;
    entry.openPopup([](frmCalendar &popup) {
        QTest::mouseClick(child<QPushButton>(&popup, QStringLiteral("btnToday")), Qt::LeftButton);
    });
    EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("04/03/2026"));
}

TEST_F(DateEntry, ADismissedPopupOnlyReformatsTheText)
{
    DateEntryHost entry;
    const std::vector<std::function<void(frmCalendar &)>> dismissals{
        [](frmCalendar &popup) { QTest::keyClick(&popup, Qt::Key_Escape); },
        [](frmCalendar &popup) {
            QTest::mouseClick(child<QPushButton>(&popup, QStringLiteral("btnNone")), Qt::LeftButton);
        },
        [](frmCalendar &popup) {
            QTest::mouseClick(child<QToolButton>(&popup, QStringLiteral("MonthUp")), Qt::LeftButton);
            const QPoint outside(-10, -10);
            QTest::mousePress(&popup, Qt::LeftButton, {}, outside);
            EXPECT_TRUE(popup.isVisible());
            QTest::mouseRelease(&popup, Qt::LeftButton, {}, outside);
        }};
    for (const auto &dismiss : dismissals) {
        entry.control->setDateFormat(QStringLiteral("dd/mm/yyyy"));
        entry.type(QStringLiteral("7/3/2024"));
        entry.control->setDateFormat(QStringLiteral("d mmmm yyyy"));
        QSignalSpy changes(entry.control, &ControlBase::PropertyChanged);
        entry.openPopup(dismiss);
        EXPECT_EQ(entry.txtDate()->text(), QStringLiteral("7 March 2024"));
        EXPECT_EQ(changes.count(), 1);
        entry.txtDate()->clear();
    }
    // An empty box stays empty.
    entry.openPopup([](frmCalendar &popup) { QTest::keyClick(&popup, Qt::Key_Escape); });
    EXPECT_EQ(entry.txtDate()->text(), QString());
    EXPECT_EQ(messageBoxes().count(), 0);
}

TEST_F(DateEntry, ThePopupShowsTheButtonSettingsAssignedOrLoadedLast)
{
    DateEntryHost first;
    DateEntryHost second;
    first.control->setButtonTodayText(QStringLiteral("Now"));
    second.control->setButtonTodayText(QStringLiteral("This day"));
    second.control->setButtonNone(false);
    const auto expectToday = [](const QString &caption, bool noneShown) {
        return [caption, noneShown](frmCalendar &popup) {
            EXPECT_EQ(child<QPushButton>(&popup, QStringLiteral("btnToday"))->text(), caption);
            EXPECT_EQ(child<QPushButton>(&popup, QStringLiteral("btnNone"))->isVisible(), noneShown);
            popup.reject();
        };
    };
    first.openPopup(expectToday(QStringLiteral("This day"), false));

    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ButtonTodayText"), QStringLiteral("Loaded"));
    first.control->ReadProperties(bag);
    second.openPopup(expectToday(QStringLiteral("Loaded"), true));
}

TEST_F(DateEntry, MovingTheFocusAwayClosesThePopup)
{
    DateEntryHost entry;
    entry.openPopup([&](frmCalendar &popup) {
        QApplication::setActiveWindow(&entry.host);
        entry.other->setFocus();
        EXPECT_FALSE(popup.isVisible());
    });
}

TEST_F(DateEntry, SurvivesTheHostClosingWhileThePopupIsOpen)
{
    auto *entry = new DateEntryHost;
    entry->openPopup([&](frmCalendar &) {
        entry->control->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    EXPECT_EQ(frmCalendar::current(), nullptr);
    delete entry;
}

TEST_F(DateEntry, PropertiesNotifyTheirChanges)
{
    DateEntryHost entry;
    QSignalSpy changes(entry.control, &ControlBase::PropertyChanged);
    entry.control->setUpDownVisible(false);
    EXPECT_FALSE(child<QWidget>(entry.control, QStringLiteral("UpDown"))->isVisible());
    entry.control->setControlEnabled(false);
    EXPECT_FALSE(entry.txtDate()->isEnabled());
    entry.control->setTextFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    entry.control->setBackColor(OleColor::fromRgb(255, 255, 0));
    EXPECT_EQ(entry.txtDate()->palette().color(QPalette::Base), QColor(255, 255, 0));
    entry.control->setForeColor(OleColor::fromRgb(0, 0, 128));
    EXPECT_EQ(entry.txtDate()->palette().color(QPalette::Text), QColor(0, 0, 128));
    entry.control->setBorderStyle(0);
    EXPECT_FALSE(entry.txtDate()->hasFrame());
    entry.control->setButtonToday(false);
    entry.control->setButtonNone(false);
    entry.control->setButtonTodayText(QStringLiteral("T"));
    entry.control->setButtonNoneText(QStringLiteral("N"));
    entry.control->setCalendar(false);
    entry.control->setDateFormat(QStringLiteral("d/m/yy"));
    QStringList names;
    for (const QList<QVariant> &change : changes)
        names << change.at(0).toString();
    EXPECT_EQ(
        names,
        (QStringList{QStringLiteral("UpDownVisible"), QStringLiteral("Enabled"), QStringLiteral("Font"),
                     QStringLiteral("BackColor"), QStringLiteral("ForeColor"), QStringLiteral("BorderStyle"),
                     QStringLiteral("ButtonToday"), QStringLiteral("ButtonNone"), QStringLiteral("ButtonTodayText"),
                     QStringLiteral("ButtonNoneText"), QStringLiteral("Calendar"), QStringLiteral("DateFormat")}));
    const CalendarSharedState &shared = CalendarSharedState::instance();
    EXPECT_FALSE(shared.showToday);
    EXPECT_FALSE(shared.showNone);
    EXPECT_EQ(shared.todayText, QStringLiteral("T"));
    EXPECT_EQ(shared.noneText, QStringLiteral("N"));

    EXPECT_THROW(entry.control->setBorderStyle(2), OleError);
    EXPECT_FALSE(entry.txtDate()->hasFrame());
    EXPECT_TRUE(entry.control->setProperty("ButtonTodayText", QStringLiteral("By name")));
    EXPECT_EQ(entry.control->buttonTodayText(), QStringLiteral("By name"));
}

TEST_F(DateEntry, SavesItsKeysInOrderLeavingDefaultsOut)
{
    DateEntryHost entry;
    entry.control->InitProperties();
    PropertyBag defaults;
    entry.control->WriteProperties(defaults);
    // The text value "" is not the default 0; Enabled and Font are always written.
    EXPECT_EQ(defaults.keys(),
              (QStringList{QStringLiteral("Text"), QStringLiteral("Enabled"), QStringLiteral("Font")}));
    EXPECT_EQ(CalendarSharedState::instance().todayText, QString());

    entry.control->setUpDownVisible(false);
    entry.control->setText(QVariant::fromValue(dateOf(2024, 3, 7)));
    entry.control->setBackColor(OleColor::fromRgb(1, 2, 3));
    entry.control->setForeColor(OleColor::fromRgb(4, 5, 6));
    entry.control->setBorderStyle(0);
    entry.control->setButtonToday(false);
    entry.control->setButtonNone(false);
    entry.control->setButtonTodayText(QStringLiteral("T"));
    entry.control->setButtonNoneText(QStringLiteral("N"));
    entry.txtDate()->setAlignment(Qt::AlignRight);
    entry.control->setCalendar(false);
    entry.control->setDateFormat(QStringLiteral("d mmm yyyy"));
    PropertyBag bag;
    entry.control->WriteProperties(bag);
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("UpDownVisible"), QStringLiteral("Text"), QStringLiteral("Enabled"),
                           QStringLiteral("Font"), QStringLiteral("BackColor"), QStringLiteral("ForeColor"),
                           QStringLiteral("BorderStyle"), QStringLiteral("ButtonToday"), QStringLiteral("ButtonNone"),
                           QStringLiteral("ButtonTodayText"), QStringLiteral("ButtonNoneText"),
                           QStringLiteral("Alignment"), QStringLiteral("Calendar"), QStringLiteral("DateFormat")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Alignment")), QVariant(qint16(1)));

    // Loaded into a fresh control, the form comes back as it was saved.
    CalendarSharedState::instance() = CalendarSharedState();
    DateEntryHost loaded;
    bag.WriteProperty(QStringLiteral("Value"), true, false);
    loaded.control->ReadProperties(bag);
    EXPECT_FALSE(loaded.control->isUpDownVisible());
    EXPECT_FALSE(child<QWidget>(loaded.control, QStringLiteral("UpDown"))->isVisibleTo(&loaded.host));
    EXPECT_EQ(loaded.txtDate()->text(), QStringLiteral("7 Mar 2024"));
    EXPECT_TRUE(loaded.control->isControlEnabled());
    EXPECT_EQ(loaded.control->backColor(), OleColor::fromRgb(1, 2, 3));
    EXPECT_EQ(loaded.control->foreColor(), OleColor::fromRgb(4, 5, 6));
    EXPECT_EQ(loaded.control->borderStyle(), 0);
    EXPECT_FALSE(loaded.control->isCalendarVisible());
    EXPECT_FALSE(loaded.dropButton()->isVisibleTo(&loaded.host));
    EXPECT_EQ(loaded.control->dateFormat(), QVariant(QStringLiteral("d mmm yyyy")));
    const CalendarSharedState &shared = CalendarSharedState::instance();
    EXPECT_FALSE(shared.showToday);
    EXPECT_FALSE(shared.showNone);
    EXPECT_EQ(shared.todayText, QStringLiteral("T"));
    EXPECT_EQ(shared.noneText, QStringLiteral("N"));
    // Alignment is not read back; the value flag is, and is written again.
    EXPECT_EQ(loaded.txtDate()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    PropertyBag again;
    loaded.control->WriteProperties(again);
    EXPECT_EQ(again.keys().first(), QStringLiteral("Value"));
}

TEST_F(DateEntry, LoadsMissingKeysAsTheirDefaults)
{
    DateEntryHost entry;
    entry.txtDate()->setText(QStringLiteral("01/01/2024"));
    ControlBase::setAmbientProperties(&entry.host, AmbientProperties{true, QFont(QStringLiteral("DejaVu Serif"), 13)});
    entry.control->ReadProperties(PropertyBag());
    EXPECT_FALSE(entry.control->isControlEnabled()); // Enabled has no default
    EXPECT_EQ(entry.txtDate()->text(), QString());
    EXPECT_EQ(entry.control->textFont(), QFont(QStringLiteral("DejaVu Serif"), 13));
    EXPECT_TRUE(entry.control->isUpDownVisible());
    EXPECT_TRUE(entry.control->isCalendarVisible());
    EXPECT_EQ(entry.control->backColor(), OleColor(0x80000005));
    EXPECT_EQ(entry.control->foreColor(), OleColor(0x80000008));
    EXPECT_EQ(entry.control->borderStyle(), 1);
    EXPECT_EQ(entry.control->dateFormat(), QVariant(QStringLiteral("dd/mm/yyyy")));
    PropertyBag bag;
    entry.control->WriteProperties(bag);
    EXPECT_FALSE(bag.contains(QStringLiteral("Text"))); // the text value read as 0
}

TEST_F(DateEntry, LoadingChecksTheTypesOfTheFontAndTheColours)
{
    DateEntryHost entry;
    // A font key that holds no font is a type mismatch, as in the day view.
    PropertyBag wrongFont;
    wrongFont.WriteProperty(QStringLiteral("Font"), QStringLiteral("Tahoma"));
    try {
        entry.control->ReadProperties(wrongFont);
        ADD_FAILURE() << "a text under Font was taken";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch);
    }

    // A system colour saved as an unsigned number or its text is taken, not refused as an overflow.
    PropertyBag unsignedColours;
    unsignedColours.WriteProperty(QStringLiteral("BackColor"), double(0x80000005u));
    unsignedColours.WriteProperty(QStringLiteral("ForeColor"), QStringLiteral("2147483656"));
    entry.control->ReadProperties(unsignedColours);
    EXPECT_EQ(entry.control->backColor(), OleColor(0x80000005));
    EXPECT_EQ(entry.control->foreColor(), OleColor(0x80000008));
}
