// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"
#include "schemainfo.h"

#include <QList>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace OlvarControls::DataAccess {

/*!
    One prepared SQLite statement, finalized with the object. Values come back
    as the data-access objects give them: Null, int or qint64, double, QString,
    QByteArray, and OleDate and bool for the columns declared as dates and Booleans.
*/
class SqliteStatement
{
public:
    /*! Prepares the single statement \a sql on \a db and binds \a parameters to ?1, ?2, ... */
    SqliteStatement(sqlite3 *db, const QString &sql, const QList<QVariant> &parameters = {});
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    /*! The number of result columns; 0 for a statement without rows. */
    int columnCount() const;
    /*! The number of parameters SQLite found in the statement (the largest ?NNN). */
    int parameterCount() const;
    /*! The first \a count result columns. */
    QList<ColumnInfo> columns(int count) const;

    /*! Runs to the next row; false at the end. Raises an OleError for a failure. */
    bool step();
    /*! Makes the statement ready to run again, its parameters kept. */
    void reset();
    /*! Binds \a value to parameter \a index (1-based). */
    void bind(int index, qint64 value);

    /*! The value of \a column in the current row. */
    QVariant value(int column) const;
    /*! The first \a count values of the current row. */
    QList<QVariant> rowValues(int count) const;
    /*! \a column of the current row as an integer. */
    qint64 integerValue(int column) const;

private:
    void bindValue(int index, const QVariant &value);

    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
    QList<SchemaInfo::ColumnKind> m_kinds;
};

} // namespace OlvarControls::DataAccess
