// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "weekviewtesthelpers.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;

namespace OlvarTest {

std::unique_ptr<WeekView> shownWeekView()
{
    auto view = std::make_unique<WeekView>();
    view->InitProperties();
    view->resize(800, 400);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        ADD_FAILURE() << "the week view was not shown";
    QCoreApplication::processEvents();
    return view;
}

QPoint insideColumn(const WeekView &view, int index, int y)
{
    return QPoint(view.column(index)->width() / 2, y);
}

} // namespace OlvarTest
