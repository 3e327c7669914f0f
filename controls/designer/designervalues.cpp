// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "designervalues.h"

#include "latebinding.h"
#include "olecolor.h"
#include "oledate.h"

#include <QColor>
#include <QDateTime>

namespace OlvarDesigner {

using namespace OlvarControls;

QVariant DesignerValues::toDesigner(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<OleColor>())
        return value.value<OleColor>().toQColor();
    if (type == QMetaType::fromType<qint16>())
        return int(value.value<qint16>());
    if (type == QMetaType::fromType<OleDate>())
        return value.value<OleDate>().toDateTime();
    return value;
}

QVariant DesignerValues::toControl(const QVariant &value, QMetaType type)
{
    if (type == QMetaType::fromType<OleColor>() || type == QMetaType::fromType<qint16>()
        || type == QMetaType::fromType<OleDate>())
        return LateBinding::convert(value, type);
    return value;
}

} // namespace OlvarDesigner
