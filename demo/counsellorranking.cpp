// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "counsellorranking.h"

#include "basgeneral.h"
#include "connection.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "recordset.h"

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace Sessara {

namespace {

constexpr int ClientSideCursor = 3;
constexpr int DynamicCursor = 2;
constexpr int OptimisticLock = 3;

} // namespace

QString CounsellorRanking::statement(const QString &clientText)
{
    return QStringLiteral("SELECT tblCounseller.counsellerID, tblCounseller.FirstName, tblCounseller.LastName, "
                          "IIf([WA]>0,0.99+([WA]/100),0)+IIf([WB]>0,0.99+([WB]/100),0) AS Rank ")
        + QStringLiteral(
               "FROM ([SELECT tblCounseller.CounsellerID, Count(tblCounsellerEthnecityLink.EthnecityID) AS WA, "
               "tblClientEthnecityLink.ClientID ")
        + QStringLiteral("FROM (tblCounseller INNER JOIN tblCounsellerEthnecityLink ON tblCounseller.CounsellerID = "
                         "tblCounsellerEthnecityLink.CounsellerID) INNER JOIN tblClientEthnecityLink ON "
                         "tblCounsellerEthnecityLink.EthnecityID = tblClientEthnecityLink.EthnecityID ")
        + QStringLiteral("GROUP BY tblCounseller.CounsellerID, tblClientEthnecityLink.ClientID ")
        + QStringLiteral("HAVING (((tblClientEthnecityLink.ClientID)=") + clientText
        + QStringLiteral(
               "))]. AS EthRank RIGHT JOIN tblCounseller ON EthRank.CounsellerID = tblCounseller.CounsellerID) "
               "LEFT JOIN [SELECT tblCounseller.CounsellerID, Count(tblCounsellorLanguageLink.LanguageID) AS WB, "
               "tblClientLanguageLink.ClientID ")
        + QStringLiteral("FROM (tblCounseller INNER JOIN tblCounsellorLanguageLink ON tblCounseller.CounsellerID = "
                         "tblCounsellorLanguageLink.CounsellerID) INNER JOIN tblClientLanguageLink ON "
                         "tblCounsellorLanguageLink.LanguageID = tblClientLanguageLink.LanguageID ")
        + QStringLiteral("GROUP BY tblCounseller.CounsellerID, tblClientLanguageLink.ClientID ")
        + QStringLiteral("HAVING (((tblClientLanguageLink.ClientID)=") + clientText
        + QStringLiteral("))]. AS LanRank ON tblCounseller.CounsellerID = LanRank.CounsellerID ")
        + QStringLiteral("ORDER BY IIf([WA]>0,0.99+([WA]/100),0)+IIf([WB]>0,0.99+([WB]/100),0) DESC; ");
}

QList<RankedCounsellor> CounsellorRanking::read(const QString &connectionString, const QString &clientText)
{
    // The text is spliced into the query twice; only a client number may go there.
    if (!NumberConversion::isWholeNumber(clientText))
        throw OleError(ErrorNumber::TypeMismatch, QStringLiteral("'%1' is no client number.").arg(clientText));
    Connection connection;
    connection.Open(connectionString);
    Recordset rs;
    rs.setCursorLocation(ClientSideCursor);
    rs.Open(statement(clientText), connection, DynamicCursor, OptimisticLock);

    QList<RankedCounsellor> rows;
    if (!rs.Eof())
        rs.MoveFirst();
    for (; !rs.Eof(); rs.MoveNext()) {
        RankedCounsellor row;
        row.position = rs.AbsolutePosition();
        row.counsellorId = NumberConversion::toInt32(rs.Fields(QStringLiteral("CounsellerID")).Value());
        row.lastName = basGeneral::TextOf(rs.Fields(QStringLiteral("LastName")).Value());
        row.firstName = basGeneral::TextOf(rs.Fields(QStringLiteral("FirstName")).Value());
        row.rank = basGeneral::TextOf(rs.Fields(QStringLiteral("Rank")).Value());
        rows.append(row);
    }
    rs.Close();
    connection.Close();
    return rows;
}

} // namespace Sessara
