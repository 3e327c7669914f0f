// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The main of every Olvar test executable: a headless QApplication; before and
// after each test the locale and time zone are pinned and the replaceable
// services (scheduler, message boxes, desktop) are installed afresh.

#include "testenvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class PinnedEnvironmentListener : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo &) override { OlvarTest::resetTestEnvironment(); }
    void OnTestEnd(const testing::TestInfo &) override { OlvarTest::resetTestEnvironment(); }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OlvarTest::ScriptedMessageBoxes::setFailureHandler(
        [](const QString &message) { ADD_FAILURE() << message.toStdString(); });
    OlvarTest::resetTestEnvironment();

    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OlvarTests"));

    testing::UnitTest::GetInstance()->listeners().Append(new PinnedEnvironmentListener);
    return RUN_ALL_TESTS();
}
