// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The counsellor ranking on the sample practice.

#include "counsellorranking.h"
#include "oleerror.h"
#include "practicedatabase.h"
#include "testenvironment.h"

#include <gtest/gtest.h>

using Sessara::CounsellorRanking;
using Sessara::RankedCounsellor;

namespace {

class SampleRanking : public testing::Test
{
protected:
    SampleRanking()
        : database(folder.filePath(QStringLiteral("DIV97.mdb")))
    {
        database.create();
        database.fillSample(QDate(2026, 3, 4));
    }

    QList<RankedCounsellor> rankFor(const QString &client)
    {
        return CounsellorRanking::read(database.connectionString(), client);
    }

    OlvarTest::TempFolder folder;
    Sessara::PracticeDatabase database;
};

} // namespace

TEST_F(SampleRanking, SharedLanguagesAndEthnicitiesRankACounsellorFirst)
{
    // Tama Wiremu (client 2) shares Māori and both his languages with Aroha Ngata,
    // and English only with the others.
    const QList<RankedCounsellor> rows = rankFor(QStringLiteral("2"));
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows.at(0).counsellorId, 1);
    EXPECT_EQ(rows.at(0).firstName, QStringLiteral("Aroha"));
    EXPECT_EQ(rows.at(0).lastName, QStringLiteral("Ngata"));
    EXPECT_EQ(rows.at(0).rank, QStringLiteral("2.01")); // (0.99 + 0.01) + (0.99 + 0.02)
    for (int i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).rank, QStringLiteral("1")) << i;
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).position, i + 1);
}

TEST_F(SampleRanking, CounsellorsWithoutAnyMatchComeLastWithRankZero)
{
    // Wei Zhang (client 6) shares Chinese and Mandarin with Mei Chen only.
    const QList<RankedCounsellor> rows = rankFor(QStringLiteral("6"));
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows.at(0).counsellorId, 3);
    EXPECT_EQ(rows.at(0).rank, QStringLiteral("2"));
    QList<qint32> rest;
    for (int i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows.at(i).rank, QStringLiteral("0")) << i;
        rest.append(rows.at(i).counsellorId);
    }
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, QList<qint32>({1, 2, 4, 5}));

    // The placeholder row of the client box (-1) matches nobody.
    for (const RankedCounsellor &row : rankFor(QStringLiteral("-1")))
        EXPECT_EQ(row.rank, QStringLiteral("0"));
}

TEST_F(SampleRanking, AClientTextThatIsNoNumberIsRefused)
{
    const auto errorOf = [this](const QString &client) {
        try {
            rankFor(client);
        } catch (const OlvarControls::OleError &error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf(QString()), 13);
    EXPECT_EQ(errorOf(QStringLiteral("1)) OR ((1=1")), 13); // never spliced into the query
    EXPECT_EQ(errorOf(QStringLiteral(" 2 ")), 0);
    EXPECT_THROW(CounsellorRanking::read(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
                                             + folder.filePath(QStringLiteral("missing.mdb")),
                                         QStringLiteral("2")),
                 OlvarControls::OleError);
}
