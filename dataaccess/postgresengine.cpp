// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgresengine.h"

#include "connectionstringparser.h"
#include "postgressession.h"

#include <QHash>

namespace OlvarControls::DataAccess {

QList<std::pair<QByteArray, QByteArray>>
PostgresEngine::connectionKeywords(const ConnectionStringParser &connectionString)
{
    static const QHash<QString, QByteArray> renamed = {
        {QStringLiteral("host"), "host"},
        {QStringLiteral("server"), "host"},
        {QStringLiteral("data source"), "host"},
        {QStringLiteral("port"), "port"},
        {QStringLiteral("database"), "dbname"},
        {QStringLiteral("initial catalog"), "dbname"},
        {QStringLiteral("user id"), "user"},
        {QStringLiteral("uid"), "user"},
        {QStringLiteral("password"), "password"},
        {QStringLiteral("pwd"), "password"},
        {QStringLiteral("connect timeout"), "connect_timeout"},
    };
    QList<std::pair<QByteArray, QByteArray>> keywords;
    bool timeout = false;
    for (const QString &key : connectionString.keys()) {
        // Keys of the data access itself, not libpq's.
        if (key == QLatin1String("provider") || key == QLatin1String("persist security info")
            || key == QLatin1String("busy timeout"))
            continue;
        const QByteArray keyword = renamed.value(key, key.toUtf8());
        timeout = timeout || keyword == "connect_timeout";
        keywords.append(std::make_pair(keyword, connectionString.value(key).toUtf8()));
    }
    if (!timeout)
        keywords.append(std::make_pair(QByteArray("connect_timeout"), QByteArray::number(DefaultConnectTimeout)));
    keywords.append(std::make_pair(QByteArray("client_encoding"), QByteArray("UTF8")));
    return keywords;
}

std::shared_ptr<EngineSession> PostgresEngine::open(const ConnectionStringParser &connectionString)
{
    return PostgresSession::open(connectionKeywords(connectionString));
}

} // namespace OlvarControls::DataAccess
