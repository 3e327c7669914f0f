// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"

#include <memory>

struct sqlite3;

namespace OlvarControls::DataAccess {

class SqliteSession;

/*!
    What the SQLite cursors share: their session, which they keep alive, and the
    registration through which the session closes them when it closes.
*/
class SqliteCursor : public EngineCursor
{
public:
    explicit SqliteCursor(std::shared_ptr<SqliteSession> session);
    ~SqliteCursor() override;

    const QList<ColumnInfo> &columns() const override { return m_columns; }
    bool isOpen() const override { return m_open; }
    void close() override;

protected:
    /*! Finalizes the cursor's statements; called once, by close(). */
    virtual void releaseStatements() = 0;
    sqlite3 *database() const;

    QList<ColumnInfo> m_columns;

private:
    std::shared_ptr<SqliteSession> m_session;
    bool m_open = true;
};

} // namespace OlvarControls::DataAccess
