// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlentries.h"

namespace OlvarDesigner {

QList<ControlEntry> controlEntries()
{
    // One line per control.
    return {
        {QStringLiteral("OlvarControls.Hourlet"), QStringLiteral("OlvarControls::Hourlet"),
         QStringLiteral("Olvar/hourlet.h"), QStringLiteral("Day view: one resource's day in half-hour slots"),
         QSize(300, 400)},
        {QStringLiteral("OlvarControls.WeekView"), QStringLiteral("OlvarControls::WeekView"),
         QStringLiteral("Olvar/weekview.h"), QStringLiteral("Week view: Monday to Sunday as seven day views"),
         QSize(800, 400)},
        {QStringLiteral("OlvarControls.Calendar"), QStringLiteral("OlvarControls::Calendar"),
         QStringLiteral("Olvar/calendar.h"), QStringLiteral("Date entry with a drop-down month"), QSize(120, 22)},
        {QStringLiteral("OlvarControls.PeriodicTimer"), QStringLiteral("OlvarControls::PeriodicTimer"),
         QStringLiteral("Olvar/periodictimer.h"),
         QStringLiteral("Timer for periods of hours, minutes and milliseconds"), QSize(24, 22)},
        {QStringLiteral("OlvarControls.AnalogClock"), QStringLiteral("OlvarControls::AnalogClock"),
         QStringLiteral("Olvar/analogclock.h"), QStringLiteral("Analog clock with alarm, chimes and stopwatch"),
         QSize(240, 240)},
    };
}

} // namespace OlvarDesigner
