// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace Sessara {

/*!
    The statements of a client's cases (tblClientCase) and of the sessions
    linked to them (tblClientCaseSessionLink). A session belongs to one case
    at most.
*/
class CaseStatements
{
public:
    CaseStatements() = delete;

    /*! The cases of client \a clientId, oldest first, with their case type's description as CaseType. */
    static QString casesOf(qint32 clientId);
    /*! The sessions of case \a caseId, by date and start. */
    static QString sessionsOf(qint32 caseId);
    /*! The case session \a sessionId is linked to, if any. */
    static QString caseOfSession(qint32 sessionId);
    /*! A new case of client \a clientId described \a description, of case type \a caseTypeId (none for 0 or less), opened on day \a openedDay. */
    static QString newCase(qint32 clientId, const QString &description, qint32 caseTypeId, double openedDay);
    /*! Links session \a sessionId to case \a caseId. */
    static QString link(qint32 caseId, qint32 sessionId);
    /*! The message for linking session \a sessionId that is in case \a caseId already. */
    static QString alreadyLinked(qint32 sessionId, const QString &caseId);
};

} // namespace Sessara
