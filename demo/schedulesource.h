// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "appointmentlist.h"
#include "oledate.h"

#include <QList>
#include <QPair>
#include <QString>

namespace Sessara {

class DemoRecordset;

/*! One column of a printed schedule: whose it is, its day and the sessions it shows. */
struct ScheduleColumn
{
    QString title; //!< the counsellor's name, or empty
    qint32 counsellor = 0;
    OlvarControls::OleDate date;
    OlvarControls::AppointmentList appointments;
};

/*!
    Reads what printed schedules show from the practice database: a
    counsellor's days as the day view loads them, and a room's day split by
    counsellor. Cancelled sessions are left out. A failing read gives what was
    read until then.
*/
class ScheduleSource
{
public:
    explicit ScheduleSource(const QString &connectionString);

    /*! First name, blank, last name of the counsellor \a counsellor; empty when there is none. */
    QString counsellorName(qint32 counsellor) const;
    /*! The counsellor's sessions of \a date, as the day view shows them. */
    ScheduleColumn counsellorDay(qint32 counsellor, OlvarControls::OleDate date) const;
    /*! The rooms: LocationID and description, by description. */
    QList<QPair<qint32, QString>> locations() const;
    /*! One column per counsellor holding a session in the room \a location on \a date, by name. */
    QList<ScheduleColumn> locationDay(qint32 location, OlvarControls::OleDate date) const;

private:
    /*! Adds the session in \a rs to its counsellor's column, the last one or a new one. */
    static void addRow(const DemoRecordset &rs, OlvarControls::OleDate date, QList<ScheduleColumn> &columns);

    QString m_connectionString;
};

} // namespace Sessara
