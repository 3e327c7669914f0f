// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "propertybag.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFont>

#include <gtest/gtest.h>

#include <limits>

using namespace OlvarControls;

namespace {

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const OleError &error) {
        return error.number();
    }
    return 0;
}

QFont boldItalic()
{
    QFont font(QStringLiteral("Tahoma"), 12, QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    return font;
}

/* One value of every type a bag holds, under keys that need no quoting and some that do. */
PropertyBag everyType()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"),
                      QStringLiteral("He said \"hi\"\\ \r\nnext\tline \x01 caf\u00e9 \U0001F600"));
    bag.WriteProperty(QStringLiteral("Lone surrogate"), QString(QString(QChar(0xD800)) + QStringLiteral("x")));
    bag.WriteProperty(QStringLiteral("Empty text"), QString());
    bag.WriteProperty(QStringLiteral("Small"), QVariant::fromValue(std::numeric_limits<qint16>::min()));
    bag.WriteProperty(QStringLiteral("SmallMax"), QVariant::fromValue(std::numeric_limits<qint16>::max()));
    bag.WriteProperty(QStringLiteral("Large"), std::numeric_limits<qint32>::min());
    bag.WriteProperty(QStringLiteral("Flag"), false);
    bag.WriteProperty(QStringLiteral("Ratio"), 0.1);
    bag.WriteProperty(QStringLiteral("Huge"), -1e300);
    bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(OleDate(46085.375)));
    bag.WriteProperty(QStringLiteral("Before1900"), QVariant::fromValue(OleDate(-1.25)));
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue(OleColor(0x80000005)));
    bag.WriteProperty(QStringLiteral("Font"), boldItalic());
    bag.WriteProperty(QStringLiteral("AppItemFont"), QApplication::font());
    bag.WriteProperty(QStringLiteral("Text"), nullVariant());
    bag.WriteProperty(QStringLiteral("Unset"), QVariant(), 0);
    bag.WriteProperty(QStringLiteral("key: with \"odd\" chars"), 1);
    return bag;
}

} // namespace

TEST(PropertyBag, OmitsDefaultsComparingAsThePlatformDoes)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue(OleColor(0x80000005)), 0x80000005u);
    bag.WriteProperty(QStringLiteral("Colour"), QVariant::fromValue(OleColor(5)), 5);
    bag.WriteProperty(QStringLiteral("Enabled"), false, 0);
    bag.WriteProperty(QStringLiteral("VScrollValue"), QVariant::fromValue(qint16(0)), 0);
    bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(OleDate(46085)), 46085.0);
    const OleDate march4 = OleDate::fromDate(QDate(2026, 3, 4));
    bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(march4), QStringLiteral("4/3/2026"));
    bag.WriteProperty(QStringLiteral("Text"), QStringLiteral("04/03/2026"), QVariant::fromValue(march4));
    bag.WriteProperty(QStringLiteral("Font"), boldItalic(), boldItalic());
    bag.WriteProperty(QStringLiteral("DateFormat"), QStringLiteral("dd/mm/yyyy"), QStringLiteral("dd/mm/yyyy"));
    EXPECT_TRUE(bag.isEmpty()) << bag.keys().join(QLatin1Char(',')).toStdString();

    // Near misses are written: a fraction, Null against 0, a text against a number.
    bag.WriteProperty(QStringLiteral("Interval"), 5, 5.5);
    bag.WriteProperty(QStringLiteral("Text"), nullVariant(), 0);
    bag.WriteProperty(QStringLiteral("Value"), QString(), 0);
    bag.WriteProperty(QStringLiteral("BorderStyle"), QVariant::fromValue(qint16(0)), 1);
    bag.WriteProperty(QStringLiteral("Plain"), 7);
    bag.WriteProperty(QStringLiteral("ActiveDate"), QVariant::fromValue(march4), QStringLiteral("1/1/0000"));
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("Interval"), QStringLiteral("Text"), QStringLiteral("Value"),
                           QStringLiteral("BorderStyle"), QStringLiteral("Plain"), QStringLiteral("ActiveDate")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BorderStyle"), 1).metaType(), QMetaType::fromType<qint16>());
    EXPECT_TRUE(isNullVariant(bag.ReadProperty(QStringLiteral("Text"), 0)));

    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BackColor"), 0x80000005u), QVariant(0x80000005u));
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Missing")).isValid());
}

