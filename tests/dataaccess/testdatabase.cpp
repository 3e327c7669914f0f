// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "testdatabase.h"

#include "oleerror.h"
#include "recordset.h"

#include <QFile>

using namespace OlvarControls::DataAccess;

TestDatabase::TestDatabase(const QStringList &statements, TestEngine engine)
    : m_engine(engine)
    , m_path(m_folder.filePath(QStringLiteral("test.db")))
{
    if (engine == TestEngine::Postgres) {
        m_schema = std::make_unique<OlvarTest::PostgresSchema>();
        if (!m_schema->isAvailable())
            return;
    } else {
        QFile file(m_path); // an empty file is an empty database
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(m_path));
        file.close();
    }
    Connection connection = open();
    for (const QString &statement : statements)
        connection.Execute(statement);
    connection.Close();
}

QString TestDatabase::connectionString(const QString &extra) const
{
    if (m_schema)
        return m_schema->connectionString() + QLatin1Char(';') + extra;
    return QStringLiteral("Provider=SQLite;Data Source=") + m_path + QLatin1Char(';') + extra;
}

Connection TestDatabase::open(const QString &extra) const
{
    Connection connection(connectionString(extra));
    connection.Open();
    return connection;
}

QVariant TestDatabase::scalar(const QString &select) const
{
    Connection connection = open();
    Recordset rs = connection.Execute(select);
    return rs.Fields(0).Value();
}
