// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <optional>
#include <utility>

namespace OlvarControls {

/*! A vertical range of the day column in content coordinates: its first and its last row. */
struct CoordinatePair
{
    qint32 top = 0;
    qint32 bottom = 0;

    friend bool operator==(CoordinatePair a, CoordinatePair b) { return a.top == b.top && a.bottom == b.bottom; }
    friend bool operator!=(CoordinatePair a, CoordinatePair b) { return !(a == b); }
};

/*!
    The fixed layout of the day view's column: 48 half-hour slots of 16
    pixels below a 59-row header band, and the two mappings between times and
    content coordinates (a client row plus the scroll value).

    Slot k (0 to 47) starts k half hours after midnight of the active date and
    covers content coordinates 59 + 16k to 74 + 16k. Coordinate 827, the first
    row below the day, stands for times that do not fall on the grid.
*/
class SlotGeometry
{
public:
    SlotGeometry() = delete;

    static constexpr int HeaderHeight = 59; //!< client rows 0 to 58
    static constexpr int DayTop = 59; //!< content coordinate of 00:00
    static constexpr int SlotHeight = 16;
    static constexpr int SlotCount = 48;
    static constexpr int SlotMinutes = 30;
    static constexpr int DayHeight = SlotCount * SlotHeight; //!< 768
    static constexpr int BelowDay = DayTop + DayHeight; //!< 827
    static constexpr int InitialScrollValue = 224; //!< 07:00 at the top
    static constexpr int InitialScrollMaximum = 827; //!< before the first resize

    /*! The first content row of slot \a k. */
    static constexpr int slotTop(int k) { return DayTop + SlotHeight * k; }
    /*! The last content row of slot \a k. */
    static constexpr int slotBottom(int k) { return slotTop(k) + SlotHeight - 1; }

    /*!
        The content coordinates of the range \a start to \a end on \a activeDate:
        the first row of the slot that starts at \a start (59 at or before
        midnight, 827 off the grid) and the last row of the slot that ends at
        \a end (58 at or before midnight, 827 off the grid or at 24:00).

        A time of day without a date (day 0) is taken on the active date, and a
        dateless end at or before a dateless start on the day after.
    */
    static CoordinatePair timeRangeToCoordinates(OleDate activeDate, OleDate start, OleDate end);

    /*!
        The start of the slot that holds the content coordinate \a y: midnight of
        \a activeDate up to 74, the next midnight from 827. Nothing for a
        fraction between two slots.
    */
    static std::optional<OleDate> coordinateToTime(OleDate activeDate, double y);
    /*! As coordinateToTime(); a fraction between two slots gives the earlier slot. */
    static OleDate slotStartAt(OleDate activeDate, double y);

    /*!
        The scroll maximum for a client \a height: (48 - (height - 57) / 16) * 16,
        dividing towards zero; negative for controls taller than 841 pixels. Kept
        within the scroll bar's 16-bit range.
    */
    static int scrollMaximum(int height);

    /*!
        The slots of the working hours from \a start to \a end, times of day on
        day 0 (1 stands for 24:00): the first slot, and the slot after the last.
        The band widens to the slot boundaries around the times. Nothing for an
        empty or reversed band, or a time outside the day.
    */
    static std::optional<std::pair<int, int>> workingSlots(OleDate start, OleDate end);
    /*! The content coordinate of the instant \a time on \a activeDate; nothing on another day. */
    static std::optional<int> coordinateOfInstant(OleDate activeDate, OleDate time);
};

} // namespace OlvarControls
