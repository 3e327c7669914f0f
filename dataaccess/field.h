// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace OlvarControls::DataAccess {

class RecordsetPrivate;

/*! One column of a recordset; its value is that of the recordset's current row. */
class OLVAR_EXPORT Field
{
public:
    /*! The column's name. */
    QString Name() const;
    /*!
        The column's value in the current row: Null (olevariant.h) for no value,
        else an int or qint64, a double, a QString, an OleDate for a date/time
        column, a bool for a Boolean column. Raises error 3021 when there is no
        current row and 3704 when the recordset is closed.
    */
    QVariant Value() const;

private:
    friend class Fields;
    OLVAR_NO_EXPORT Field(std::shared_ptr<RecordsetPrivate> recordset, int index);

    std::shared_ptr<RecordsetPrivate> m_recordset;
    int m_index;
};

} // namespace OlvarControls::DataAccess
