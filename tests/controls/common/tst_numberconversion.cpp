// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetestsupport.h"
#include "numberconversion.h"
#include "olecolor.h"
#include "olevariant.h"
#include "testenvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using OlvarControls::NumberConversion;
using OlvarControls::OleColor;
using OlvarControls::OleDate;
using namespace DateTestSupport;

namespace {

QVariant text(const char *value)
{
    return QVariant(QString::fromUtf8(value));
}

} // namespace

TEST(NumberConversion, HalvesRoundToEven)
{
    EXPECT_EQ(NumberConversion::roundHalfEven(0.5), 0);
    EXPECT_EQ(NumberConversion::roundHalfEven(1.5), 2);
    EXPECT_EQ(NumberConversion::roundHalfEven(2.5), 2);
    EXPECT_EQ(NumberConversion::roundHalfEven(100.5), 100);
    EXPECT_EQ(NumberConversion::roundHalfEven(101.5), 102);
    EXPECT_EQ(NumberConversion::roundHalfEven(-0.5), 0);
    EXPECT_EQ(NumberConversion::roundHalfEven(-1.5), -2);
    EXPECT_EQ(NumberConversion::roundHalfEven(-2.5), -2);
    EXPECT_EQ(NumberConversion::roundHalfEven(2.4999999), 2);
    EXPECT_EQ(NumberConversion::roundHalfEven(-2.5000001), -3);
    EXPECT_EQ(NumberConversion::roundHalfEven(48.75), 49);
    EXPECT_EQ(NumberConversion::roundHalfEven(150.14), 150);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::roundHalfEven(std::nan("")); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::roundHalfEven(1e19); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::roundHalfEven(-std::numeric_limits<double>::infinity()); }), 6);
}

TEST(NumberConversion, LeadingNumberOfAText)
{
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("9.")), 9.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("18.00")), 18.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("9.30")), 9.3);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("ab")), 0.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QString()), 0.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral(" 12")), 12.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("1 2 3")), 123.0); // blanks anywhere are skipped
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("12ab3")), 12.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("1D3")), 1000.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("2.5e-1x")), 0.25);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("1e")), 1.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("7e+")), 7.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("-.5")), -0.5);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("+3")), 3.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("-")), 0.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral(".")), 0.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("1,5")), 1.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("&H10")), 16.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("&hFfz")), 255.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("&O17")), 15.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("&18")), 1.0);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("&")), 0.0);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::leadingNumber(QStringLiteral("1e400")); }), 6);
}

TEST(NumberConversion, LeadingNumberIgnoresTheLocale)
{
    OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("9.30")), 9.3);
    EXPECT_EQ(NumberConversion::leadingNumber(QStringLiteral("9,30")), 9.0);
}

TEST(NumberConversion, IntegersFromVariants)
{
    EXPECT_EQ(NumberConversion::toInt16(QVariant(2.5)), 2);
    EXPECT_EQ(NumberConversion::toInt16(QVariant(3.5)), 4);
    EXPECT_EQ(NumberConversion::toInt16(QVariant(-32768)), -32768);
    EXPECT_EQ(NumberConversion::toInt16(QVariant(32767.4)), 32767);
    EXPECT_EQ(NumberConversion::toInt16(text(" 224 ")), 224);
    EXPECT_EQ(NumberConversion::toInt16(text("1e3")), 1000);
    EXPECT_EQ(NumberConversion::toInt16(text("12.5")), 12);
    EXPECT_EQ(NumberConversion::toInt16(text("&H10")), 16);
    EXPECT_EQ(NumberConversion::toInt16(QVariant(true)), -1);
    EXPECT_EQ(NumberConversion::toInt16(QVariant(false)), 0);
    EXPECT_EQ(NumberConversion::toInt16(QVariant()), 0); // Empty
    EXPECT_EQ(NumberConversion::toInt32(QVariant(qlonglong(2147483647))), 2147483647);
    EXPECT_EQ(NumberConversion::toInt32(QVariant(-2147483648.4)), std::numeric_limits<qint32>::min());
    EXPECT_EQ(NumberConversion::toInt32(text("-2147483648")), std::numeric_limits<qint32>::min());
    EXPECT_EQ(NumberConversion::toInt32(QVariant(uint(12))), 12);
    EXPECT_EQ(NumberConversion::toInt32(QVariant::fromValue(OleColor(0xFF0000))), 0xFF0000);
    EXPECT_EQ(NumberConversion::toInt32(QVariant::fromValue(OleColor(0x80000005))), -2147483643);
    EXPECT_EQ(NumberConversion::toInt32(QVariant::fromValue(OleDate(46088.5))), 46088);
    EXPECT_EQ(NumberConversion::toInt32(QVariant(QDate(2026, 3, 7))), 46088);
}

