// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"
#include "schemainfo.h"

#include <QList>

#include <memory>

struct sqlite3;

namespace OlvarControls::DataAccess {

class SqliteCursor;
struct TranslatedStatement;

/*!
    An open SQLite database file. Statements arrive in the desktop dialect and
    are translated (DialectTranslator) with this database's own column types.
*/
class SqliteSession : public EngineSession, public SchemaInfo, public std::enable_shared_from_this<SqliteSession>
{
public:
    /*! The time a statement waits for another process's lock before it fails, unless the connection string says otherwise. */
    static constexpr int DefaultBusyTimeout = 2000;

    /*!
        Opens the existing database file \a path; a file that is missing, or no
        SQLite database, raises error -2147467259 naming it. A statement that
        finds the database locked retries for \a busyTimeout milliseconds.
    */
    static std::shared_ptr<SqliteSession> open(const QString &path, int busyTimeout = DefaultBusyTimeout);
    ~SqliteSession() override;

    std::unique_ptr<EngineCursor> execute(const QString &statement, CursorMovement movement) override;
    bool hasTable(const QString &name) const override;
    std::unique_ptr<EngineCursor> openTable(const QString &table, CursorMovement movement) override;
    qint64 lastInsertId() const override;
    qint64 changes() const override;
    void close() override;
    void beginExclusive(const QList<std::pair<int, qint64>> &keys, int timeoutMs) override;

    ColumnKind columnKind(const QString &table, const QString &column) const override;
    QStringList columnNames(const QString &table) const override;

    /*! The SQLite handle; null once closed. */
    sqlite3 *handle() const { return m_db; }
    void registerCursor(SqliteCursor *cursor);
    void unregisterCursor(SqliteCursor *cursor);

private:
    explicit SqliteSession(sqlite3 *db);
    void checkOpen() const;
    TranslatedStatement translate(const QString &statement) const;

    sqlite3 *m_db;
    QList<SqliteCursor *> m_cursors;
};

} // namespace OlvarControls::DataAccess
