// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "field.h"

#include "recordset_p.h"

namespace OlvarControls::DataAccess {

Field::Field(std::shared_ptr<RecordsetPrivate> recordset, int index)
    : m_recordset(std::move(recordset))
    , m_index(index)
{
}

QString Field::Name() const
{
    m_recordset->checkIndex(m_index);
    return m_recordset->cursor->columns().at(m_index).name;
}

QVariant Field::Value() const
{
    return m_recordset->value(m_index);
}

} // namespace OlvarControls::DataAccess
