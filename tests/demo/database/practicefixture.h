// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "connection.h"
#include "postgresserver.h"
#include "practicedatabase.h"
#include "recordset.h"
#include "testenvironment.h"

#include <QVariant>

#include <gtest/gtest.h>

/*!
    A practice database with the schema and no rows, in a temporary folder (or,
    with \a engine PostgreSQL, in a schema of its own on the test server), and
    a connection to it.
*/
class PracticeFixture : public testing::Test
{
protected:
    explicit PracticeFixture(TestEngine engine = TestEngine::Sqlite);
    void SetUp() override;
    void TearDown() override;

    /*! Runs \a statement on the fixture's connection. */
    void run(const QString &statement);
    /*! The values of \a field in every row of \a select, read through a forward-only recordset. */
    QVariantList column(const QString &select, const QString &field);
    /*! The value of \a field in the first row of \a select. */
    QVariant first(const QString &select, const QString &field);

    OlvarTest::TempFolder folder;
    Sessara::PracticeDatabase database;
    std::unique_ptr<OlvarTest::PostgresSchema> schema; //!< the server's, for PostgreSQL
    OlvarControls::DataAccess::Connection connection;
};
