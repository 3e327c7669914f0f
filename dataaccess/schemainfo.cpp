// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "schemainfo.h"

#include "oledate.h"

#include <limits>

namespace OlvarControls::DataAccess {

SchemaInfo::ColumnKind SchemaInfo::kindOfDeclaredType(QStringView declaredType)
{
    static const char *const dateTypes[] = {"DATETIME", "DATE", "TIME", "TIMESTAMP"};
    static const char *const booleanTypes[] = {"BOOLEAN", "BOOL", "BIT", "YESNO"};
    const QStringView type = declaredType.trimmed();
    for (const char *name : dateTypes) {
        if (type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return DateTimeColumn;
    }
    for (const char *name : booleanTypes) {
        if (type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return BooleanColumn;
    }
    return OtherColumn;
}

QVariant SchemaInfo::integerValue(qint64 number, ColumnKind kind)
{
    if (kind == DateTimeColumn)
        return QVariant::fromValue(OleDate(double(number)));
    if (kind == BooleanColumn)
        return QVariant(number != 0);
    if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
        return QVariant(int(number));
    return QVariant(number);
}

QVariant SchemaInfo::realValue(double number, ColumnKind kind)
{
    if (kind == DateTimeColumn)
        return QVariant::fromValue(OleDate(number));
    if (kind == BooleanColumn)
        return QVariant(number != 0.0);
    return QVariant(number);
}

} // namespace OlvarControls::DataAccess
