// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "connection.h"
#include "demorecordset.h"
#include "resumenext.h"

#include <QString>

#include <memory>

namespace Sessara {

/*!
    One database operation of the demo: a connection opened on construction
    and closed with the object, and the reads and writes run on it, each of
    them one statement that may fail on its own. A failure stays pending on
    errors() and the routine goes on; with no open connection every call is
    skipped the same way.

    \code
    DemoConnection cn;
    DemoRecordset rs = cn.read("Select * from tblSession where SessionID=" + id);
    if (!rs.eof())
        status = rs.value("Chargeable");
    \endcode
*/
class DemoConnection
{
public:
    /*! Opens a connection with basGeneral::strConnectionString. */
    DemoConnection();
    /*! Opens a connection with \a connectionString. */
    explicit DemoConnection(const QString &connectionString);
    /*! Closes the connection and the recordsets still open on it. */
    ~DemoConnection();
    DemoConnection(const DemoConnection &) = delete;
    DemoConnection &operator=(const DemoConnection &) = delete;

    /*! Whether the connection opened. */
    bool isOpen() const;

    /*! Runs the write statement \a statement (INSERT, UPDATE, DELETE); returns whether it ran. */
    bool execute(const QString &statement);
    /*! The identifier the last INSERT on this connection gave its row; 0 when none. */
    qint64 lastInsertId() const;
    /*! The rows of \a select run through Connection.Execute (forward only). */
    DemoRecordset executeRead(const QString &select);
    /*! The rows of \a select, opened with cursor type, lock type and options unspecified. */
    DemoRecordset read(const QString &select);
    /*! The rows of \a select for filling a list: client-side cursor, dynamic, optimistic. */
    DemoRecordset readList(const QString &select);

    /*! The pending error of this connection's statements. */
    ResumeNext &errors() { return *m_errors; }

private:
    OlvarControls::DataAccess::Connection m_connection;
    std::shared_ptr<ResumeNext> m_errors;
};

} // namespace Sessara
