// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionupdate.h"

#include "basgeneral.h"
#include "numberconversion.h"

using OlvarControls::NumberConversion;

namespace Sessara {

QString SessionUpdate::statement(const Fields &fields)
{
    const QString bookedClient = fields.bookedClientId.trimmed();
    QString update = QStringLiteral("Update tblSession set ClientTypeID =") + fields.clientTypeId
        + QStringLiteral(", BookedClientID =") + (bookedClient.isEmpty() ? QStringLiteral("Null") : bookedClient)
        + QStringLiteral(", LocationID = ") + fields.locationId + QStringLiteral(", ClientNominatedLocation = '")
        + basGeneral::QuoteForSql(fields.clientNominatedLocation) + QStringLiteral("' ");
    if (!fields.actualStartTime.isEmpty())
        update += QStringLiteral(", ActualStartTime='") + basGeneral::QuoteForSql(fields.actualStartTime)
            + QStringLiteral("' ");
    if (!fields.actualEndTime.isEmpty())
        update +=
            QStringLiteral(", ActualEndTime='") + basGeneral::QuoteForSql(fields.actualEndTime) + QStringLiteral("' ");
    return update;
}

QString SessionUpdate::forStoredSession(const Fields &fields, qint32 sessionId)
{
    return statement(fields) + QStringLiteral(" where SessionID = ") + QString::number(sessionId);
}

QString SessionUpdate::forNewSession(const Fields &fields, qint32 sessionId)
{
    return statement(fields) + QStringLiteral(", Chargeable=True ") + QStringLiteral(" where SessionID = ")
        + QString::number(sessionId);
}

QString SessionUpdate::counsellorLink(qint32 sessionId, qint32 counsellorId)
{
    return QStringLiteral("Insert into tblCounsellerSessionLink (SessionID, CounsellerID) values(")
        + QString::number(sessionId) + QStringLiteral(", ") + QString::number(counsellorId) + QStringLiteral(" )");
}

bool SessionUpdate::isClientNumber(const QString &bookedClientId)
{
    return bookedClientId.trimmed().isEmpty() || NumberConversion::isWholeNumber(bookedClientId);
}

} // namespace Sessara
