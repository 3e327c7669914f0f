// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace OlvarControls::DataAccess {

/*! What a dialect translator may ask about the tables of the database it translates for. */
class SchemaInfo
{
public:
    /*! The kinds of column whose values the translator treats apart. */
    enum ColumnKind {
        OtherColumn, //!< text, numbers, or a column not known
        DateTimeColumn, //!< a date/time column, holding day numbers
        BooleanColumn, //!< a Boolean column, holding 0 and 1
    };

    virtual ~SchemaInfo() = default;

    /*! The kind of \a column of \a table; OtherColumn when either is not known. */
    virtual ColumnKind columnKind(const QString &table, const QString &column) const = 0;
    /*! The columns of \a table in their order; empty when the table is not known. */
    virtual QStringList columnNames(const QString &table) const = 0;

    /*! The kind a declared column type names (DATETIME, DATE, TIME, TIMESTAMP; BOOLEAN, BOOL, BIT, YESNO). */
    static ColumnKind kindOfDeclaredType(QStringView declaredType);
    /*! A stored whole \a number as a column of \a kind gives it: OleDate, bool, or int when it fits, else qint64. */
    static QVariant integerValue(qint64 number, ColumnKind kind);
    /*! A stored real \a number as a column of \a kind gives it: OleDate, bool or double. */
    static QVariant realValue(double number, ColumnKind kind);
};

} // namespace OlvarControls::DataAccess
