// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionendnote.h"

#include "basgeneral.h"
#include "democonnection.h"

namespace Sessara {

namespace {

QString keys(qint32 clientId, qint32 sessionId)
{
    return QStringLiteral("ClientID=") + QString::number(clientId) + QStringLiteral(" and SessionID=")
        + QString::number(sessionId);
}

} // namespace

QString SessionEndNote::clientsQuery(qint32 sessionId)
{
    return QStringLiteral("SELECT  tblClient.ClientID, tblClient.LastName , tblClient.FirstName, "
                          "tblClient.OrganisationName From tblClient, tblClientSessionLink WHERE "
                          "tblClient.ClientID=tblClientSessionLink.ClientID AND tblClientSessionLink.sessionID=")
        + QString::number(sessionId);
}

QString SessionEndNote::noteQuery(qint32 clientId, qint32 sessionId)
{
    return QStringLiteral("Select * from tblSessionClientEndNote where ") + keys(clientId, sessionId);
}

QString SessionEndNote::insertStatement(qint32 clientId, qint32 sessionId, const QString &note)
{
    // The blank that ends a first note never takes it beyond what a note holds.
    const QString stored = cut(note.trimmed() + QLatin1Char(' '));
    return QStringLiteral("Insert into tblSessionClientEndNote (ClientID, SessionID, EndNote) values (")
        + QString::number(clientId) + QStringLiteral(", ") + QString::number(sessionId) + QStringLiteral(", '")
        + basGeneral::QuoteForSql(stored) + QStringLiteral("' )");
}

QString SessionEndNote::updateStatement(qint32 clientId, qint32 sessionId, const QString &note)
{
    return QStringLiteral("Update tblSessionClientEndNote set EndNote='") + basGeneral::QuoteForSql(note)
        + QStringLiteral("' where ") + keys(clientId, sessionId);
}

std::optional<QString> SessionEndNote::load(qint32 clientId, qint32 sessionId)
{
    DemoConnection cn;
    DemoRecordset rs = cn.read(noteQuery(clientId, sessionId));
    if (rs.eof())
        return std::nullopt;
    return basGeneral::TextOf(rs.value(QStringLiteral("EndNote")));
}

bool SessionEndNote::store(qint32 clientId, qint32 sessionId, const QString &note)
{
    if (clientId <= 0 || sessionId <= 0 || isTooLong(note))
        return false;
    DemoConnection cn;
    DemoRecordset rs = cn.read(noteQuery(clientId, sessionId));
    const bool stored = !rs.eof();
    rs.close();
    return cn.execute(stored ? updateStatement(clientId, sessionId, note) : insertStatement(clientId, sessionId, note));
}

} // namespace Sessara
