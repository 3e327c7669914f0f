// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"

namespace OlvarControls::DataAccess {

/*!
    The server engine: opens a session on a PostgreSQL server through libpq.
    The connection string names it with "Provider=PostgreSQL" and gives Host,
    Port, Database, "User ID" and Password; any other key is passed to libpq as
    its own keyword (sslmode, options, application_name, ...). "Connect Timeout"
    (seconds, 10 when not given) bounds the wait for a server that does not answer.
*/
class PostgresEngine : public Engine
{
public:
    std::shared_ptr<EngineSession> open(const ConnectionStringParser &connectionString) override;

    /*! The libpq connection keywords and values for \a connectionString. */
    static QList<std::pair<QByteArray, QByteArray>> connectionKeywords(const ConnectionStringParser &connectionString);

    /*! The seconds a connection waits for the server when the connection string does not say. */
    static constexpr int DefaultConnectTimeout = 10;
};

} // namespace OlvarControls::DataAccess
