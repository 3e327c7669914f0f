// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessioncancellation.h"

#include "basgeneral.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "resumenext.h"
#include "sessiontexts.h"

using namespace OlvarControls;

namespace Sessara {

SessionCancellation::Verdict SessionCancellation::check(const QVariant &minimumHours, std::optional<OleDate> start,
                                                        OleDate now)
{
    std::optional<double> minimum;
    if (!basGeneral::TextOf(minimumHours).trimmed().isEmpty())
        ResumeNext()([&] { minimum = NumberConversion::toDouble(minimumHours); });
    if (!minimum)
        return Verdict::NoConfiguration;
    if (!start)
        return Verdict::Unreadable;
    if (start->toMSecs() <= now.toMSecs())
        return Verdict::Expired;
    if (double(OleDate::hourBoundariesBetween(now, *start)) < *minimum)
        return Verdict::NoticePeriod;
    return Verdict::Allowed;
}

QString SessionCancellation::refusal(Verdict verdict, const QVariant &minimumHours)
{
    switch (verdict) {
    case Verdict::NoConfiguration:
        return QStringLiteral("Can not do cancellations until Minimum Cancellation Time is entered into Config table");
    case Verdict::Unreadable:
        return SessionTexts::unreadableTimeMessage();
    case Verdict::Expired:
        return QStringLiteral("Can not cancel as this session is now in the past. It is expired.");
    case Verdict::NoticePeriod:
        return QStringLiteral("Can not cancel this session, as it is in the ") + basGeneral::TextOf(minimumHours)
            + QStringLiteral(" Hour non cancellation period or has expired.");
    case Verdict::Allowed:
        break;
    }
    return QString();
}

int SessionCancellation::refusalIcon(Verdict verdict)
{
    return verdict == Verdict::NoConfiguration || verdict == Verdict::Unreadable ? MsgBox::Critical : MsgBox::OkOnly;
}

QString SessionCancellation::configurationQuery()
{
    return QStringLiteral("Select * from tblConfig where Description ='MinimumCancellationTime'");
}

QString SessionCancellation::statement(qint32 sessionId, bool cancelled)
{
    return QStringLiteral("Update tblSession set Cancelled = ")
        + (cancelled ? QStringLiteral("true") : QStringLiteral("false")) + QStringLiteral(" where SessionID = ")
        + QString::number(sessionId);
}

QString SessionCancellation::done(qint32 sessionId, bool cancelled)
{
    return QStringLiteral("Session ") + QString::number(sessionId)
        + (cancelled ? QStringLiteral(" is cancelled.") : QStringLiteral(" is un-cancelled."));
}

} // namespace Sessara
