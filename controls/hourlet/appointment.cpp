// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointment.h"

namespace OlvarControls {

QVariant Appointment::detail(int detail) const
{
    switch (detail) {
    case 0:
        return ApptID;
    case 1:
        return ApptStartCoord;
    case 2:
        return QVariant::fromValue(ApptDate);
    case 3:
        return ApptEndCoord;
    case 4:
        return ApptSubject;
    case 5:
        return ApptDetail;
    case 6:
        return QVariant::fromValue(ApptTimeStart);
    case 7:
        return QVariant::fromValue(ApptTimeEnd);
    case 8:
        return QVariant::fromValue(ApptDeleted);
    case 9:
        return ApptType;
    case 10:
        return Font ? QVariant(*Font) : QVariant();
    case 11:
        return qint32(ForeColor.value());
    case 12:
        return qint32(BackColor.value());
    case 13:
        return qint32(AppBarColor.value());
    default:
        return QVariant();
    }
}

} // namespace OlvarControls
