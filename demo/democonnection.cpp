// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "democonnection.h"

#include "basgeneral.h"
#include "dataaccessenums.h"
#include "recordset.h"

using namespace OlvarControls::DataAccess;

namespace Sessara {

DemoConnection::DemoConnection()
    : DemoConnection(basGeneral::strConnectionString)
{
}

DemoConnection::DemoConnection(const QString &connectionString)
    : m_errors(std::make_shared<ResumeNext>())
{
    (*m_errors)([&] { m_connection.Open(connectionString); });
}

DemoConnection::~DemoConnection()
{
    if (isOpen())
        (*m_errors)([&] { m_connection.Close(); });
}

bool DemoConnection::isOpen() const
{
    return m_connection.State() == adStateOpen;
}

bool DemoConnection::execute(const QString &statement)
{
    return isOpen() && (*m_errors)([&] { m_connection.Execute(statement); });
}

qint64 DemoConnection::lastInsertId() const
{
    qint64 id = 0;
    if (isOpen())
        (*m_errors)([&] { id = m_connection.LastInsertId(); });
    return id;
}

DemoRecordset DemoConnection::executeRead(const QString &select)
{
    Recordset rows;
    if (isOpen())
        (*m_errors)([&] { rows = m_connection.Execute(select); });
    return DemoRecordset(rows, m_errors);
}

DemoRecordset DemoConnection::read(const QString &select)
{
    Recordset rows;
    if (isOpen())
        (*m_errors)([&] { rows.Open(select, m_connection, adOpenUnspecified, adLockUnspecified, adCmdUnspecified); });
    return DemoRecordset(rows, m_errors);
}

DemoRecordset DemoConnection::readList(const QString &select)
{
    Recordset rows;
    if (isOpen()) {
        (*m_errors)([&] {
            rows.setCursorLocation(adUseClient);
            rows.Open(select, m_connection, adOpenDynamic, adLockOptimistic, adCmdUnspecified);
        });
    }
    return DemoRecordset(rows, m_errors);
}

} // namespace Sessara
