// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "frmdemo.h"

#include <QApplication>
#include <QPoint>
#include <QString>

#include <memory>

class QWidget;

namespace SessaraTest {

/*! The main window of a program in \a programFolder, shown and laid out. */
std::unique_ptr<Sessara::frmDemo> openMainWindow(const QString &programFolder);

/*! The client row of the first row of half-hour slot \a slot in a day view scrolled to \a scroll, plus 4. */
inline int slotRow(int slot, int scroll)
{
    return 59 + 16 * slot - scroll + 4;
}

/*! The modal dialog shown now, as a \a Dialog; nullptr when none is, or it is another kind. */
template <typename Dialog>
Dialog *modal()
{
    return qobject_cast<Dialog *>(QApplication::activeModalWidget());
}

/*! A double-click at \a point of \a widget in the window system's order: click, double-click press, release. */
void doubleClick(QWidget *widget, QPoint point);

} // namespace SessaraTest
