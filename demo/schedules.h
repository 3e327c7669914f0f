// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "scheduleprinter.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace Sessara {

/*! The main window's two printed schedules: a counsellor's day or week, and a room's day. */
class Schedules
{
public:
    Schedules() = delete;

    /*! The schedule of \a counsellor for \a date, or for the week (Monday to Sunday) that holds it when \a week. */
    static SchedulePrinter resourceSchedule(const ScheduleSource &source, qint32 counsellor,
                                            OlvarControls::OleDate date, bool week);
    /*! The day \a date of the room \a location called \a roomName: one column per counsellor in it. */
    static SchedulePrinter locationSchedule(const ScheduleSource &source, qint32 location, const QString &roomName,
                                            OlvarControls::OleDate date);

    /*! "Resource Schedule": the print preview of the shown counsellor's day or week. */
    static void previewResourceSchedule(QWidget *parent, qint32 counsellor, OlvarControls::OleDate date, bool week);
    /*! "Location Schedule": asks for the room, then shows the print preview of its day \a date. */
    static void previewLocationSchedule(QWidget *parent, OlvarControls::OleDate date);
};

} // namespace Sessara
