// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionlistquery.h"

#include "basgeneral.h"
#include "numberconversion.h"
#include "oledate.h"
#include "resumenext.h"
#include "sessiontime.h"

using namespace OlvarControls;

namespace Sessara {

QString SessionListQuery::statement(qint32 counsellorId, QDate from, QDate to)
{
    // Day numbers rather than date literals: the same in every locale.
    return QStringLiteral("Select tblSession.* from tblSession INNER JOIN tblCounsellerSessionLink ON "
                          "tblSession.SessionID = tblCounsellerSessionLink.SessionID where "
                          "tblCounsellerSessionLink.CounsellerID = ")
        + QString::number(counsellorId) + QStringLiteral(" and tblSession.SessionDate >= ")
        + QString::number(OleDate::fromDate(from).value(), 'g', 17) + QStringLiteral(" and tblSession.SessionDate < ")
        + QString::number(OleDate::fromDate(to.addDays(1)).value(), 'g', 17)
        + QStringLiteral(" order by tblSession.SessionDate, tblSession.StartTime");
}

SessionListQuery::Row SessionListQuery::row(const std::function<QVariant(const QString &)> &fieldValue)
{
    Row row;
    row.id = basGeneral::TextOf(fieldValue(QStringLiteral("SessionID")));
    ResumeNext resume;
    resume([&] {
        row.date = NumberConversion::toDate(fieldValue(QStringLiteral("SessionDate")))
                       .date()
                       .toString(QStringLiteral("dd/MM/yyyy"));
    });
    resume(
        [&] { row.start = SessionTime::timeText(NumberConversion::toDate(fieldValue(QStringLiteral("StartTime")))); });
    resume([&] { row.end = SessionTime::timeText(NumberConversion::toDate(fieldValue(QStringLiteral("EndTime")))); });
    row.subject = basGeneral::TextOf(fieldValue(QStringLiteral("SessionDescription")));
    resume([&] { row.cancelled = NumberConversion::toBoolean(fieldValue(QStringLiteral("Cancelled"))); });
    return row;
}

QString SessionListQuery::cancelledMark(bool cancelled)
{
    return cancelled ? QStringLiteral("Cancelled") : QString();
}

} // namespace Sessara
