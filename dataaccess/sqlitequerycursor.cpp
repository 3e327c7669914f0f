// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitequerycursor.h"

#include "sqlitestatement.h"

namespace OlvarControls::DataAccess {

SqliteQueryCursor::SqliteQueryCursor(std::shared_ptr<SqliteSession> session, std::unique_ptr<SqliteStatement> statement,
                                     CursorMovement movement)
    : SqliteCursor(std::move(session))
    , m_statement(std::move(statement))
    , m_movement(movement)
    , m_columnCount(m_statement->columnCount())
{
    m_columns = m_statement->columns(m_columnCount);
}

SqliteQueryCursor::~SqliteQueryCursor() = default;

void SqliteQueryCursor::releaseStatements()
{
    m_statement.reset();
    m_rows.clear();
    m_keptRow.clear();
}

bool SqliteQueryCursor::fetch()
{
    if (m_exhausted)
        return false;
    if (!m_statement->step()) {
        m_exhausted = true;
        return false;
    }
    m_rows.append(m_statement->rowValues(m_columnCount));
    return true;
}

bool SqliteQueryCursor::moveFirst()
{
    if (m_movement == CursorMovement::Scrollable) {
        m_index = 0;
        if (m_rows.isEmpty())
            fetch();
        return onBufferedRow();
    }
    if (m_started)
        m_statement->reset();
    m_started = true;
    m_onKeptRow = false;
    m_onStatementRow = m_statement->step();
    m_position = 1;
    return m_onStatementRow;
}

bool SqliteQueryCursor::moveNext()
{
    if (m_movement == CursorMovement::Scrollable) {
        if (onBufferedRow())
            ++m_index;
        if (m_index == m_rows.size())
            fetch();
        return onBufferedRow();
    }
    if (!m_started)
        return moveFirst();
    if (m_onKeptRow) {
        m_onKeptRow = false;
        ++m_position;
        return false;
    }
    if (!m_onStatementRow)
        return false;
    ++m_position;
    m_onStatementRow = m_statement->step();
    return m_onStatementRow;
}

bool SqliteQueryCursor::moveLast()
{
    if (m_movement == CursorMovement::Scrollable) {
        while (fetch()) {
        }
        m_index = m_rows.isEmpty() ? 0 : m_rows.size() - 1;
        return onBufferedRow();
    }
    if (!m_started || (!m_onStatementRow && !m_onKeptRow))
        moveFirst();
    if (m_onKeptRow)
        return true;
    if (!m_onStatementRow)
        return false;
    QList<QVariant> last;
    while (m_onStatementRow) {
        last = m_statement->rowValues(m_columnCount);
        m_onStatementRow = m_statement->step();
        ++m_position;
    }
    --m_position;
    m_keptRow = std::move(last);
    m_onKeptRow = true;
    return true;
}

qint64 SqliteQueryCursor::position()
{
    return m_movement == CursorMovement::Scrollable ? m_index + 1 : m_position;
}

QVariant SqliteQueryCursor::value(int column) const
{
    if (m_movement == CursorMovement::Scrollable)
        return m_rows.at(m_index).at(column);
    return m_onKeptRow ? m_keptRow.at(column) : m_statement->value(column);
}

} // namespace OlvarControls::DataAccess
