// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "appointmentroles.h"
#include "olvarglobal.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>
#include <QVariant>

namespace Olvar {

/*!
    A ready appointment model that keeps its appointments in memory, for hosts
    and examples without the practice database: every role of
    AppointmentRole can be read and written, rows can be inserted and removed.
    A day view shows it through Hourlet::setModel() and writes to it from
    SetAppointment() and DeleteAppointment().
*/
class OLVAR_EXPORT AppointmentListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    /*! An empty model. */
    explicit AppointmentListModel(QObject *parent = nullptr);
    ~AppointmentListModel() override;

    /*!
        Appends an appointment from \a start to \a end with \a subject for
        \a resource (an empty value for every resource) and returns its new
        identifier, one more than the highest so far.
    */
    qint32 addAppointment(const QDateTime &start, const QDateTime &end, const QString &subject,
                          const QVariant &resource = QVariant(), const QString &detail = QString(), qint32 type = 0,
                          const QString &location = QString());

    /*! The number of appointments (none under a valid \a parent). */
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    /*! The appointment's value for \a role: an Olvar::AppointmentRole, or the subject for Qt::DisplayRole. */
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    /*! Stores \a value for \a role (Qt::EditRole sets the subject); false for a role the model does not hold. */
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    /*! Every appointment is selectable, enabled and editable. */
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /*! Inserts \a count empty appointments at \a row, for the caller to fill with setData(). */
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    /*! Removes \a count appointments from \a row. */
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    /*! The roles' names, for QML and item views: "id", "start", "end" and so on. */
    QHash<int, QByteArray> roleNames() const override;

private:
    /*! One appointment: the value of each role. */
    using Entry = QHash<int, QVariant>;
    QList<Entry> m_rows;
};

} // namespace Olvar