TEST(NumberConversion, IntegerConversionErrors)
{
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("abc")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("12abc")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("inf")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("&Hxyz")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(QVariant(QVariantList{1})); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(OlvarControls::nullVariant()); }), 94);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt32(OlvarControls::nullVariant()); }), 94);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(QVariant(32767.5)); }), 6); // rounds to 32768
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(QVariant(-32769)); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(text("30000000")); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt16(QVariant::fromValue(OleColor(0x80000005))); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt32(QVariant(2147483647.5)); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt32(QVariant(qulonglong(1) << 40)); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt32(text("1e400")); }), 6);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toInt32(QVariant(std::nan(""))); }), 6);
}

TEST(NumberConversion, NumericTextsInTheLocalesNotation)
{
    OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(NumberConversion::toDouble(text("2,5")), 2.5);
    EXPECT_EQ(NumberConversion::toDouble(text("2.5")), 2.5); // the C notation is read too
    EXPECT_EQ(NumberConversion::toInt16(text("2,5")), 2);
}

TEST(NumberConversion, DoublesAndBooleans)
{
    EXPECT_EQ(NumberConversion::toDouble(text(" -1.25 ")), -1.25);
    EXPECT_EQ(NumberConversion::toDouble(QVariant(7)), 7.0);
    EXPECT_EQ(NumberConversion::toDouble(QVariant(true)), -1.0);
    EXPECT_EQ(NumberConversion::toDouble(QVariant()), 0.0);
    EXPECT_EQ(NumberConversion::toDouble(QVariant::fromValue(at(2026, 3, 7, 12))), 46088.5);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toDouble(text("1/2")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toDouble(OlvarControls::nullVariant()); }), 94);

    EXPECT_TRUE(NumberConversion::toBoolean(QVariant(-1)));
    EXPECT_TRUE(NumberConversion::toBoolean(QVariant(0.1)));
    EXPECT_FALSE(NumberConversion::toBoolean(QVariant(0)));
    EXPECT_FALSE(NumberConversion::toBoolean(QVariant()));
    EXPECT_TRUE(NumberConversion::toBoolean(QVariant(true)));
    EXPECT_TRUE(NumberConversion::toBoolean(text("True")));
    EXPECT_TRUE(NumberConversion::toBoolean(text(" TRUE ")));
    EXPECT_FALSE(NumberConversion::toBoolean(text("false")));
    EXPECT_TRUE(NumberConversion::toBoolean(text("2")));
    EXPECT_FALSE(NumberConversion::toBoolean(text("0")));
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toBoolean(text("yes")); }), 13);
    EXPECT_EQ(errorNumberOf([] { NumberConversion::toBoolean(OlvarControls::nullVariant()); }), 94);
}

TEST(NumberConversion, WholeNumbersForTypedIdentifiers)
{
    for (const char *yes : {"0", "12", " 12 ", "+7", "-7", "007", "2147483647", "-2147483648"})
        EXPECT_TRUE(NumberConversion::isWholeNumber(QString::fromUtf8(yes))) << yes;
    for (const char *no : {"", " ", "-", "+", "1.0", "1e3", "12a", "1 2", "2147483648", "-2147483649",
                           "99999999999999999999", "&H10", "١٢"})
        EXPECT_FALSE(NumberConversion::isWholeNumber(QString::fromUtf8(no))) << no;
}
