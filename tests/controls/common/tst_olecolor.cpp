// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "olecolor.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <type_traits>

using OlvarControls::OleColor;

TEST(OleColor, RedIsTheLowByte)
{
    const OleColor blue(0xFF0000);
    EXPECT_EQ(blue.toQColor(), QColor(0, 0, 255));
    EXPECT_EQ(OleColor::fromRgb(0xE1, 0xE4, 0xB6).value(), 0xB6E4E1u);
    EXPECT_EQ(OleColor::fromQColor(QColor(255, 204, 204)).value(), 0xCCCCFFu);
}

TEST(OleColor, SystemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Shadow, QColor(10, 11, 12));
    palette.setColor(QPalette::Active, QPalette::ToolTipText, QColor(13, 14, 15));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(16, 17, 18));
    EXPECT_EQ(OleColor(0x80000005).toQColor(palette), QColor(1, 2, 3));
    EXPECT_EQ(OleColor(0x80000008).toQColor(palette), QColor(4, 5, 6));
    EXPECT_EQ(OleColor(0x8000000F).toQColor(palette), QColor(7, 8, 9));
    EXPECT_EQ(OleColor(0x80000015).toQColor(palette), QColor(10, 11, 12));
    EXPECT_EQ(OleColor(0x80000017).toQColor(palette), QColor(13, 14, 15));
    EXPECT_EQ(OleColor(0x80000018).toQColor(palette), QColor(16, 17, 18));
    EXPECT_FALSE(OleColor(0x00000005).isSystemColor());
}

TEST(OleColor, ConvertsThroughQVariant)
{
    QVariant v = QVariant::fromValue(0xA7A7A7u);
    ASSERT_TRUE(v.convert(QMetaType::fromType<OleColor>()));
    EXPECT_EQ(v.value<OleColor>(), OleColor(0xA7A7A7));
    QVariant c = QVariant::fromValue(OleColor(0x0000FF));
    EXPECT_EQ(c.value<QColor>(), QColor(255, 0, 0));
}

// A number or a Qt::GlobalColor never becomes an OleColor silently: Qt::red would be the OLE value 7.
static_assert(!std::is_convertible_v<int, OleColor>);
static_assert(!std::is_convertible_v<quint32, OleColor>);
static_assert(!std::is_convertible_v<Qt::GlobalColor, OleColor>);
static_assert(!std::is_constructible_v<OleColor, Qt::GlobalColor>);
static_assert(std::is_convertible_v<QColor, OleColor>);

TEST(OleColor, AQColorGivesTheSameColourAndARawValueIsExplicit)
{
    const OleColor fromQt = QColor(Qt::red);
    EXPECT_EQ(fromQt, OleColor::fromRgb(255, 0, 0));
    EXPECT_EQ(fromQt.value(), 0x0000FFu);
    EXPECT_EQ(OleColor::fromOle(0xFF0000).toQColor(), QColor(0, 0, 255)); // the low byte is red
    EXPECT_EQ(OleColor(QColor(12, 34, 56, 78)), OleColor::fromRgb(12, 34, 56)); // alpha is dropped
    EXPECT_TRUE(OleColor::fromOle(0x80000005).isSystemColor());
}
