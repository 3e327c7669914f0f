// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace Sessara {

/*!
    One client as the client form edits it: the texts of the tblClient
    columns, and the rules and statements of storing them. FirstContact is a
    date typed "dd/mm/yyyy"; every other column is free text.
*/
class ClientRecord
{
public:
    /*! A column of tblClient on the form: its name, its caption and the group it is shown in. */
    struct Column
    {
        const char *name;
        const char *caption;
        const char *group;
    };

    /*! The columns the form shows, group by group. */
    static const QList<Column> &columns();
    /*! The groups, in the order the form shows them. */
    static QStringList groups();

    /*! The text of \a column; empty when none is set. */
    QString value(const QString &column) const { return m_values.value(column); }
    void setValue(const QString &column, const QString &text) { m_values.insert(column, text); }

    /*! Fills the texts from a tblClient row's \a fieldValue for each column. */
    static ClientRecord fromRow(const std::function<QVariant(const QString &)> &fieldValue);

    /*! Why the record cannot be stored ("Enter a last name or an organisation name."); empty when it can. */
    QString refusal() const;

    /*! The INSERT of a new client. */
    QString insertStatement() const;
    /*! The UPDATE of client \a clientId. */
    QString updateStatement(qint32 clientId) const;
    /*! The name a list shows: the organisation's name when there is one, else first and last name. */
    QString displayName() const;

    /*! The day number of a "dd/mm/yyyy" text; nothing when it is no date. */
    static std::optional<double> dayNumber(const QString &text);

private:
    QString sqlValue(const Column &column) const;

    QMap<QString, QString> m_values;
};

} // namespace Sessara
