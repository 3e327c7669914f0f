// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "connection.h"
#include "dataaccessenums.h"
#include "olvarglobal.h"

#include <QString>

namespace OlvarControls::DataAccess {

class Recordset;

/*! A statement to run on a connection. */
class OLVAR_EXPORT Command
{
public:
    /*! The connection the command runs on. */
    Connection ActiveConnection() const;
    /*! Sets the connection the command runs on. */
    void setActiveConnection(const Connection &connection);

    /*! The statement, or table name. */
    QString CommandText() const;
    /*! Sets the statement, or table name. */
    void setCommandText(const QString &commandText);

    /*! What CommandText() is: adCmdUnspecified (the default), adCmdText or adCmdTable. */
    int CommandType() const;
    /*! Sets what CommandText() is. */
    void setCommandType(int commandType);

    /*!
        Runs the command on its connection, as Connection::Execute() does; \a options,
        when given, take the place of CommandType(). Raises error 3709 without an
        open connection.
    */
    Recordset Execute(int options = adCmdUnspecified);

private:
    Connection m_connection;
    QString m_commandText;
    int m_commandType = adCmdUnspecified;
};

} // namespace OlvarControls::DataAccess
