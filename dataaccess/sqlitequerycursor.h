// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sqlitecursor.h"

#include <QVariant>

namespace OlvarControls::DataAccess {

class SqliteStatement;

/*!
    The rows of a query. Forward-only, it streams the rows from the statement
    (moving to the first row again runs the query again, and moving to the last
    keeps only that row); scrollable, it keeps the rows it has read.
*/
class SqliteQueryCursor : public SqliteCursor
{
public:
    SqliteQueryCursor(std::shared_ptr<SqliteSession> session, std::unique_ptr<SqliteStatement> statement,
                      CursorMovement movement);
    ~SqliteQueryCursor() override;

    bool moveFirst() override;
    bool moveNext() override;
    bool moveLast() override;
    qint64 position() override;
    QVariant value(int column) const override;

protected:
    void releaseStatements() override;

private:
    bool fetch();
    bool onBufferedRow() const { return m_index < m_rows.size(); }

    std::unique_ptr<SqliteStatement> m_statement;
    CursorMovement m_movement;
    int m_columnCount;

    // Forward-only: the statement's current row, or the one row kept by moveLast().
    bool m_started = false;
    bool m_onStatementRow = false;
    bool m_onKeptRow = false;
    QList<QVariant> m_keptRow;
    qint64 m_position = 0;

    // Scrollable: the rows read so far.
    QList<QList<QVariant>> m_rows;
    qsizetype m_index = 0;
    bool m_exhausted = false;
};

} // namespace OlvarControls::DataAccess
