// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "practicefixture.h"

#include "practiceserver.h"

using namespace OlvarControls::DataAccess;

PracticeFixture::PracticeFixture(TestEngine engine)
    : database(folder.filePath(QStringLiteral("DIV97.db")))
{
    if (engine == TestEngine::Postgres) {
        schema = std::make_unique<OlvarTest::PostgresSchema>();
        if (!schema->isAvailable())
            return;
        Sessara::PracticeServer(schema->connectionString()).create();
        connection.setConnectionString(schema->connectionString());
    } else {
        database.create();
        connection.setConnectionString(database.connectionString());
    }
    connection.Open();
}

void PracticeFixture::SetUp()
{
    if (schema)
        OLVAR_REQUIRE_POSTGRES(*schema);
}

void PracticeFixture::TearDown()
{
    if (connection.State() == adStateOpen)
        connection.Close();
}

void PracticeFixture::run(const QString &statement)
{
    connection.Execute(statement);
}

QVariantList PracticeFixture::column(const QString &select, const QString &field)
{
    QVariantList values;
    Recordset rs;
    rs.Open(select, connection, adOpenForwardOnly, adLockReadOnly, -1);
    for (; !rs.Eof(); rs.MoveNext())
        values.append(rs.Fields(field).Value());
    rs.Close();
    return values;
}

QVariant PracticeFixture::first(const QString &select, const QString &field)
{
    Recordset rs = connection.Execute(select);
    return rs.Eof() ? QVariant() : rs.Fields(field).Value();
}
