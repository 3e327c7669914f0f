// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "fields.h"

#include "recordset_p.h"

namespace OlvarControls::DataAccess {

Fields::Fields(std::shared_ptr<RecordsetPrivate> recordset)
    : m_recordset(std::move(recordset))
{
}

int Fields::Count() const
{
    return int(m_recordset->openCursor().columns().size());
}

Field Fields::Item(const QString &name) const
{
    return Field(m_recordset, m_recordset->indexOf(name));
}

Field Fields::Item(int index) const
{
    m_recordset->checkIndex(index);
    return Field(m_recordset, index);
}

} // namespace OlvarControls::DataAccess
