// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "dataaccessenums.h"
#include "olvarglobal.h"
#include "recordset.h" // what Execute() returns

#include <QString>

#include <memory>

namespace OlvarControls::DataAccess {

class ConnectionPrivate;

/*!
    A connection to a database, opened from a connection string:
    "Provider=...;Data Source=<file>;...". The providers "SQLite",
    "Microsoft.Jet.OLEDB.3.51" and "Microsoft.Jet.OLEDB.4.0" (or none) open an
    existing SQLite database file; the path may use "\" or "/".

    A Connection is a reference: copies share one connection, which closes when
    Close() is called or the last copy goes. Failures raise an OleError:
    -2147467259 for a database that cannot be opened, 3706 for an unknown provider,
    -2147217900 for an invalid statement.
*/
class OLVAR_EXPORT Connection
{
public:
    /*! A closed connection without a connection string. */
    Connection();
    /*! A closed connection that will open with \a connectionString. */
    explicit Connection(const QString &connectionString);
    ~Connection();
    /*! Another handle on the same connection: opening or closing one opens or closes both. */
    Connection(const Connection &other);
    /*! Makes this a handle on \a other's connection. */
    Connection &operator=(const Connection &other);

    /*! The connection string the connection opens with. */
    QString ConnectionString() const;
    /*! Sets the connection string; raises error 3705 while the connection is open. */
    void setConnectionString(const QString &connectionString);

    /*!
        Opens the connection, with \a connectionString when given, else with
        ConnectionString(). User, password and options are accepted and not used:
        the embedded engine has no logins.
    */
    void Open(const QString &connectionString = QString(), const QString &userId = QString(),
              const QString &password = QString(), int options = -1);

    /*!
        Runs \a commandText, any one statement (or, with \a options adCmdTable, a
        table name). Returns a forward-only recordset, open on the rows when the
        statement gives rows, closed otherwise.
    */
    Recordset Execute(const QString &commandText, int options = adCmdUnspecified);

    /*! Closes the connection and every recordset open on it; raises error 3704 when already closed. */
    void Close();

    /*! adStateOpen or adStateClosed. */
    int State() const;

    /*! The row identifier of the last row inserted on this connection (0 when none). */
    qint64 LastInsertId() const;
    /*!
        The number of rows that the last INSERT, UPDATE or DELETE run on this
        connection wrote; 0 for an update or delete that matched no row.
    */
    qint64 RecordsAffected() const;

private:
    friend class Recordset;
    std::shared_ptr<ConnectionPrivate> d;
};

} // namespace OlvarControls::DataAccess