TEST(PropertyBag, RewritesKeepThePlaceAndKeysIgnoreCase)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue(OleColor(0xFF)), 0);
    bag.WriteProperty(QStringLiteral("VScrollValue"), QVariant::fromValue(qint16(224)), 0);
    bag.WriteProperty(QStringLiteral("Resource"), 12, 0);
    bag.WriteProperty(QStringLiteral("vscrollVALUE"), QVariant::fromValue(qint16(300)), 0);
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("BackColor"), QStringLiteral("VScrollValue"), QStringLiteral("Resource")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("VSCROLLVALUE")).value<qint16>(), 300);

    // A second write equal to its default removes the first: a read gives what was written last.
    bag.WriteProperty(QStringLiteral("VScrollValue"), QVariant::fromValue(qint16(0)), 0);
    EXPECT_FALSE(bag.contains(QStringLiteral("VScrollValue")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("VScrollValue"), 0), QVariant(0));
    EXPECT_EQ(bag.count(), 2);
}

TEST(PropertyBag, RefusesWhatItCannotHold)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Kept"), 1);
    EXPECT_EQ(errorNumberOf([&] { bag.WriteProperty(QString(), 1); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { bag.WriteProperty(QStringLiteral("When"), QDateTime::currentDateTime()); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { bag.WriteProperty(QStringLiteral("Kept"), 5u, 5); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Kept")), QVariant(1));
    EXPECT_EQ(bag.count(), 1);
}

TEST(PropertyBag, EveryTypeSurvivesTheTextForm)
{
    const PropertyBag bag = everyType();
    const QString text = bag.toText();
    const PropertyBag back = PropertyBag::fromText(text);
    EXPECT_EQ(back, bag) << text.toStdString();
    EXPECT_EQ(back.keys(), bag.keys());
    EXPECT_TRUE(back.contains(QStringLiteral("Unset")));
    EXPECT_TRUE(text.contains(QLatin1String("\nBackColor: color 0x80000005\n")));
    EXPECT_TRUE(text.contains(QLatin1String("\nRatio: double 0.1\n")));
    EXPECT_EQ(back.ReadProperty(QStringLiteral("Font")).value<QFont>(), boldItalic());
    EXPECT_EQ(back.ReadProperty(QStringLiteral("Before1900")).value<OleDate>().value(), -1.25);
}

TEST(PropertyBag, TextFormIsOnePropertyALine)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("DateFormat"), QStringLiteral("ddd, dd mmm"));
    bag.WriteProperty(QStringLiteral("VScrollValue"), QVariant::fromValue(qint16(224)));
    bag.WriteProperty(QStringLiteral("ShowVscroll"), false);
    bag.WriteProperty(QStringLiteral("Two words"), 60000);
    EXPECT_EQ(bag.toText(),
              QStringLiteral("OlvarControls.PropertyBag 1\n"
                             "DateFormat: text \"ddd, dd mmm\"\n"
                             "VScrollValue: int16 224\n"
                             "ShowVscroll: bool false\n"
                             "\"Two words\": int32 60000\n"
                             "End\n"));
    // Written by hand: CR LF line ends and blank lines are fine.
    EXPECT_EQ(PropertyBag::fromText(QStringLiteral("OlvarControls.PropertyBag 1\r\n\r\n"
                                                   "DateFormat: text \"ddd, dd mmm\"\r\n"
                                                   "VScrollValue: int16 224\r\nShowVscroll: bool false\r\n"
                                                   "\"Two words\": int32 60000\r\nEnd\r\n")),
              bag);
}

TEST(PropertyBag, SavesToAFileAndLoadsItBack)
{
    OlvarTest::TempFolder folder;
    const QString fileName = folder.filePath(QStringLiteral("form.olvar"));
    const PropertyBag bag = everyType();
    bag.saveToFile(fileName);
    EXPECT_EQ(PropertyBag::loadFromFile(fileName), bag);

    EXPECT_EQ(errorNumberOf([&] { PropertyBag::loadFromFile(folder.filePath(QStringLiteral("none"))); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { bag.saveToFile(folder.filePath(QStringLiteral("no/such/folder/form"))); }),
              ErrorNumber::PathFileAccessError);
}

TEST(PropertyBag, DamagedTextIsRefusedWhole)
{
    const QString head = QStringLiteral("OlvarControls.PropertyBag 1\nBackColor: color 0xFF\n");
    const struct
    {
        QString text;
        int line;
    } damaged[] = {
        {QString(), 1},
        {QStringLiteral("OlvarControls.PropertyBag 2\nEnd\n"), 1},
        {head, 3}, // truncated: no End line
        {head + QStringLiteral("Caption: text \"abc"), 3},
        {head + QStringLiteral("Caption: text \"a\\qb\"\nEnd\n"), 3},
        {head + QStringLiteral("Caption: text \"a\\u12\"\nEnd\n"), 3},
        {head + QStringLiteral("Caption: text \"a\" trailing\nEnd\n"), 3},
        {head + QStringLiteral("Caption: string \"a\"\nEnd\n"), 3},
        {head + QStringLiteral("Small: int16 40000\nEnd\n"), 3},
        {head + QStringLiteral("Large: int32 12x\nEnd\n"), 3},
        {head + QStringLiteral("Flag: bool yes\nEnd\n"), 3},
        {head + QStringLiteral("Ratio: double\nEnd\n"), 3},
        {head + QStringLiteral("When: date 1.5.2024\nEnd\n"), 3},
        // No date: not a number, or outside 1 January 100 to 31 December 9999.
        {head + QStringLiteral("When: date nan\nEnd\n"), 3},
        {head + QStringLiteral("When: date inf\nEnd\n"), 3},
        {head + QStringLiteral("When: date -inf\nEnd\n"), 3},
        {head + QStringLiteral("When: date 1e308\nEnd\n"), 3},
        {head + QStringLiteral("When: date 2958466\nEnd\n"), 3},
        {head + QStringLiteral("When: date -657435\nEnd\n"), 3},
        {head + QStringLiteral("Fore: color 0x1FFFFFFFF\nEnd\n"), 3},
        {head + QStringLiteral("Fore: color FF\nEnd\n"), 3},
        {head + QStringLiteral("Font: font \"Tahoma,bold\"\nEnd\n"), 3},
        {head + QStringLiteral("Text: null 0\nEnd\n"), 3},
        {head + QStringLiteral("no colon here\nEnd\n"), 3},
        {head + QStringLiteral("two words: int32 1\nEnd\n"), 3},
        {head + QStringLiteral("backcolor: color 0x00\nEnd\n"), 3},
        {head + QStringLiteral("End\nLate: int32 1\n"), 4},
    };
    for (const auto &sample : damaged) {
        SCOPED_TRACE(sample.text.toStdString());
        try {
            PropertyBag::fromText(sample.text);
            ADD_FAILURE() << "accepted";
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::InvalidFileFormat);
            EXPECT_TRUE(error.description().contains(QStringLiteral("line %1:").arg(sample.line)))
                << error.description().toStdString();
        }
    }

    // A failed load leaves the bag in hand as it was; a file that is not UTF-8 is refused too.
    OlvarTest::TempFolder folder;
    const QString fileName = folder.filePath(QStringLiteral("form.olvar"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("OlvarControls.PropertyBag 1\nCaption: text \"caf\xE9\"\nEnd\n");
    file.close();
    PropertyBag bag = everyType();
    EXPECT_EQ(errorNumberOf([&] { bag = PropertyBag::loadFromFile(fileName); }), ErrorNumber::InvalidFileFormat);
    EXPECT_EQ(bag, everyType());
}
