// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "casestatements.h"

#include "basgeneral.h"

namespace Sessara {

QString CaseStatements::casesOf(qint32 clientId)
{
    return QStringLiteral(
               "Select tblClientCase.*, tblCaseType.Description as CaseType from tblClientCase LEFT JOIN "
               "tblCaseType ON tblClientCase.CaseTypeID = tblCaseType.CaseTypeID where tblClientCase.ClientID = ")
        + QString::number(clientId) + QStringLiteral(" order by tblClientCase.ClientCaseID");
}

QString CaseStatements::sessionsOf(qint32 caseId)
{
    return QStringLiteral("Select tblSession.* from tblSession INNER JOIN tblClientCaseSessionLink ON "
                          "tblSession.SessionID = tblClientCaseSessionLink.SessionID where "
                          "tblClientCaseSessionLink.ClientCaseID = ")
        + QString::number(caseId) + QStringLiteral(" order by tblSession.SessionDate, tblSession.StartTime");
}

QString CaseStatements::caseOfSession(qint32 sessionId)
{
    return QStringLiteral("Select * from tblClientCaseSessionLink where SessionID=") + QString::number(sessionId);
}

QString CaseStatements::newCase(qint32 clientId, const QString &description, qint32 caseTypeId, double openedDay)
{
    return QStringLiteral("Insert into tblClientCase (ClientID, Description, CaseTypeID, OpenedDate) values (")
        + QString::number(clientId) + QStringLiteral(", '") + basGeneral::QuoteForSql(description.trimmed())
        + QStringLiteral("', ") + (caseTypeId > 0 ? QString::number(caseTypeId) : QStringLiteral("Null"))
        + QStringLiteral(", ") + QString::number(openedDay, 'g', 17) + QLatin1Char(')');
}

QString CaseStatements::link(qint32 caseId, qint32 sessionId)
{
    return QStringLiteral("Insert into tblClientCaseSessionLink (ClientCaseID, SessionID) values (")
        + QString::number(caseId) + QStringLiteral(", ") + QString::number(sessionId) + QLatin1Char(')');
}

QString CaseStatements::alreadyLinked(qint32 sessionId, const QString &caseId)
{
    return QStringLiteral("Session ") + QString::number(sessionId) + QStringLiteral(" belongs to case ") + caseId
        + QStringLiteral(" already.");
}

} // namespace Sessara
