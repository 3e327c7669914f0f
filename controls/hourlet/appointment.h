// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "oledate.h"
#include "olvarglobal.h"

#include <QFont>
#include <QString>
#include <QVariant>

#include <optional>

namespace OlvarControls {

/*!
    One appointment of the day view: an entry of its appointment list, and
    also the layout of the selection record. Fields keep the names hosts know
    them by.
*/
struct Appointment
{
    qint32 ApptID = 0; //!< the session's identifier; 0 never stored; -1 in a selection of no appointment
    OleDate ApptDate; //!< the appointment's day
    qint32 ApptStartCoord = 0; //!< first content row of the slot it starts in
    qint32 ApptEndCoord = 0; //!< last content row of the last slot before its end
    QString ApptSubject; //!< the text of its box
    QString ApptDetail; //!< longer notes
    OleDate ApptTimeStart;
    OleDate ApptTimeEnd;
    quint8 ApptDeleted = 0; //!< 1 once DeleteAppointment has removed it
    qint32 ApptType = 0; //!< the host's appointment type; -1 in a selection of no appointment
    QString Location;
    std::optional<QFont> Font; //!< never filled by the day view
    OleColor ForeColor;
    OleColor BackColor;
    OleColor AppBarColor;
    OleColor AppBarBorderColor;
    OleColor AppBorderColor;
    std::optional<OleColor> OwnBackColor; //!< from an appointment model: drawn instead of AppItemBackColor
    std::optional<OleColor> OwnForeColor; //!< from an appointment model: drawn instead of AppItemForeColor
    std::optional<OleColor> OwnBarColor; //!< from an appointment model: drawn instead of AppItemBarColor
    std::optional<OleColor> OwnBorderColor; //!< from an appointment model: drawn instead of AppItemBorderColor

    /*! Whether appointment painting draws it, and the hit test can find it: live and stored. */
    bool isShown() const { return ApptDeleted == 0 && ApptID > 0; }

    /*!
        The field that the Appt_Detail_Type value \a detail names, as
        GetSelectedAppt() returns it; Empty for 14, 15 and values outside 0 to 13.
    */
    QVariant detail(int detail) const;
};

} // namespace OlvarControls
