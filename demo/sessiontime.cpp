// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessiontime.h"

#include "dateformatter.h"
#include "datetext.h"

#include <QRegularExpression>
#include <QTime>

using namespace OlvarControls;

namespace Sessara {

namespace {

constexpr qint64 MSecsPerHour = 3600000;

} // namespace

QStringList SessionTime::halfHourTimes()
{
    QStringList times;
    for (int slot = 0; slot < 48; ++slot)
        times.append(timeText(OleDate::fromTime(QTime(slot / 2, slot % 2 * 30))));
    return times;
}

QString SessionTime::timeText(OleDate time)
{
    return DateFormatter::format(time.timePart(), QStringLiteral("h:mm am/pm"));
}

QString SessionTime::dateText(OleDate date)
{
    return DateFormatter::format(date.datePart(), QStringLiteral("dd/mm/yyyy"));
}

std::optional<OleDate> SessionTime::timeOfDay(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})(?::(\\d{1,2}))?(?::(\\d{1,2}))?\\s*(?:([ap])\\.?m\\.?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool hasMinutes = match.capturedLength(2) > 0;
    const bool hasMarker = match.capturedLength(4) > 0;
    if (!hasMinutes && !hasMarker)
        return std::nullopt; // a lone number is no time
    int hour = match.captured(1).toInt();
    const int minute = hasMinutes ? match.captured(2).toInt() : 0;
    const int second = match.capturedLength(3) > 0 ? match.captured(3).toInt() : 0;
    if (hasMarker) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        const bool pm = match.captured(4).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return OleDate::fromTime(time);
}

std::optional<OleDate> SessionTime::dayMonthYear(const QString &text)
{
    const std::optional<OleDate> date = DateText::tryParseDayMonthYear(text.trimmed());
    if (!date || !date->isValid())
        return std::nullopt;
    return date->datePart();
}

std::optional<OleDate> SessionTime::moment(const QString &dateText, const QString &timeText)
{
    const std::optional<OleDate> date = dayMonthYear(dateText);
    const std::optional<OleDate> time = timeOfDay(timeText);
    if (!date || !time)
        return std::nullopt;
    return date->addMSecs(time->timeMSecs());
}

SessionTime::Check SessionTime::check(const QString &startDate, const QString &startTime, const QString &endDate,
                                      const QString &endTime)
{
    const std::optional<OleDate> start = moment(startDate, startTime);
    const std::optional<OleDate> end = moment(endDate, endTime);
    if (!start || !end)
        return Check::Unreadable;
    // Compared to the second, as the difference in seconds is.
    return end->roundedToSecond() < start->roundedToSecond() ? Check::EndBeforeStart : Check::Valid;
}

std::optional<QString> SessionTime::endAfterStartChanged(const QString &startTime, const QString &endTime)
{
    const std::optional<OleDate> start = timeOfDay(startTime);
    const std::optional<OleDate> end = timeOfDay(endTime);
    if (!start || !end || !(*end < *start))
        return std::nullopt;
    return timeText(start->addMSecs(MSecsPerHour));
}

} // namespace Sessara
