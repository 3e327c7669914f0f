// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

namespace OlvarControls {

/*!
    A drag of an appointment's body (a move) or of its bottom edge (a change
    of its end), in half-hour steps of 16 pixels: the new times for a pointer
    that has moved from where the drag began, and, for a move, by whole days
    into another day.
*/
class AppointmentDrag
{
public:
    enum Kind { Move, Resize };

    static constexpr int EdgeHeight = 4; //!< the rows at a box's bottom that take the end

    /*! Whether a press at client row \a y on a box with rows \a top to \a bottom (its border) grabs the edge. */
    static Kind kindAt(int y, int top, int bottom) { return y > top && y > bottom - EdgeHeight ? Resize : Move; }

    AppointmentDrag() = default;
    /*! A drag of the appointment \a id from \a start to \a end, begun at content coordinate \a y. */
    AppointmentDrag(Kind kind, qint32 id, OleDate start, OleDate end, double y);

    bool isActive() const { return m_id > 0; }
    qint32 id() const { return m_id; }
    Kind kind() const { return m_kind; }
    /*! Whether the pointer at \a y has moved the appointment by a step or more. */
    bool hasMoved(double y) const { return steps(y) != 0; }

    /*! The new start for the pointer at \a y, \a days days later. */
    OleDate newStart(double y, int days = 0) const;
    /*! The new end for the pointer at \a y, \a days days later; a change of the end keeps one step at least. */
    OleDate newEnd(double y, int days = 0) const;

private:
    int steps(double y) const;

    Kind m_kind = Move;
    qint32 m_id = 0;
    OleDate m_start;
    OleDate m_end;
    double m_y = 0;
};

} // namespace OlvarControls
