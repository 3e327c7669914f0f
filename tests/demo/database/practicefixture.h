#pragma once

#include "connection.h"
#include "practicedatabase.h"
#include "recordset.h"
#include "testenvironment.h"

#include <QVariant>

#include <gtest/gtest.h>

/*! A practice database with the schema and no rows, in a temporary folder, and a connection to it. */
class PracticeFixture : public testing::Test
{
protected:
    PracticeFixture();
    void TearDown() override;

    /*! Runs \a statement on the fixture's connection. */
    void run(const QString &statement);
    /*! The values of \a field in every row of \a select, read through a forward-only recordset. */
    QVariantList column(const QString &select, const QString &field);
    /*! The value of \a field in the first row of \a select. */
    QVariant first(const QString &select, const QString &field);

    OlvarTest::TempFolder folder;
    Sessara::PracticeDatabase database;
    OlvarControls::DataAccess::Connection connection;
};
