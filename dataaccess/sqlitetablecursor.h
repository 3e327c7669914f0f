// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sqlitecursor.h"

#include <QVariant>

namespace OlvarControls::DataAccess {

class SqliteStatement;

/*!
    The rows of one table in row-identifier order, moved through by key: each
    move reads one row by the table's primary index, so reaching the first or
    last row costs the same whatever the table's size. The position is counted
    only when asked for.
*/
class SqliteTableCursor : public SqliteCursor
{
public:
    /*! A cursor over \a table, a name already quoted for SQLite, which must have row identifiers. */
    SqliteTableCursor(std::shared_ptr<SqliteSession> session, const QString &table);
    ~SqliteTableCursor() override;

    bool moveFirst() override;
    bool moveNext() override;
    bool moveLast() override;
    qint64 position() override;
    QVariant value(int column) const override;

protected:
    void releaseStatements() override;

private:
    SqliteStatement &statement(std::unique_ptr<SqliteStatement> &slot, const char *pattern);
    bool load(SqliteStatement &statement);

    QString m_table;
    int m_columnCount = 0;
    std::unique_ptr<SqliteStatement> m_first;
    std::unique_ptr<SqliteStatement> m_next;
    std::unique_ptr<SqliteStatement> m_last;
    std::unique_ptr<SqliteStatement> m_count;

    bool m_onRow = false;
    qint64 m_key = 0;
    qint64 m_position = 0; // 0: not counted yet
    QList<QVariant> m_row;
};

} // namespace OlvarControls::DataAccess
