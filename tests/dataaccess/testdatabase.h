// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "connection.h"
#include "errornumberof.h"
#include "postgresserver.h"
#include "testenvironment.h"

#include <QStringList>
#include <QVariant>

#include <memory>

/*!
    A database of its own, made by running \a statements on an empty one: a file
    in a temporary folder, or a schema on the test server.
*/
class TestDatabase
{
public:
    explicit TestDatabase(const QStringList &statements, TestEngine engine = TestEngine::Sqlite);

    /*! Whether the database could be made (a PostgreSQL one needs the test server). */
    bool isAvailable() const { return m_engine == TestEngine::Sqlite || m_schema->isAvailable(); }
    /*! Why not, when it could not. */
    QString whyUnavailable() const { return m_schema ? m_schema->whyUnavailable() : QString(); }
    TestEngine engine() const { return m_engine; }

    QString path() const { return m_path; }
    /*! The connection string of the database, then \a extra. */
    QString connectionString(const QString &extra = QString()) const;
    /*! A connection to the database, open. */
    OlvarControls::DataAccess::Connection open(const QString &extra = QString()) const;
    /*! The first column of the first row of \a select, read on a connection of its own. */
    QVariant scalar(const QString &select) const;

private:
    TestEngine m_engine;
    OlvarTest::TempFolder m_folder;
    QString m_path;
    std::unique_ptr<OlvarTest::PostgresSchema> m_schema;
};

/*! Skips the test (or fails it under CI=true) when \a db could not be made. */
#define OLVAR_REQUIRE_DATABASE(db) OLVAR_REQUIRE_POSTGRES(db)
