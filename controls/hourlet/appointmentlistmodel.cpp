// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentlistmodel.h"

#include <QMetaEnum>

namespace Olvar {

namespace {

bool isAppointmentRole(int role)
{
    return role >= IdRole && role <= BorderColorRole;
}

} // namespace

AppointmentListModel::AppointmentListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

AppointmentListModel::~AppointmentListModel() = default;

qint32 AppointmentListModel::addAppointment(const QDateTime &start, const QDateTime &end, const QString &subject,
                                            const QVariant &resource, const QString &detail, qint32 type,
                                            const QString &location)
{
    qint32 id = 0;
    for (const Entry &entry : m_rows)
        id = std::max(id, entry.value(IdRole).toInt());
    ++id;
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(Entry{{IdRole, id},
                        {StartRole, start},
                        {EndRole, end},
                        {SubjectRole, subject},
                        {DetailRole, detail},
                        {TypeRole, type},
                        {LocationRole, location},
                        {ResourceRole, resource}});
    endInsertRows();
    return id;
}

int AppointmentListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant AppointmentListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        role = SubjectRole;
    return m_rows.at(index.row()).value(role);
}

bool AppointmentListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        role = SubjectRole;
    if (!isAppointmentRole(role))
        return false;
    Entry &entry = m_rows[index.row()];
    if (entry.value(role) == value && entry.contains(role))
        return true;
    entry.insert(role, value);
    Q_EMIT dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags AppointmentListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool AppointmentListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > m_rows.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_rows.insert(row, count, Entry());
    endInsertRows();
    return true;
}

bool AppointmentListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

QHash<int, QByteArray> AppointmentListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    const QMetaEnum roles = QMetaEnum::fromType<AppointmentRole>();
    for (int i = 0; i < roles.keyCount(); ++i) {
        QByteArray name(roles.key(i));
        name.chop(4); // "Role"
        name[0] = char(QChar::toLower(uint(name[0])));
        names.insert(roles.value(i), name);
    }
    return names;
}

} // namespace Olvar
