// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgresserver.h"

#include "connection.h"
#include "oleerror.h"
#include "recordset.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>

std::string engineName(const testing::TestParamInfo<TestEngine> &info)
{
    return info.param == TestEngine::Sqlite ? "SQLite" : "PostgreSQL";
}

namespace OlvarTest {

namespace {

QStringList stateLines(QString *why)
{
    const QString path = qEnvironmentVariable("OLVAR_PG_STATE");
    if (path.isEmpty()) {
        if (why)
            *why = QStringLiteral("OLVAR_PG_STATE is not set (run the tests through ctest)");
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("the cluster script wrote no %1").arg(path);
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.first().startsWith(QLatin1String("unavailable"))) {
        if (why)
            *why = lines.first();
        return {};
    }
    return lines;
}

} // namespace

QString PostgresServer::connectionString(QString *why)
{
    return stateLines(why).value(0);
}

bool PostgresServer::required()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

QString PostgresServer::folder()
{
    return stateLines(nullptr).value(1);
}

QString PostgresServer::programs()
{
    return stateLines(nullptr).value(2);
}

PostgresSchema::PostgresSchema()
{
    const QString server = PostgresServer::connectionString(&m_why);
    if (server.isEmpty())
        return;
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    try {
        OlvarControls::DataAccess::Connection connection(server);
        connection.Open();
        connection.Execute(QStringLiteral("DROP SCHEMA IF EXISTS ") + m_name + QStringLiteral(" CASCADE"));
        connection.Execute(QStringLiteral("CREATE SCHEMA ") + m_name);
        connection.Close();
        m_connectionString = server + QStringLiteral(";options='-c search_path=") + m_name + QStringLiteral(",public'");
    } catch (const OlvarControls::OleError &error) {
        m_why = error.description();
    }
}

PostgresSchema::~PostgresSchema()
{
    if (m_connectionString.isEmpty())
        return;
    try {
        OlvarControls::DataAccess::Connection connection(PostgresServer::connectionString());
        connection.Open();
        connection.Execute(QStringLiteral("DROP SCHEMA ") + m_name + QStringLiteral(" CASCADE"));
        connection.Close();
    } catch (const OlvarControls::OleError &) {
        // A server stopped by the test itself leaves the schema to the cluster's removal.
    }
}

} // namespace OlvarTest
