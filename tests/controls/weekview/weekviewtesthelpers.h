// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "weekview.h"

#include <QPoint>

#include <memory>

namespace OlvarTest {

/*! A new, shown week view of 800 x 400 pixels (12000 x 6000 twips). */
std::unique_ptr<OlvarControls::WeekView> shownWeekView();

/*! A point inside column \a index of \a view, \a y pixels from the column's top, in the column's coordinates. */
QPoint insideColumn(const OlvarControls::WeekView &view, int index, int y = 150);

} // namespace OlvarTest
