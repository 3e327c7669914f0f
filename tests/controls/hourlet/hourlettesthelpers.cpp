// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourlettesthelpers.h"

#include "connection.h"
#include "practicedatabase.h"
#include "practiceserver.h"
#include "recordset.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace OlvarTest {

OleDate at(QDate date, int hour, int minute)
{
    return OleDate::fromDateAndTime(date, QTime(hour, minute));
}

OleDate timeOfDay(int hour, int minute)
{
    return OleDate::fromTime(QTime(hour, minute));
}

SessionDatabase::SessionDatabase(TestEngine engine)
    : m_path(m_folder.filePath(QStringLiteral("practice.db")))
{
    if (engine == TestEngine::Postgres) {
        m_schema = std::make_unique<PostgresSchema>();
        if (m_schema->isAvailable()) {
            m_connectionString = m_schema->connectionString();
            Sessara::PracticeServer(m_connectionString).create();
        }
        return;
    }
    Sessara::PracticeDatabase database(m_path);
    database.create();
    m_connectionString = database.connectionString();
}

qint32 SessionDatabase::addSession(OleDate sessionDate, OleDate start, OleDate end, const QString &subject,
                                   qint32 counsellor, bool cancelled)
{
    Connection connection(m_connectionString);
    connection.Open();
    connection.Execute(QStringLiteral("INSERT INTO tblSession (SessionDate, StartTime, EndTime, SessionDescription, "
                                      "AdditionalNotes, SessionTypeID, Cancelled) VALUES (%1, %2, %3, '%4', "
                                      "'notes', 1, %5)")
                           .arg(sessionDate.value(), 0, 'g', 17)
                           .arg(start.value(), 0, 'g', 17)
                           .arg(end.value(), 0, 'g', 17)
                           .arg(subject, cancelled ? QStringLiteral("True") : QStringLiteral("False")));
    const auto id = qint32(connection.LastInsertId());
    connection.Execute(QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, %2)")
                           .arg(id)
                           .arg(counsellor));
    connection.Close();
    return id;
}

void SessionDatabase::execute(const QString &statement) const
{
    Connection connection(m_connectionString);
    connection.Open();
    connection.Execute(statement);
    connection.Close();
}

QVariant SessionDatabase::scalar(const QString &select) const
{
    Connection connection(m_connectionString);
    connection.Open();
    Recordset rows = connection.Execute(select);
    return rows.Eof() ? QVariant() : rows.Fields(0).Value();
}

std::unique_ptr<Hourlet> shownHourlet(QSize size)
{
    auto hourlet = std::make_unique<Hourlet>();
    hourlet->InitProperties();
    hourlet->resize(size);
    hourlet->setActiveDate(OleDate::fromDate(testDay()));
    hourlet->show();
    if (!QTest::qWaitForWindowExposed(hourlet.get()))
        ADD_FAILURE() << "the day view was not shown";
    QCoreApplication::processEvents();
    return hourlet;
}

} // namespace OlvarTest
