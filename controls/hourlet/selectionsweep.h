// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "appointment.h"
#include "olvarglobal.h"

#include <functional>
#include <optional>
#include <utility>

namespace OlvarControls {

class AppointmentList;

/*!
    The day view's selection record and the rules by which the mouse changes
    it: a press selects the slot under the pointer, a sweep extends the
    selection from the slot it began in, and a release resolves it to the
    appointment under the pointer. Positions are content coordinates.
*/
class SelectionSweep
{
public:
    /*! The selection record. */
    const Appointment &selection() const { return m_selection; }
    Appointment &selection() { return m_selection; }
    /*! Whether a left-button press has started a sweep that no left release has ended. */
    bool isSweeping() const { return m_sweeping; }

    /*! A left-button press at \a y on \a activeDate: selects that slot and starts a sweep. */
    void press(double y, OleDate activeDate);
    /*! Extends the selection of a sweep to the slot at \a y. */
    void extendTo(double y, OleDate activeDate);
    /*!
        A release at \a y: ends the sweep when \a leftButton, then selects the
        appointment of \a list under \a y, or no appointment over the swept
        slots, with start and end in order. With \a accepts only the records it
        accepts by index can be hit (the boxes drawn under the pointer).
    */
    void release(bool leftButton, double y, const AppointmentList &list, OleDate activeDate,
                 const std::function<bool(qsizetype)> &accepts = {});

    /*! Selects the slots \a first to \a last (0 to 47) on \a activeDate as a press and sweep would, without a sweep. */
    void selectSlots(int first, int last, OleDate activeDate);
    /*! The first and last slot the selection covers; nothing when no slot is selected. */
    std::optional<std::pair<int, int>> selectedSlots() const;

    /*! Moves the selected slots' times to \a activeDate, when a slot is selected. */
    void moveToDate(OleDate activeDate);

private:
    void clearAppointment(OleDate activeDate);
    /*! Selects no appointment over \a start to \a end, anchored at \a end. */
    void selectRange(OleDate start, OleDate end, OleDate activeDate);

    Appointment m_selection;
    bool m_sweeping = false;
    OleDate m_anchor;
};

} // namespace OlvarControls
