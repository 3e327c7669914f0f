// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "appointment.h"
#include "olvarglobal.h"

#include <QList>

#include <functional>

namespace OlvarControls {

/*!
    The day view's appointment list: a growable array indexed from 0 that
    always holds at least one record. A new list, and a list reset for a
    load, hold one blank record. Records are never removed, only marked
    deleted, until the next reset.
*/
class AppointmentList
{
public:
    /*! A list of one blank record. */
    AppointmentList();

    /*! The highest index (0 for the single blank record): ItemCount. */
    qint32 upperBound() const { return qint32(m_records.size()) - 1; }
    /*! The number of records, upperBound() + 1. */
    qsizetype size() const { return m_records.size(); }

    const Appointment &at(qsizetype index) const { return m_records.at(index); }
    Appointment &operator[](qsizetype index) { return m_records[index]; }
    const QList<Appointment> &records() const { return m_records; }

    /*! Back to one blank record. */
    void reset();
    /*! Grows the list to \a upperBound, keeping the records it has. */
    void growTo(qint32 upperBound);
    /*! Appends \a record and returns its index. */
    qint32 append(const Appointment &record);

    /*! The index of the first record whose ApptID is \a id; -1 for none. */
    qint32 indexOfId(qint32 id) const;
    /*! Marks every record up to \a upperBound whose ApptID is \a id deleted. */
    void markDeleted(qint32 id, qint32 upperBound);

    /*!
        The index of the shown record (Appointment::isShown()) that covers the
        content coordinate \a y from its start to its end coordinate; the
        highest such index when several do, -1 when none does. With \a accepts,
        only the records it accepts by index count.
    */
    qint32 hitTest(double y, const std::function<bool(qsizetype)> &accepts = {}) const;

private:
    QList<Appointment> m_records;
};

} // namespace OlvarControls
