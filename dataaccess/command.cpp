// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "command.h"

#include "recordset.h"

namespace OlvarControls::DataAccess {

Connection Command::ActiveConnection() const
{
    return m_connection;
}

void Command::setActiveConnection(const Connection &connection)
{
    m_connection = connection;
}

QString Command::CommandText() const
{
    return m_commandText;
}

void Command::setCommandText(const QString &commandText)
{
    m_commandText = commandText;
}

int Command::CommandType() const
{
    return m_commandType;
}

void Command::setCommandType(int commandType)
{
    m_commandType = commandType;
}

Recordset Command::Execute(int options)
{
    return m_connection.Execute(m_commandText, options == adCmdUnspecified ? m_commandType : options);
}

} // namespace OlvarControls::DataAccess
