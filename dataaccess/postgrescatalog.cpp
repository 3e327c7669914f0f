// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgrescatalog.h"

namespace OlvarControls::DataAccess {

const PostgresColumn *PostgresTable::identityColumn() const
{
    for (const PostgresColumn &column : columns) {
        if (column.identity)
            return &column;
    }
    return nullptr;
}

QStringList PostgresTable::primaryKey() const
{
    QStringList key;
    for (const PostgresColumn &column : columns) {
        if (column.primaryKey)
            key.append(column.name);
    }
    return key;
}

void PostgresCatalog::addColumn(unsigned tableOid, const QString &table, int number, const PostgresColumn &column)
{
    qsizetype index = m_byOid.value(tableOid, -1);
    if (index < 0) {
        index = m_tables.size();
        m_tables.append(PostgresTable{tableOid, table, {}, {}});
        m_byOid.insert(tableOid, index);
        m_byName.insert(table.toLower(), index);
        m_names.insert(table.toLower(), table);
    }
    PostgresTable &entry = m_tables[index];
    entry.byNumber.insert(number, entry.columns.size());
    entry.columns.append(column);
    m_names.insert(column.name.toLower(), column.name);
}

void PostgresCatalog::clear()
{
    m_tables.clear();
    m_byName.clear();
    m_byOid.clear();
    m_names.clear();
}

const PostgresTable *PostgresCatalog::table(const QString &name) const
{
    const qsizetype index = m_byName.value(name.toLower(), -1);
    return index < 0 ? nullptr : &m_tables.at(index);
}

const PostgresTable *PostgresCatalog::table(unsigned oid) const
{
    const qsizetype index = m_byOid.value(oid, -1);
    return index < 0 ? nullptr : &m_tables.at(index);
}

QString PostgresCatalog::canonicalName(const QString &name, const QList<const PostgresTable *> &tables) const
{
    for (const PostgresTable *table : tables) {
        for (const PostgresColumn &column : table->columns) {
            if (column.name.compare(name, Qt::CaseInsensitive) == 0)
                return column.name;
        }
    }
    return m_names.value(name.toLower());
}

SchemaInfo::ColumnKind PostgresCatalog::kindOfType(const QString &typeName)
{
    if (typeName == QLatin1String(DateTimeDomain))
        return SchemaInfo::DateTimeColumn;
    if (typeName == QLatin1String(BooleanDomain) || typeName == QLatin1String("bool"))
        return SchemaInfo::BooleanColumn;
    return SchemaInfo::OtherColumn;
}

} // namespace OlvarControls::DataAccess
