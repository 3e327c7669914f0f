// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqliteengine.h"

#include "connectionstringparser.h"
#include "oleerror.h"
#include "sqlitesession.h"

namespace OlvarControls::DataAccess {

std::shared_ptr<EngineSession> SqliteEngine::open(const ConnectionStringParser &connectionString)
{
    const QString path = connectionString.dataSource();
    if (path.isEmpty()) {
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("The connection string names no database file (Data Source)."));
    }
    int busyTimeout = SqliteSession::DefaultBusyTimeout;
    if (connectionString.contains(QStringLiteral("Busy Timeout"))) {
        bool valid = false;
        busyTimeout = connectionString.value(QStringLiteral("Busy Timeout")).toInt(&valid);
        if (!valid || busyTimeout < 0) {
            throw OleError(ErrorNumber::GeneralFailure,
                           QStringLiteral("Busy Timeout must be a number of milliseconds."));
        }
    }
    return SqliteSession::open(path, busyTimeout);
}

} // namespace OlvarControls::DataAccess
