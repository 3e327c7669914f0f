// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QAbstractItemModel>
#include <QPointer>

namespace OlvarControls {

class AppointmentList;
struct Appointment;
struct HourletAppearance;

/*!
    The day view's work on an appointment model (Olvar::AppointmentRole): the
    counterpart of HourletBinding for hosts without the practice database.
    A row belongs to a day as a session does: it starts on that day, or it
    starts before and ends after its midnight; and to a resource when its
    ResourceRole is empty or equal.

    Writing needs an editable model (insertRows(), setData(), removeRows());
    failures are shown as HourletBinding shows them and reported by the result.
*/
class HourletModelBinding
{
public:
    QAbstractItemModel *model() const { return m_model; }
    void setModel(QAbstractItemModel *model) { m_model = model; }
    /*! Whether a model is set (and still alive). */
    bool hasModel() const { return !m_model.isNull(); }

    /*! Replaces \a list by the rows of \a resource on \a activeDate, in model order, or one blank record. */
    void load(AppointmentList &list, OleDate activeDate, qint32 resource) const;
    /*!
        Writes \a record for \a resource: changes the row of record.ApptID when it
        is positive, else appends a row with a new identifier (one more than the
        highest). Returns the identifier, 0 when the model refused.
    */
    qint32 save(const Appointment &record, qint32 resource) const;
    /*! Removes every row of \a id; false, after showing why, when the model refused. */
    bool deleteRows(qint32 id) const;

private:
    /*! The rows whose identifier is \a id, last first. */
    QList<int> rowsOf(qint32 id) const;
    qint32 nextId() const;
    void write(int row, const Appointment &record) const;

    QPointer<QAbstractItemModel> m_model;
};

} // namespace OlvarControls
