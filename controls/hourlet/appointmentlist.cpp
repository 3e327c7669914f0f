// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlist.h"

#include <algorithm>

namespace OlvarControls {

AppointmentList::AppointmentList()
    : m_records(1)
{
}

void AppointmentList::reset()
{
    m_records = QList<Appointment>(1);
}

void AppointmentList::growTo(qint32 upperBound)
{
    if (upperBound > this->upperBound())
        m_records.resize(qsizetype(upperBound) + 1);
}

qint32 AppointmentList::append(const Appointment &record)
{
    m_records.append(record);
    return upperBound();
}

qint32 AppointmentList::indexOfId(qint32 id) const
{
    const auto found = std::find_if(m_records.cbegin(), m_records.cend(),
                                    [id](const Appointment &record) { return record.ApptID == id; });
    return found == m_records.cend() ? -1 : qint32(found - m_records.cbegin());
}

void AppointmentList::markDeleted(qint32 id, qint32 upperBound)
{
    const qsizetype last = std::min<qsizetype>(upperBound, m_records.size() - 1);
    for (qsizetype i = 0; i <= last; ++i) {
        if (m_records.at(i).ApptID == id)
            m_records[i].ApptDeleted = 1;
    }
}

qint32 AppointmentList::hitTest(double y, const std::function<bool(qsizetype)> &accepts) const
{
    qint32 hit = -1;
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        const Appointment &record = m_records.at(i);
        if (record.isShown() && record.ApptStartCoord <= y && y <= record.ApptEndCoord && (!accepts || accepts(i)))
            hit = qint32(i);
    }
    return hit;
}

} // namespace OlvarControls
