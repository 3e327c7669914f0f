// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "field.h"
#include "olvarglobal.h"

#include <QString>

#include <memory>

namespace OlvarControls::DataAccess {

class RecordsetPrivate;

/*! The columns of a recordset, as Field objects that follow its current row. */
class OLVAR_EXPORT Fields
{
public:
    /*! The number of columns. */
    int Count() const;
    /*! The field named \a name (case-insensitive, optionally "Table.Column"); raises error 3265 when there is none. */
    Field Item(const QString &name) const;
    /*! The field at \a index, from 0; raises error 3265 when there is none. */
    Field Item(int index) const;

    /*! The same as Item(\a name). */
    Field operator()(const QString &name) const { return Item(name); }
    /*! The same as Item(\a index). */
    Field operator()(int index) const { return Item(index); }

private:
    friend class Recordset;
    OLVAR_NO_EXPORT explicit Fields(std::shared_ptr<RecordsetPrivate> recordset);

    std::shared_ptr<RecordsetPrivate> m_recordset;
};

} // namespace OlvarControls::DataAccess
