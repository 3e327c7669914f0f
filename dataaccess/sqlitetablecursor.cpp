// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitetablecursor.h"

#include "sqlitestatement.h"

namespace OlvarControls::DataAccess {

namespace {

// The table's columns, then its row identifier, which the cursor keeps to itself.
const char firstPattern[] = "SELECT *, rowid FROM %1 ORDER BY rowid LIMIT 1";
const char nextPattern[] = "SELECT *, rowid FROM %1 WHERE rowid > ?1 ORDER BY rowid LIMIT 1";
const char lastPattern[] = "SELECT *, rowid FROM %1 ORDER BY rowid DESC LIMIT 1";
const char countPattern[] = "SELECT count(*) FROM %1 WHERE rowid <= ?1";

} // namespace

SqliteTableCursor::SqliteTableCursor(std::shared_ptr<SqliteSession> session, const QString &table)
    : SqliteCursor(std::move(session))
    , m_table(table)
{
    SqliteStatement &first = statement(m_first, firstPattern);
    m_columnCount = first.columnCount() - 1;
    m_columns = first.columns(m_columnCount);
}

SqliteTableCursor::~SqliteTableCursor() = default;

void SqliteTableCursor::releaseStatements()
{
    m_first.reset();
    m_next.reset();
    m_last.reset();
    m_count.reset();
    m_row.clear();
    m_onRow = false;
}

SqliteStatement &SqliteTableCursor::statement(std::unique_ptr<SqliteStatement> &slot, const char *pattern)
{
    if (!slot)
        slot = std::make_unique<SqliteStatement>(database(), QString::fromLatin1(pattern).arg(m_table));
    return *slot;
}

bool SqliteTableCursor::load(SqliteStatement &statement)
{
    m_onRow = statement.step();
    if (m_onRow) {
        m_row = statement.rowValues(m_columnCount);
        m_key = statement.integerValue(m_columnCount);
    }
    statement.reset();
    return m_onRow;
}

bool SqliteTableCursor::moveFirst()
{
    m_position = 1;
    return load(statement(m_first, firstPattern));
}

bool SqliteTableCursor::moveNext()
{
    if (!m_onRow)
        return false;
    SqliteStatement &next = statement(m_next, nextPattern);
    next.bind(1, m_key);
    if (m_position > 0)
        ++m_position;
    return load(next);
}

bool SqliteTableCursor::moveLast()
{
    m_position = 0;
    return load(statement(m_last, lastPattern));
}

qint64 SqliteTableCursor::position()
{
    if (m_onRow && m_position == 0) {
        SqliteStatement &count = statement(m_count, countPattern);
        count.bind(1, m_key);
        count.step();
        m_position = count.integerValue(0);
        count.reset();
    }
    return m_position;
}

QVariant SqliteTableCursor::value(int column) const
{
    return m_row.at(column);
}

} // namespace OlvarControls::DataAccess
