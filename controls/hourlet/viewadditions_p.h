// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "hourlet.h"
#include "olecolor.h"
#include "oledate.h"
#include "slotgeometry.h"

namespace OlvarControls {

/*!
    The optional behaviours a day view adds to its specified ones, each off by
    default: kept by every Hourlet and, for its seven columns, by the WeekView.
*/
struct ViewAdditions
{
    OleDate workDayStart = Hourlet::defaultWorkDayStart();
    OleDate workDayEnd = Hourlet::defaultWorkDayEnd();
    bool showNowLine = false;
    OleColor nowLineColor = Hourlet::DefaultNowLineColor;
    bool overlapLayout = false;
    bool keyboardSelection = false;
    bool allowDragEdit = false;

    /*! Puts a working day that is empty or reversed (as a saved bag may hold) back to the default; true if it did. */
    bool resetInvalidWorkDay()
    {
        if (SlotGeometry::workingSlots(workDayStart, workDayEnd))
            return false;
        workDayStart = Hourlet::defaultWorkDayStart();
        workDayEnd = Hourlet::defaultWorkDayEnd();
        return true;
    }
};

} // namespace OlvarControls
