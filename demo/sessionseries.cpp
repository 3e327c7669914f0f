// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionseries.h"

#include <QStringList>

namespace Sessara {

namespace {

const QString newLine = QStringLiteral("\r\n");

/* The lines of \a outcomes that were done (\a done true) or refused. */
QStringList lines(const QList<SessionSeries::Outcome> &outcomes, bool done)
{
    QStringList result;
    for (const SessionSeries::Outcome &outcome : outcomes) {
        if (outcome.refusal.isEmpty() != done)
            continue;
        result.append(done ? SessionSeries::dateText(outcome.date)
                           : SessionSeries::dateText(outcome.date) + QStringLiteral(": ") + outcome.refusal);
    }
    return result;
}

/* "Heading (n):" over \a list, or "Heading: none". */
QString block(const QString &heading, const QStringList &list)
{
    if (list.isEmpty())
        return heading + QStringLiteral(": none");
    return heading + QStringLiteral(" (") + QString::number(list.size()) + QStringLiteral("):") + newLine
        + list.join(newLine);
}

} // namespace

int SessionSeries::stepDays(Repeat repeat)
{
    switch (repeat) {
    case Repeat::Weekly:
        return 7;
    case Repeat::EveryTwoWeeks:
        return 14;
    case Repeat::None:
        break;
    }
    return 0;
}

QList<QDate> SessionSeries::occurrences(QDate start, Repeat repeat, int count)
{
    const int step = stepDays(repeat);
    if (step == 0 || count < 1)
        return {start};
    QList<QDate> dates;
    dates.reserve(count);
    for (int index = 0; index < count; ++index)
        dates.append(start.addDays(qint64(index) * step));
    return dates;
}

int SessionSeries::countUntil(QDate start, Repeat repeat, QDate until)
{
    const int step = stepDays(repeat);
    if (step == 0 || !until.isValid() || until < start)
        return 1;
    return int(start.daysTo(until) / step) + 1;
}

QString SessionSeries::countProblem(int count)
{
    if (count < MinimumCount)
        return QStringLiteral("A repeated session needs at least 2 dates: choose a later date to repeat until.");
    if (count > MaximumCount)
        return QStringLiteral("A repeated session can have at most 52 dates: choose an earlier date to repeat until.");
    return QString();
}

QString SessionSeries::positionText(int position, int total)
{
    if (position < 1 || total < 1)
        return QString();
    return QStringLiteral("Session ") + QString::number(position) + QStringLiteral(" of ") + QString::number(total);
}

QString SessionSeries::reason(Refusal refusal)
{
    switch (refusal) {
    case Refusal::CounsellorBooked:
        return QStringLiteral("the counsellor has another session then");
    case Refusal::RoomTaken:
        return QStringLiteral("the room is not available then");
    case Refusal::Unavailable:
        return QStringLiteral("the database could not be reached");
    case Refusal::NotStored:
        return QStringLiteral("the session could not be stored");
    case Refusal::None:
        break;
    }
    return QString();
}

QString SessionSeries::bookingQuestion(const QList<Outcome> &outcomes)
{
    const QStringList free = lines(outcomes, true);
    return QStringLiteral("Book the ") + QString::number(free.size()) + QStringLiteral(" free dates?") + newLine
        + newLine + block(QStringLiteral("To be booked"), free) + newLine + newLine
        + block(QStringLiteral("Refused"), lines(outcomes, false));
}

QString SessionSeries::summary(const QString &done, const QList<Outcome> &outcomes)
{
    return block(done, lines(outcomes, true)) + newLine + newLine
        + block(QStringLiteral("Refused"), lines(outcomes, false));
}

QString SessionSeries::scopeQuestion(const QString &action)
{
    return action + QStringLiteral(" only this session, or this and all later sessions of the series?") + newLine
        + newLine + QStringLiteral("Yes: only this session.") + newLine
        + QStringLiteral("No: this and all later sessions.") + newLine + QStringLiteral("Cancel: nothing.");
}

QString SessionSeries::dateText(QDate date)
{
    return date.toString(QStringLiteral("ddd dd/MM/yyyy"));
}

} // namespace Sessara
