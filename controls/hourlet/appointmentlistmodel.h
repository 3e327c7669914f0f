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
    explicit AppointmentListModel(QObject *parent = nullptr);
    ~AppointmentListModel() override;

    /*!
        Appends an appointment from \a start to \a end with \a subject for
        \a resource (an empty value for every resource) and returns its new
        identifier, one more than the highest so far.
    */
    qint32 addAppointment(const QDateTime &start, const QDateTime &end, const QString &subject,
                          const QVariant &resource = QVariant(), const QString &detail = QString(),
                          qint32 type = 0, const QString &location = QString());

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    QHash<int, QByteArray> roleNames() const override;

private:
    /*! One appointment: the value of each role. */
    using Entry = QHash<int, QVariant>;
    QList<Entry> m_rows;
};

} // namespace Olvar
