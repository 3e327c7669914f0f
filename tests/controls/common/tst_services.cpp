// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "desktop.h"
#include "msgbox.h"
#include "oleerror.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::messageBoxes;

TEST(MsgBox, TitleFollowsTheApplicationOrTheLibrary)
{
    MsgBox::show(QStringLiteral("One"));
    EXPECT_EQ(messageBoxes().last(), (MessageBoxRequest{QStringLiteral("One"), 0, QStringLiteral("OlvarTests")}));
    MsgBox::setApplicationTitle(QStringLiteral("Sessara"));
    MsgBox::show(QStringLiteral("Two"), MsgBox::YesNo);
    EXPECT_EQ(messageBoxes().last().title, QStringLiteral("Sessara"));
    MsgBox::show(QStringLiteral("Three"), MsgBox::YesNo, QStringLiteral("Delete Session"));
    EXPECT_EQ(messageBoxes().last().title, QStringLiteral("Delete Session"));
    MsgBox::showFromLibrary(QStringLiteral("380\r\nInvalid property value"));
    EXPECT_EQ(messageBoxes().last(),
              (MessageBoxRequest{QStringLiteral("380\r\nInvalid property value"), 0, QStringLiteral("OlvarControls")}));
    MsgBox::showFromLibrary(QStringLiteral("Four"), MsgBox::OkOnly, QStringLiteral("Own"));
    EXPECT_EQ(messageBoxes().last().title, QStringLiteral("Own"));
    MsgBox::setApplicationTitle(QString());
    MsgBox::show(QStringLiteral("Five"));
    EXPECT_EQ(messageBoxes().last().title, QStringLiteral("OlvarTests"));
    EXPECT_EQ(messageBoxes().count(), 6);
}

TEST(MsgBox, ScriptedAnswersAndTheFirstButtonOtherwise)
{
    messageBoxes().answerNext(MsgBox::No);
    messageBoxes().answerNext(MsgBox::Cancel);
    EXPECT_EQ(MsgBox::show(QStringLiteral("Delete?"), MsgBox::YesNo | MsgBox::Question), MsgBox::No);
    EXPECT_EQ(MsgBox::show(QStringLiteral("Save?"), MsgBox::YesNoCancel), MsgBox::Cancel);
    EXPECT_EQ(MsgBox::show(QStringLiteral("Go?"), MsgBox::YesNo), MsgBox::Yes);
    EXPECT_EQ(MsgBox::show(QStringLiteral("Go?"), MsgBox::OkCancel | MsgBox::Critical), MsgBox::Ok);
    EXPECT_EQ(MsgBox::show(QStringLiteral("Go?"), MsgBox::RetryCancel), MsgBox::Retry);
    EXPECT_EQ(messageBoxes().requests().at(0).buttons, MsgBox::YesNo | MsgBox::Question);
    EXPECT_EQ(messageBoxes().pendingAnswers(), 0);
}

/* Olvar::Test's script reports its faults to the test framework, and stands in for any other service. */
TEST(MsgBox, ScriptFaultsReachTheTestAndTheScriptReplacesAnotherService)
{
    EXPECT_NONFATAL_FAILURE(
        {
            messageBoxes().answerNext(MsgBox::Yes);
            MsgBox::show(QStringLiteral("Saved."), MsgBox::OkOnly);
        },
        "scripted answer 6 is not a button of the box {prompt \"Saved.\", buttons 0");
    EXPECT_NONFATAL_FAILURE(OlvarTest::ScriptedMessageBoxes().last(), "no message box was shown");

    MsgBox::setService(nullptr); // the production boxes
    EXPECT_NONFATAL_FAILURE(messageBoxes(), "is not ScriptedMessageBoxes");
    EXPECT_EQ(&messageBoxes(), &MsgBox::service());
    MsgBox::show(QStringLiteral("Scripted."));
    EXPECT_EQ(messageBoxes().last().prompt, QStringLiteral("Scripted."));
}

TEST(MsgBox, RefusesButtonsItCannotShow)
{
    for (int buttons : {6, 15, MsgBox::YesNo | 80, MsgBox::YesNo | MsgBox::DefaultButton3, 0x1000, -1}) {
        SCOPED_TRACE(buttons);
        try {
            MsgBox::show(QStringLiteral("Bad"), buttons);
            ADD_FAILURE() << "shown";
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::InvalidProcedureCall);
        }
    }
    EXPECT_EQ(messageBoxes().count(), 0);
    EXPECT_EQ(MsgBox::defaultAnswer(MsgBox::YesNoCancel | MsgBox::DefaultButton3), MsgBox::Cancel);
}

namespace {

/* Shows a production box and hands it to \a answer once it is up. */
int showProductionBox(const QString &prompt, int buttons, const std::function<void(QMessageBox *)> &answer)
{
    MsgBox::setService(nullptr);
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no modal message box";
            return;
        }
        answer(box);
    });
    return MsgBox::show(prompt, buttons, QStringLiteral("Change Actual Start Time"));
}

} // namespace

TEST(MsgBox, ProductionBoxShowsPlainTextAndTheRightButtons)
{
    const int answer = showProductionBox(
        QStringLiteral("You are about to change the start time.\r\n<b>Sure?</b>"),
        MsgBox::YesNoCancel | MsgBox::Exclamation | MsgBox::DefaultButton2, [](QMessageBox *box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Change Actual Start Time"));
            EXPECT_EQ(box->text(), QStringLiteral("You are about to change the start time.\n<b>Sure?</b>"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            box->button(QMessageBox::No)->click();
        });
    EXPECT_EQ(answer, MsgBox::No);

    const auto escape = [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); };
    EXPECT_EQ(showProductionBox(QStringLiteral("Done"), MsgBox::OkOnly, escape), MsgBox::Ok);
    EXPECT_EQ(showProductionBox(QStringLiteral("Sure?"), MsgBox::OkCancel, escape), MsgBox::Cancel);
}

TEST(Desktop, ProductionDesktopFallsBackToThePrimaryScreen)
{
    Desktop::setInstance(nullptr);
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Desktop::instance().screenGeometry(primary.center()), primary);
    EXPECT_EQ(Desktop::instance().screenGeometry(QPoint(-100000, -100000)), primary);
    EXPECT_FALSE(Desktop::instance().isMouseButtonDown());
}

TEST(Desktop, ProductionScreenGrabIsTheRectanglesSizeAndBlackOffTheScreens)
{
    Desktop::setInstance(nullptr);
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    const QImage onScreen = Desktop::instance().grabScreen(QRect(primary.topLeft() + QPoint(10, 20), QSize(30, 7)));
    EXPECT_EQ(onScreen.size(), QSize(30, 7));
    EXPECT_EQ(onScreen.format(), QImage::Format_RGB32);

    const QImage offScreen = Desktop::instance().grabScreen(QRect(-100000, -100000, 5, 4));
    ASSERT_EQ(offScreen.size(), QSize(5, 4));
    EXPECT_EQ(offScreen.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(offScreen.pixel(4, 3), qRgb(0, 0, 0));
    EXPECT_TRUE(Desktop::instance().grabScreen(QRect(0, 0, 0, 0)).isNull());
}
