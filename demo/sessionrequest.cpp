// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionrequest.h"

#include "basgeneral.h"
#include "numberconversion.h"
#include "resumenext.h"
#include "sessiontime.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

constexpr qint64 MSecsPerHour = 3600000;

} // namespace

SessionRequest SessionRequest::fromSelection(OleDate activeDate, qint32 sessionId, const QVariant &subject,
                                             const QVariant &detail, const QVariant &start, const QVariant &end)
{
    SessionRequest request;
    ResumeNext resume;
    request.sessionId = sessionId;
    request.selectedDate = basGeneral::TextOf(QVariant::fromValue(activeDate));
    request.subject = basGeneral::TextOf(subject);
    request.additionalNotes = basGeneral::TextOf(detail);

    OleDate startTime;
    resume([&] { startTime = NumberConversion::toDate(start); });
    resume([&] { request.startTime = SessionTime::timeText(startTime); });
    if (request.sessionId < 0) {
        resume([&] { request.endTime = SessionTime::timeText(startTime.addMSecs(MSecsPerHour)); });
    } else {
        resume([&] { request.endTime = SessionTime::timeText(NumberConversion::toDate(end)); });
    }

    resume([&] { request.startDate = SessionTime::dateText(activeDate); });
    const OleDate endDay = endsAtMidnight(request.endTime) ? activeDate.addDays(1) : activeDate;
    resume([&] { request.endDate = SessionTime::dateText(endDay); });
    return request;
}

bool SessionRequest::endsAtMidnight(const QString &endTime)
{
    return endTime == QStringLiteral("00:00:00") || endTime == QStringLiteral("12:00 am");
}

} // namespace Sessara
