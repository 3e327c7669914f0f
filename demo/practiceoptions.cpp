// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "practiceoptions.h"

#include "basgeneral.h"
#include "sessionattendees.h"

namespace Sessara {

std::optional<int> PracticeOptions::hours(const QString &typed)
{
    const std::optional<qint32> number = SessionAttendees::identifier(typed);
    if (!number || *number < 0 || *number > 24 * 365)
        return std::nullopt;
    return *number;
}

QString PracticeOptions::hoursRefusal()
{
    return QStringLiteral("The minimum cancellation time is a whole number of hours, from 0 to 8760.");
}

QString PracticeOptions::select(const QString &description)
{
    return QStringLiteral("Select * from tblConfig where Description ='") + basGeneral::QuoteForSql(description)
        + QLatin1Char('\'');
}

QString PracticeOptions::update(const QString &description, const QString &value)
{
    return QStringLiteral("Update tblConfig set [Value] = '") + basGeneral::QuoteForSql(value)
        + QStringLiteral("' where Description = '") + basGeneral::QuoteForSql(description) + QLatin1Char('\'');
}

QString PracticeOptions::insert(const QString &description, const QString &value)
{
    return QStringLiteral("Insert into tblConfig (Description, [Value]) values ('")
        + basGeneral::QuoteForSql(description) + QStringLiteral("', '") + basGeneral::QuoteForSql(value)
        + QStringLiteral("')");
}

} // namespace Sessara
