// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "schemainfo.h"

#include <QStringList>

/*!
    The schema the translator's tests ask about: tblSession(SessionID, SessionDate
    DATETIME, StartTime DATETIME, Notes TEXT, Cancelled BOOLEAN).
*/
class SessionSchema : public OlvarControls::DataAccess::SchemaInfo
{
public:
    ColumnKind columnKind(const QString &table, const QString &column) const override
    {
        ++questions;
        if (table.compare(QLatin1String("tblSession"), Qt::CaseInsensitive) != 0)
            return OtherColumn;
        for (const char *name : {"SessionDate", "StartTime"}) {
            if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return DateTimeColumn;
        }
        return column.compare(QLatin1String("Cancelled"), Qt::CaseInsensitive) == 0 ? BooleanColumn : OtherColumn;
    }
    QStringList columnNames(const QString &table) const override
    {
        if (table.compare(QLatin1String("tblSession"), Qt::CaseInsensitive) != 0)
            return {};
        return {QStringLiteral("SessionID"), QStringLiteral("SessionDate"), QStringLiteral("StartTime"),
                QStringLiteral("Notes"), QStringLiteral("Cancelled")};
    }
    mutable int questions = 0; //!< how often columnKind() was asked
};
