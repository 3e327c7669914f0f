// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "lookuptable.h"

#include "basgeneral.h"

namespace Sessara {

LookupTable LookupTable::of(Kind kind)
{
    LookupTable list;
    switch (kind) {
    case Kind::Locations:
        list.m_caption = QStringLiteral("Location");
        list.m_table = QStringLiteral("tblLocation");
        list.m_idColumn = QStringLiteral("LocationID");
        list.m_usages = {{QStringLiteral("tblSession"), QStringLiteral("LocationID"), QStringLiteral("sessions")}};
        break;
    case Kind::SessionTypes:
        list.m_caption = QStringLiteral("Session Types");
        list.m_table = QStringLiteral("tblSessionType");
        list.m_idColumn = QStringLiteral("SessionTypeID");
        list.m_usages = {{QStringLiteral("tblSession"), QStringLiteral("SessionTypeID"), QStringLiteral("sessions")}};
        break;
    case Kind::CaseTypes:
        list.m_caption = QStringLiteral("Case Types");
        list.m_table = QStringLiteral("tblCaseType");
        list.m_idColumn = QStringLiteral("CaseTypeID");
        list.m_usages = {{QStringLiteral("tblClientCase"), QStringLiteral("CaseTypeID"), QStringLiteral("cases")}};
        break;
    }
    return list;
}

QString LookupTable::selectAll() const
{
    return QStringLiteral("Select * from ") + m_table + QStringLiteral(" order by Description");
}

QString LookupTable::selectDescribed(const QString &description) const
{
    return QStringLiteral("Select * from ") + m_table + QStringLiteral(" where Description = '")
        + basGeneral::QuoteForSql(description.trimmed()) + QLatin1Char('\'');
}

QString LookupTable::insert(const QString &description) const
{
    return QStringLiteral("Insert into ") + m_table + QStringLiteral(" (Description) values ('")
        + basGeneral::QuoteForSql(description.trimmed()) + QStringLiteral("')");
}

QString LookupTable::rename(qint32 id, const QString &description) const
{
    return QStringLiteral("Update ") + m_table + QStringLiteral(" set Description = '")
        + basGeneral::QuoteForSql(description.trimmed()) + QStringLiteral("' where ") + m_idColumn
        + QStringLiteral(" = ") + QString::number(id);
}

QString LookupTable::remove(qint32 id) const
{
    return QStringLiteral("Delete from ") + m_table + QStringLiteral(" where ") + m_idColumn + QStringLiteral(" = ")
        + QString::number(id);
}

QString LookupTable::countUses(const Usage &usage, qint32 id)
{
    return QStringLiteral("Select count(*) as Uses from ") + usage.table + QStringLiteral(" where ") + usage.column
        + QStringLiteral(" = ") + QString::number(id);
}

QString LookupTable::refusal(const QString &description, bool taken)
{
    if (description.trimmed().isEmpty())
        return QStringLiteral("Enter a description.");
    if (taken)
        return QStringLiteral("\"") + description.trimmed() + QStringLiteral("\" is in the list already.");
    return QString();
}

QString LookupTable::inUse(const QString &description, int uses, const Usage &usage)
{
    return QStringLiteral("\"") + description + QStringLiteral("\" cannot be deleted: it is used by ")
        + QString::number(uses) + QLatin1Char(' ') + (uses == 1 ? usage.rows.chopped(1) : usage.rows)
        + QStringLiteral(" (") + usage.table + QStringLiteral(").");
}

} // namespace Sessara
