// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QObject>

/*! Qt-style additions of the Olvar controls. */
namespace Olvar {
Q_NAMESPACE_EXPORT(OLVAR_EXPORT)

/*!
    The item-data roles of an appointment model (Hourlet::setModel()): one row
    per appointment, each field under its role. Start and end are QDateTime
    values; the colours are optional OLE colours (OlvarControls::OleColor or a
    number) and stand in for the control's AppItem colours when given.
*/
enum AppointmentRole {
    IdRole = Qt::UserRole + 1, //!< qint32 identifier, positive for a stored appointment
    StartRole, //!< QDateTime start
    EndRole, //!< QDateTime end
    SubjectRole, //!< QString drawn in the box (also Qt::DisplayRole in AppointmentListModel)
    DetailRole, //!< QString longer notes
    TypeRole, //!< qint32 the host's appointment type
    LocationRole, //!< QString
    ResourceRole, //!< qint32 resource (counsellor); an empty value shows in every resource
    BackColorRole, //!< optional box colour
    ForeColorRole, //!< optional text colour
    BarColorRole, //!< optional bar colour
    BorderColorRole, //!< optional border colour
};
Q_ENUM_NS(AppointmentRole)

} // namespace Olvar
