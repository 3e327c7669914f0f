// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"
#include "postgrescatalog.h"
#include "schemainfo.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <utility>

struct pg_conn;
struct pg_result;

namespace OlvarControls::DataAccess {

class PostgresCursor;
struct PostgresStatement;
struct TranslatedStatement;

/*!
    A connection to a PostgreSQL server. Statements arrive in the desktop
    dialect, are translated as for SQLite (DialectTranslator, with this
    schema's column types) and then into PostgreSQL's (PostgresDialect).
    Dates are stored as day numbers and Booleans as 0 and 1, as in a file, so
    that every statement compares and computes as it does there.
*/
class PostgresSession : public EngineSession, public SchemaInfo, public std::enable_shared_from_this<PostgresSession>
{
public:
    /*!
        Connects with the libpq \a keywords. A server that is down or does not
        answer within the connect timeout, a refused login and a missing database
        raise error -2147467259 with the server's message.
    */
    static std::shared_ptr<PostgresSession> open(const QList<std::pair<QByteArray, QByteArray>> &keywords);
    ~PostgresSession() override;

    std::unique_ptr<EngineCursor> execute(const QString &statement, CursorMovement movement) override;
    bool hasTable(const QString &name) const override;
    std::unique_ptr<EngineCursor> openTable(const QString &table, CursorMovement movement) override;
    qint64 lastInsertId() const override;
    qint64 changes() const override;
    void close() override;
    void beginExclusive(const QList<std::pair<int, qint64>> &keys, int timeoutMs) override;

    ColumnKind columnKind(const QString &table, const QString &column) const override;
    QStringList columnNames(const QString &table) const override;

    /*! Runs \a sql as it is (PostgreSQL's dialect) with text \a parameters; raises an OleError for a failure. */
    void run(const QByteArray &sql, const QList<QByteArray> &parameters = {});

    const PostgresCatalog &catalog() const { return *m_catalog; }
    void unregisterCursor(PostgresCursor *cursor);

private:
    explicit PostgresSession(pg_conn *connection);
    void checkOpen() const;
    void loadCatalog();
    pg_result *execTranslated(const QString &statement, const TranslatedStatement &translated,
                              PostgresStatement *postgres);
    void prepareTypes();
    std::unique_ptr<EngineCursor> cursorFor(pg_result *result);
    pg_result *exec(const QByteArray &sql, const QList<QVariant> &parameters);
    [[noreturn]] void raise(pg_result *result) const;

    pg_conn *m_connection;
    // The schema's description, shared by the sessions of one connection string
    // and read again when it may have changed (fresh: read by this session).
    std::shared_ptr<const PostgresCatalog> m_catalog;
    QString m_catalogKey;
    bool m_catalogFresh = false;
    QList<PostgresCursor *> m_cursors;
    qint64 m_lastInsertId = 0;
    qint64 m_changes = 0;
    bool m_typesReady = false;
};

} // namespace OlvarControls::DataAccess
