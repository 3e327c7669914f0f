#include "sessionrequest.h"

#include "basgeneral.h"
#include "dateformatter.h"
#include "numberconversion.h"
#include "resumenext.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

const QString TimePattern = QStringLiteral("h:mm am/pm");
const QString DatePattern = QStringLiteral("dd/mm/yyyy");
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
    resume([&] { request.startTime = DateFormatter::format(startTime, TimePattern); });
    if (request.sessionId < 0) {
        resume([&] { request.endTime = DateFormatter::format(startTime.addMSecs(MSecsPerHour), TimePattern); });
    } else {
        resume([&] { request.endTime = DateFormatter::format(NumberConversion::toDate(end), TimePattern); });
    }

    resume([&] { request.startDate = DateFormatter::format(activeDate, DatePattern); });
    const OleDate endDay = endsAtMidnight(request.endTime) ? activeDate.addDays(1) : activeDate;
    resume([&] { request.endDate = DateFormatter::format(endDay, DatePattern); });
    resume.clear();
    return request;
}

bool SessionRequest::endsAtMidnight(const QString &endTime)
{
    return endTime == QStringLiteral("00:00:00") || endTime == QStringLiteral("12:00 am");
}

} // namespace Sessara
