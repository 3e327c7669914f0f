// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitecursor.h"

#include "sqlitesession.h"

namespace OlvarControls::DataAccess {

SqliteCursor::SqliteCursor(std::shared_ptr<SqliteSession> session)
    : m_session(std::move(session))
{
    m_session->registerCursor(this);
}

SqliteCursor::~SqliteCursor()
{
    if (m_open)
        m_session->unregisterCursor(this);
}

void SqliteCursor::close()
{
    if (!m_open)
        return;
    m_open = false;
    releaseStatements();
    m_session->unregisterCursor(this);
}

sqlite3 *SqliteCursor::database() const
{
    return m_session->handle();
}

} // namespace OlvarControls::DataAccess
