// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "practicedatabase.h"
#include "testenvironment.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

/*!
    The demo on a fresh sample practice in a temporary folder: the database
    file DIV97.mdb written around sampleDay(), the program-wide state reset
    and the connection string pointing at the file.
*/
class SessaraFixture : public testing::Test
{
protected:
    SessaraFixture();
    ~SessaraFixture() override;

    /*! The day the sample fortnight is written around: Wednesday 4 March 2026, the tests' today. */
    static QDate sampleDay() { return QDate(2026, 3, 4); }

    /*! Runs \a statement on the database. */
    void run(const QString &statement);
    /*! The value of \a field in the first row of \a select; Empty for no row. */
    QVariant first(const QString &select, const QString &field);
    /*! The number of rows of \a select. */
    int count(const QString &select);
    /*! Inserts a session of \a counsellor (none for 0) on \a day from \a start to \a end in \a location; returns its identifier. */
    int addSession(QDate day, QTime start, QTime end, int counsellor, int location, bool cancelled = false,
                   bool invoiced = false);

    OlvarTest::TempFolder folder;
    Sessara::PracticeDatabase database;
};
