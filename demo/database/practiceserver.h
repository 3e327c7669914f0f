// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace Sessara {

class PracticeDatabase;

/*!
    The practice on a database server (PostgreSQL), reached through the data
    access with a connection string. The schema is the file's own (schema.sql),
    translated by the data access like every other statement; the sample and
    large sets are made as for a file and copied over in one transaction, so a
    failure leaves no half-filled tables behind.
*/
class PracticeServer
{
public:
    explicit PracticeServer(const QString &connectionString);

    /*! Creates the tables with no rows; a database that already holds a practice is left alone (error -2147467259). */
    void create();
    /*! Creates the tables and the sample around \a day (PracticeDatabase::fillSample), all or nothing. */
    void createSample(QDate day = QDate::currentDate());
    /*! Creates the tables and \a sessionCount sessions (PracticeDatabase::fillLarge), all or nothing. */
    void createLarge(int sessionCount, QDate firstDay = QDate(2015, 1, 5));

    /*! The schema's statements, one by one, without comments. */
    static QStringList schemaStatements();
    /*! Whether \a connectionString names a server rather than a database file. */
    static bool isServer(const QString &connectionString);

private:
    void createFrom(const PracticeDatabase &file);

    QString m_connectionString;
};

} // namespace Sessara
