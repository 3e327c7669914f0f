// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "virtualkeys.h"

#include <QString>

#include <gtest/gtest.h>

using namespace OlvarControls;

TEST(VirtualKeys, QtKeysGiveThePlatformsKeyNumbers)
{
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_A), 65);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Z), 90);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_0), 48);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_9), 57);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Down), 40);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_F24), 135);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Return), 13);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Delete), 46);
    // Shifted symbols give the key they are typed with.
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_ParenRight, Qt::ShiftModifier), 48);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Asterisk, Qt::ShiftModifier), 56);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Colon), 186);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_QuoteDbl), 222);
    // The keypad has numbers of its own.
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Slash, Qt::KeypadModifier), 111);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(VirtualKeys::keyCode(Qt::Key_VolumeUp), 0);
}

TEST(VirtualKeys, CharactersShiftStatesAndButtons)
{
    EXPECT_EQ(VirtualKeys::keyAscii(QStringLiteral("a")), 97);
    EXPECT_EQ(VirtualKeys::keyAscii(QString(QChar(0xE9))), 0xE9);
    EXPECT_EQ(VirtualKeys::keyAscii(QString(QChar(0x20AC))), 63);
    EXPECT_EQ(VirtualKeys::keyAscii(QString()), 0);
    EXPECT_EQ(VirtualKeys::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(VirtualKeys::shiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(VirtualKeys::buttons(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(VirtualKeys::buttons(Qt::RightButton), 2);
    EXPECT_EQ(VirtualKeys::buttons(Qt::BackButton), 0);
}
