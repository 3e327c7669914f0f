// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "mainwindowtesthelpers.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace SessaraTest {

std::unique_ptr<Sessara::frmDemo> openMainWindow(const QString &programFolder)
{
    auto window = std::make_unique<Sessara::frmDemo>(programFolder);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        ADD_FAILURE() << "the main window was not shown";
    QCoreApplication::processEvents();
    return window;
}

void doubleClick(QWidget *widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, point);
}

} // namespace SessaraTest
