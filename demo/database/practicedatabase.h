// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QString>

namespace Sessara {

/*!
    The practice's database file: its schema, the sample the demo starts with,
    and large sets for measuring.

    Every operation opens the file, works in one transaction and closes it; a
    failure raises an OleError and leaves no half-filled tables behind.
*/
class PracticeDatabase
{
public:
    /*! The database in the file \a filePath. */
    explicit PracticeDatabase(const QString &filePath);

    QString filePath() const { return m_filePath; }
    /*! The connection string that opens the file through the data-access objects. */
    QString connectionString() const;

    /*! Creates the file with the schema and no rows; an existing file is never overwritten (error -2147467259). */
    void create();
    /*!
        Fills the newly created file with a practice: five counsellors with
        ethnicities and languages (counsellor 1 first), twenty clients (people and
        organisations), rooms, session and client types, client cases, the
        configuration (MinimumCancellationTime 24) and the weekday sessions of the
        fortnight around \a day (a week before to a week after), with their
        counsellor and client links and, for past sessions, end notes.
    */
    void fillSample(QDate day = QDate::currentDate());
    /*!
        Fills the newly created file with the sample's counsellors and clients and
        \a sessionCount sessions: every counsellor booked in each of the six daily
        slots of each weekday from \a firstDay on, over as many years as that takes.
    */
    void fillLarge(int sessionCount, QDate firstDay = QDate(2015, 1, 5));

    /*! The schema, as SQL statements for SQLite. */
    static QString schemaScript();

private:
    QString m_filePath;
};

} // namespace Sessara
