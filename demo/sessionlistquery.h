// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>

namespace Sessara {

/*!
    The sessions of one counsellor in a range of days, cancelled ones
    included, as the Sessions list shows them.
*/
class SessionListQuery
{
public:
    SessionListQuery() = delete;

    /*! One session as a list row. */
    struct Row
    {
        QString id;
        QString date; //!< "dd/mm/yyyy"
        QString start; //!< "9:30 am"
        QString end;
        QString subject;
        bool cancelled = false;
    };

    /*! The sessions of counsellor \a counsellorId from \a from to \a to, both included, by date and start. */
    static QString statement(qint32 counsellorId, QDate from, QDate to);
    /*! The row of a session whose column values \a fieldValue gives. */
    static Row row(const std::function<QVariant(const QString &)> &fieldValue);
    /*! What the list shows in the Cancelled column: "Cancelled" or nothing. */
    static QString cancelledMark(bool cancelled);
};

} // namespace Sessara
