// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourletmodelbinding.h"

#include "appointmentlist.h"
#include "appointmentroles.h"
#include "hourletbinding.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "slotgeometry.h"

#include <algorithm>

namespace OlvarControls {

using namespace Olvar;

namespace {

OleDate dateOf(const QVariant &value)
{
    return value.isValid() ? NumberConversion::toDate(value) : OleDate();
}

/* A time of day without a date (day 0) taken on \a day; a full date and time as it is. */
QDateTime instantOn(OleDate time, OleDate day)
{
    if (time.dayNumber() == 0)
        time = day.datePart().addMSecs(time.timeMSecs());
    return time.toDateTime();
}

/* Whether a row from \a start to \a end is on \a day, as the database load decides for a session. */
bool isOnDay(OleDate start, OleDate end, OleDate day)
{
    return start.date() == day.date() || (start <= day && end >= day);
}

void refuse()
{
    throw OleError(ErrorNumber::NotSupported, QStringLiteral("The appointment model cannot be changed"));
}

} // namespace

void HourletModelBinding::load(AppointmentList &list, OleDate activeDate, qint32 resource) const
{
    list.reset();
    if (!m_model)
        return;
    const OleDate day = activeDate.datePart();
    qint32 i = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        const QVariant owner = index.data(ResourceRole);
        if (owner.isValid() && !owner.isNull() && owner.toInt() != resource)
            continue;
        Appointment record;
        record.ApptTimeStart = dateOf(index.data(StartRole));
        record.ApptTimeEnd = dateOf(index.data(EndRole));
        if (!isOnDay(record.ApptTimeStart, record.ApptTimeEnd, day))
            continue;
        record.ApptID = index.data(IdRole).toInt();
        record.ApptDate = record.ApptTimeStart.datePart();
        record.ApptSubject = index.data(SubjectRole).toString();
        record.ApptDetail = index.data(DetailRole).toString();
        record.ApptType = index.data(TypeRole).toInt();
        record.Location = index.data(LocationRole).toString();
        const auto colour = [&index](int role) -> std::optional<OleColor> {
            const QVariant value = index.data(role);
            if (!value.isValid() || value.isNull())
                return std::nullopt;
            return NumberConversion::toColor(value);
        };
        record.OwnBackColor = colour(BackColorRole);
        record.OwnForeColor = colour(ForeColorRole);
        record.OwnBarColor = colour(BarColorRole);
        record.OwnBorderColor = colour(BorderColorRole);
        const CoordinatePair pair =
            SlotGeometry::timeRangeToCoordinates(activeDate, record.ApptTimeStart, record.ApptTimeEnd);
        record.ApptStartCoord = pair.top;
        record.ApptEndCoord = pair.bottom;
        list.growTo(i);
        list[i++] = record;
    }
}

QList<int> HourletModelBinding::rowsOf(qint32 id) const
{
    QList<int> rows;
    for (int row = m_model->rowCount() - 1; row >= 0; --row)
        if (m_model->index(row, 0).data(IdRole).toInt() == id)
            rows.append(row);
    return rows;
}

qint32 HourletModelBinding::nextId() const
{
    qint32 highest = 0;
    for (int row = 0; row < m_model->rowCount(); ++row)
        highest = std::max(highest, m_model->index(row, 0).data(IdRole).toInt());
    return highest + 1;
}

void HourletModelBinding::write(int row, const Appointment &record) const
{
    const QModelIndex index = m_model->index(row, 0);
    if (!(m_model->flags(index) & Qt::ItemIsEditable))
        refuse();
    const QList<std::pair<int, QVariant>> values{
        {StartRole, instantOn(record.ApptTimeStart, record.ApptDate)},
        {EndRole, instantOn(record.ApptTimeEnd, record.ApptDate)},
        {SubjectRole, record.ApptSubject},
        {DetailRole, record.ApptDetail},
        {TypeRole, record.ApptType},
        {LocationRole, record.Location},
    };
    for (const auto &[role, value] : values)
        if (!m_model->setData(index, value, role))
            refuse();
}

qint32 HourletModelBinding::save(const Appointment &record, qint32 resource) const
{
    try {
        if (!m_model)
            throw OleError(ErrorNumber::ObjectNotSet);
        if (record.ApptID > 0) {
            const QList<int> rows = rowsOf(record.ApptID);
            if (rows.isEmpty())
                return 0;
            write(rows.last(), record);
            return record.ApptID;
        }
        const qint32 id = nextId();
        const int row = m_model->rowCount();
        if (!m_model->insertRows(row, 1))
            refuse();
        try {
            const QModelIndex index = m_model->index(row, 0);
            if (!m_model->setData(index, id, IdRole) || !m_model->setData(index, resource, ResourceRole))
                refuse();
            write(row, record);
        } catch (const OleError &) {
            m_model->removeRows(row, 1); // no half-written row stays behind
            throw;
        }
        return id;
    } catch (const OleError &error) {
        HourletBinding::report(error);
        return 0;
    }
}

bool HourletModelBinding::deleteRows(qint32 id) const
{
    try {
        if (!m_model)
            throw OleError(ErrorNumber::ObjectNotSet);
        for (int row : rowsOf(id))
            if (!m_model->removeRows(row, 1))
                refuse();
        return true;
    } catch (const OleError &error) {
        HourletBinding::report(error);
        return false;
    }
}

} // namespace OlvarControls
