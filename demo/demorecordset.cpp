// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "demorecordset.h"

#include "dataaccessenums.h"

using namespace OlvarControls::DataAccess;

namespace Sessara {

DemoRecordset::DemoRecordset(Recordset recordset, std::shared_ptr<ResumeNext> errors)
    : m_recordset(std::move(recordset))
    , m_errors(std::move(errors))
{
}

bool DemoRecordset::eof() const
{
    if (m_recordset.State() != adStateOpen)
        return true;
    bool atEnd = true;
    (*m_errors)([&] { atEnd = m_recordset.Eof(); });
    return atEnd;
}

void DemoRecordset::moveNext()
{
    (*m_errors)([&] { m_recordset.MoveNext(); });
}

void DemoRecordset::moveFirst()
{
    (*m_errors)([&] { m_recordset.MoveFirst(); });
}

int DemoRecordset::absolutePosition() const
{
    int position = adPosEOF;
    (*m_errors)([&] { position = m_recordset.AbsolutePosition(); });
    return position;
}

QVariant DemoRecordset::value(const QString &name) const
{
    QVariant result;
    (*m_errors)([&] { result = m_recordset.Fields(name).Value(); });
    return result;
}

QVariant DemoRecordset::value(int index) const
{
    QVariant result;
    (*m_errors)([&] { result = m_recordset.Fields(index).Value(); });
    return result;
}

void DemoRecordset::close()
{
    if (m_recordset.State() == adStateOpen)
        (*m_errors)([&] { m_recordset.Close(); });
}

} // namespace Sessara
