// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "hourlet.h"
#include "oledate.h"
#include "postgresserver.h"
#include "testenvironment.h"

#include <QDate>
#include <QPoint>
#include <QString>
#include <QTime>

#include <memory>

namespace OlvarTest {

/*! \a date at \a hour : \a minute. */
OlvarControls::OleDate at(QDate date, int hour, int minute = 0);
/*! The time of day \a hour : \a minute on day 0. */
OlvarControls::OleDate timeOfDay(int hour, int minute = 0);

/*! The day the tests show: Saturday 7 March 2026. */
inline QDate testDay()
{
    return QDate(2026, 3, 7);
}

/*! The client row of the content coordinate of slot \a k's first row, plus \a offset, at scroll value \a scroll. */
inline int slotRow(int k, int scroll, int offset = 4)
{
    return 59 + 16 * k - scroll + offset;
}

/*!
    A practice database with the schema and no rows: a file in a folder of its
    own, or, with \a engine PostgreSQL, a schema of its own on the test server.
*/
class SessionDatabase
{
public:
    explicit SessionDatabase(TestEngine engine = TestEngine::Sqlite);

    /*! The server's schema; null for a file. */
    const PostgresSchema *schema() const { return m_schema.get(); }

    QString connectionString() const { return m_connectionString; }
    QString path() const { return m_path; }

    /*! Adds a session of \a counsellor and returns its identifier. */
    qint32 addSession(OlvarControls::OleDate sessionDate, OlvarControls::OleDate start, OlvarControls::OleDate end,
                      const QString &subject, qint32 counsellor = 12, bool cancelled = false);
    /*! Runs \a statement. */
    void execute(const QString &statement) const;
    /*! The first column of the first row of \a select; Empty for no row. */
    QVariant scalar(const QString &select) const;

private:
    TempFolder m_folder;
    QString m_path;
    QString m_connectionString;
    std::unique_ptr<PostgresSchema> m_schema;
};

/*! A shown day view of \a size on testDay(), ready for mouse events. */
std::unique_ptr<OlvarControls::Hourlet> shownHourlet(QSize size = QSize(800, 400));

} // namespace OlvarTest
