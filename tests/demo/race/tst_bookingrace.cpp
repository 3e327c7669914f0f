// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Two desks booking the same counsellor's and room's slots at the same moment,
// and a server that goes away in the middle of a save.

#include "bookingunit.h"
#include "connection.h"
#include "oleerror.h"
#include "postgresserver.h"
#include "practicedatabase.h"
#include "practiceserver.h"
#include "recordset.h"
#include "testenvironment.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <iostream>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

constexpr int attempts = 50;

class BookingRace : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == TestEngine::Postgres) {
            schema = std::make_unique<OlvarTest::PostgresSchema>();
            OLVAR_REQUIRE_POSTGRES(*schema);
            connectionString = schema->connectionString();
            Sessara::PracticeServer(connectionString).createSample(QDate(2026, 3, 9));
        } else {
            Sessara::PracticeDatabase file(folder.filePath(QStringLiteral("practice.db")));
            file.create();
            file.fillSample(QDate(2026, 3, 9));
            connectionString = file.connectionString();
        }
        // The race books on a Sunday, which the sample leaves free.
        sessionsBefore = count(QStringLiteral("SELECT count(*) FROM tblSession"));
    }

    int count(const QString &select) const
    {
        Connection connection(connectionString);
        connection.Open();
        return connection.Execute(select).Fields(0).Value().toInt();
    }

    OlvarTest::TempFolder folder;
    std::unique_ptr<OlvarTest::PostgresSchema> schema;
    QString connectionString;
    int sessionsBefore = 0;
};

// Sessions of one owner (counsellor or room) that overlap another of the same owner.
QString overlaps(const QString &ownerA, const QString &ownerB)
{
    return QStringLiteral(
               "SELECT count(*) FROM tblSession a INNER JOIN tblCounsellerSessionLink la ON la.SessionID = "
               "a.SessionID, tblSession b INNER JOIN tblCounsellerSessionLink lb ON lb.SessionID = b.SessionID "
               "WHERE a.SessionID < b.SessionID AND %1 = %2 AND a.SessionDate = b.SessionDate AND "
               "a.StartTime < b.EndTime AND b.StartTime < a.EndTime AND a.Cancelled = False AND "
               "b.Cancelled = False")
        .arg(ownerA, ownerB);
}

} // namespace

TEST_P(BookingRace, TwoDesksBookingTheSameSlotsStoreEachSlotOnce)
{
    QList<QProcess *> desks;
    for (int desk = 0; desk < 2; ++desk) {
        auto *process = new QProcess;
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(BOOKING_RACER),
                       {connectionString, QStringLiteral("1"), QStringLiteral("1"), QString::number(attempts)});
        desks.append(process);
    }
    int stored = 0, refused = 0;
    for (QProcess *process : desks) {
        ASSERT_TRUE(process->waitForFinished(300000));
        const QStringList lines =
            QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            EXPECT_FALSE(line.startsWith(QLatin1String("unavailable"))) << qPrintable(line);
            if (line.startsWith(QLatin1String("refused "))) {
                EXPECT_TRUE(line.endsWith(QLatin1String("conflict with another."))) << qPrintable(line);
            }
            stored += line.startsWith(QLatin1String("stored ")) && !line.contains(QLatin1String(" refused "));
            refused += line.startsWith(QLatin1String("refused "));
        }
        delete process;
    }
    const int sessions = count(QStringLiteral("SELECT count(*) FROM tblSession")) - sessionsBefore;
    const int counsellorOverlaps =
        count(overlaps(QStringLiteral("la.CounsellerID"), QStringLiteral("lb.CounsellerID")));
    const int roomOverlaps = count(overlaps(QStringLiteral("a.LocationID"), QStringLiteral("b.LocationID")));
    std::cout << engineName({GetParam(), 0}) << " race: sessions stored " << sessions << ", conflicts refused "
              << refused << ", overlaps found " << counsellorOverlaps + roomOverlaps << std::endl;
    EXPECT_EQ(stored, attempts);
    EXPECT_EQ(refused, attempts);
    EXPECT_EQ(sessions, attempts);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tblSession WHERE SessionDate = 46089 AND "
                                   "SessionDescription LIKE 'Race %'")),
              attempts);
    EXPECT_EQ(counsellorOverlaps, 0);
    EXPECT_EQ(roomOverlaps, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, BookingRace, OLVAR_BOTH_ENGINES);
