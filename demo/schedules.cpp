// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "schedules.h"

#include "basgeneral.h"
#include "dateformatter.h"
#include "msgbox.h"

#include <QInputDialog>
#include <QStringList>

using OlvarControls::DateFormatter;
using OlvarControls::MsgBox;
using OlvarControls::OleDate;

namespace Sessara {

namespace {
const QString LongDate = QStringLiteral("dddd mmmm dd, yyyy");
const QString ColumnDate = QStringLiteral("ddd, dd mmm");
constexpr int DaysInWeek = 7;
} // namespace

SchedulePrinter Schedules::resourceSchedule(const ScheduleSource &source, qint32 counsellor, OleDate date, bool week)
{
    const QString heading = QStringLiteral("Resource Schedule: ") + source.counsellorName(counsellor);
    const OleDate day = date.datePart();
    if (!week)
        return SchedulePrinter(heading, DateFormatter::format(day, LongDate), {source.counsellorDay(counsellor, day)},
                               ColumnDate);
    const OleDate monday = day.addDays(1 - day.date().dayOfWeek());
    QList<ScheduleColumn> columns;
    for (int i = 0; i < DaysInWeek; ++i)
        columns.append(source.counsellorDay(counsellor, monday.addDays(i)));
    const QString range = DateFormatter::format(monday, LongDate) + QStringLiteral(" to ")
        + DateFormatter::format(monday.addDays(DaysInWeek - 1), LongDate);
    return SchedulePrinter(heading, range, columns, ColumnDate);
}

SchedulePrinter Schedules::locationSchedule(const ScheduleSource &source, qint32 location, const QString &roomName,
                                            OleDate date)
{
    const OleDate day = date.datePart();
    return SchedulePrinter(QStringLiteral("Location Schedule: ") + roomName, DateFormatter::format(day, LongDate),
                           source.locationDay(location, day), ColumnDate);
}

void Schedules::previewResourceSchedule(QWidget *parent, qint32 counsellor, OleDate date, bool week)
{
    const ScheduleSource source(basGeneral::strConnectionString);
    resourceSchedule(source, counsellor, date, week).preview(parent);
}

void Schedules::previewLocationSchedule(QWidget *parent, OleDate date)
{
    const ScheduleSource source(basGeneral::strConnectionString);
    const QList<QPair<qint32, QString>> rooms = source.locations();
    if (rooms.isEmpty()) {
        MsgBox::show(QStringLiteral("There are no rooms in the Location records to print a schedule for."),
                     MsgBox::OkOnly | MsgBox::Information);
        return;
    }
    QStringList names;
    for (const auto &room : rooms)
        names.append(room.second);
    bool chosen = false;
    const QString name = QInputDialog::getItem(parent, QStringLiteral("Location Schedule"), QStringLiteral("Room:"),
                                               names, 0, false, &chosen);
    const qsizetype index = names.indexOf(name);
    if (!chosen || index < 0)
        return;
    locationSchedule(source, rooms.at(index).first, name, date).preview(parent);
}

} // namespace Sessara
