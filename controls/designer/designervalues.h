// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMetaType>
#include <QVariant>

namespace OlvarDesigner {

/*!
    Property values as Qt Designer's property editor knows them: colours as
    QColor, 16-bit integers as int and dates as QDateTime, so that they are
    edited with the colour, number and date editors and saved in forms as
    such. Other values pass unchanged.
*/
namespace DesignerValues {

/*! \a value as the property editor shows it; a system colour shows as its current colour. */
QVariant toDesigner(const QVariant &value);
/*! \a value from the property editor as a property of \a type takes it; raises OleError 6 or 13 when it does not fit. */
QVariant toControl(const QVariant &value, QMetaType type);

} // namespace DesignerValues

} // namespace OlvarDesigner
