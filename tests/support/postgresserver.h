// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <gtest/gtest.h>

/*! The engines the database tests run on. */
enum class TestEngine { Sqlite, Postgres };

/*! "SQLite" or "PostgreSQL", for test names. */
std::string engineName(const testing::TestParamInfo<TestEngine> &info);

/*! Both engines, for INSTANTIATE_TEST_SUITE_P. */
#define OLVAR_BOTH_ENGINES testing::Values(TestEngine::Sqlite, TestEngine::Postgres), engineName

namespace OlvarTest {

/*!
    The throw-away PostgreSQL cluster that CTest starts for the tests
    (tests/support/pgcluster.sh, named by the OLVAR_PG_STATE variable). Where no
    server runs, PostgreSQL tests skip and say why; under CI=true they fail.
*/
class PostgresServer
{
public:
    /*! The connection string of the server's test database; empty when none runs, with the reason in \a why. */
    static QString connectionString(QString *why = nullptr);
    /*! Whether a missing server fails the tests rather than skipping them (CI=true). */
    static bool required();
    /*! The folder of the server's data, socket and log. */
    static QString folder();
    /*! The folder of the server's programs (pg_ctl, ...). */
    static QString programs();
};

/*!
    A schema of its own on the test server, dropped with the object, so that
    each test sees only the tables it makes.
*/
class PostgresSchema
{
public:
    PostgresSchema();
    ~PostgresSchema();
    PostgresSchema(const PostgresSchema &) = delete;
    PostgresSchema &operator=(const PostgresSchema &) = delete;

    /*! Whether the server runs and the schema was made. */
    bool isAvailable() const { return !m_connectionString.isEmpty(); }
    /*! Why there is no schema, when there is none. */
    QString whyUnavailable() const { return m_why; }
    /*! The connection string that works in the schema. */
    QString connectionString() const { return m_connectionString; }

private:
    QString m_name;
    QString m_connectionString;
    QString m_why;
};

} // namespace OlvarTest

/*! Skips the test (or, under CI=true, fails it) when \a schema has no server behind it. */
#define OLVAR_REQUIRE_POSTGRES(schema)                                                                                 \
    do {                                                                                                               \
        if (!(schema).isAvailable()) {                                                                                 \
            if (OlvarTest::PostgresServer::required())                                                                 \
                FAIL() << "no PostgreSQL server for the tests: " << qPrintable((schema).whyUnavailable());             \
            GTEST_SKIP() << "no PostgreSQL server: " << qPrintable((schema).whyUnavailable());                         \
        }                                                                                                              \
    } while (false)
