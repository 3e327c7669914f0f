// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace OlvarControls {

/*!
    What the date entries and the month popup hand each other: one block for
    the whole program. A date entry fills in the selected date and the owner
    before it opens the popup; the popup writes the chosen date back. The
    button settings are the ones most recently assigned or loaded by any date
    entry.
*/
struct CalendarSharedState
{
    /*! In: the date entry's date (or its text); out: the chosen date. Empty for none. */
    QVariant selectedDate;
    /*! The window the popup places itself against. */
    QPointer<QWidget> owner;
    bool showToday = true; //!< whether \c btnToday is shown
    bool showNone = true; //!< whether \c btnNone is shown
    QString todayText; //!< \c btnToday's caption when not empty
    QString noneText; //!< \c btnNone's caption when not empty

    /*! The program's block. */
    static CalendarSharedState &instance();
};

} // namespace OlvarControls
