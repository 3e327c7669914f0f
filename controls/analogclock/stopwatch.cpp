// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "stopwatch.h"

namespace OlvarControls {

namespace {

const QString StartCaption = QStringLiteral("START");
const QString StopCaption = QStringLiteral("STOP");
const QString ResetCaption = QStringLiteral("RESET");

} // namespace

QString Stopwatch::Reading::text() const
{
    return QString::number(hours) + QLatin1Char(':') + QString::number(minutes) + QLatin1Char(':')
        + QString::number(seconds) + QLatin1Char('.') + QString::number(hundredths);
}

Stopwatch::Step Stopwatch::stepFor(const QString &caption)
{
    if (caption == StartCaption)
        return StartStep;
    if (caption == StopCaption)
        return StopStep;
    if (caption == ResetCaption)
        return ResetStep;
    return NoStep;
}

QString Stopwatch::captionAfter(Step step)
{
    switch (step) {
    case StartStep:
        return StopCaption;
    case StopStep:
        return ResetCaption;
    case ResetStep:
        return StartCaption;
    case NoStep:
        break;
    }
    return QString();
}

Stopwatch::Reading Stopwatch::read(quint32 tick) const
{
    // Unsigned arithmetic carries the count across its wrap at 2^32.
    const quint32 elapsed = tick - m_startTick;
    const quint32 seconds = elapsed / 1000;
    Reading reading;
    reading.hundredths = int((elapsed % 1000) / 10);
    reading.hours = seconds / 3600;
    reading.minutes = int((seconds / 60) % 60);
    reading.seconds = int(seconds % 60);
    return reading;
}

std::array<int, 2> Stopwatch::positionsToClear(int hundredths)
{
    if (hundredths == 0)
        return {9, 8};
    if (hundredths == 1)
        return {0, 9};
    return {hundredths - 1, hundredths - 2};
}

} // namespace OlvarControls
