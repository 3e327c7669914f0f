// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "schemainfo.h"

#include <QHash>
#include <QList>
#include <QString>

namespace OlvarControls::DataAccess {

/*! A column of a PostgreSQL table as the catalog describes it. */
struct PostgresColumn
{
    QString name;
    SchemaInfo::ColumnKind kind = SchemaInfo::OtherColumn;
    bool identity = false; //!< numbered by the server when no value is given
    bool primaryKey = false; //!< part of the table's primary key
};

/*! A table or view of the session's schema. */
struct PostgresTable
{
    unsigned oid = 0;
    QString name;
    QList<PostgresColumn> columns;
    QHash<int, qsizetype> byNumber; //!< a column's attribute number to its index in columns

    /*! The identity column, or null. */
    const PostgresColumn *identityColumn() const;
    /*! The primary key's columns in their order. */
    QStringList primaryKey() const;
};

/*!
    The tables and columns of the schema a PostgreSQL session works in, as
    written when they were created, so that names the desktop dialect writes in
    any case find them, and values read back as the columns declare them.
*/
class PostgresCatalog
{
public:
    /*! Adds a column; the table is made on its first column. */
    void addColumn(unsigned tableOid, const QString &table, int number, const PostgresColumn &column);
    /*! Forgets every table. */
    void clear();

    /*! The table or view \a name (any case), or null. */
    const PostgresTable *table(const QString &name) const;
    /*! The table with the object identifier \a oid, or null. */
    const PostgresTable *table(unsigned oid) const;
    /*!
        The spelling of the table or column \a name as created; empty when there is
        none. A column name that tables spell differently ("eMail", "Email") is
        spelt as the first of \a tables that has it spells it.
    */
    QString canonicalName(const QString &name, const QList<const PostgresTable *> &tables = {}) const;

    /*! The kind of a column of the type named \a typeName. */
    static SchemaInfo::ColumnKind kindOfType(const QString &typeName);

    /*! The domain that holds day numbers (dates and times). */
    static constexpr const char *DateTimeDomain = "olvar_datetime";
    /*! The domain that holds 0 and 1 (Booleans). */
    static constexpr const char *BooleanDomain = "olvar_boolean";

private:
    QList<PostgresTable> m_tables;
    QHash<QString, qsizetype> m_byName;
    QHash<unsigned, qsizetype> m_byOid;
    QHash<QString, QString> m_names;
};

} // namespace OlvarControls::DataAccess
