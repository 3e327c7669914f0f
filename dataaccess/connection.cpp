// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "connection.h"

#include "bookingunit.h"
#include "connection_p.h"
#include "connectionstringparser.h"
#include "engineregistry.h"
#include "oleerror.h"
#include "recordset.h"

namespace OlvarControls::DataAccess {

const std::shared_ptr<EngineSession> &ConnectionPrivate::openSession() const
{
    if (!session)
        throw OleError(ErrorNumber::ConnectionUnusable);
    return session;
}

Connection::Connection()
    : d(std::make_shared<ConnectionPrivate>())
{
}

Connection::Connection(const QString &connectionString)
    : Connection()
{
    d->connectionString = connectionString;
}

Connection::~Connection() = default;
Connection::Connection(const Connection &other) = default;
Connection &Connection::operator=(const Connection &other) = default;

QString Connection::ConnectionString() const
{
    return d->connectionString;
}

void Connection::setConnectionString(const QString &connectionString)
{
    if (d->session)
        throw OleError(ErrorNumber::ObjectOpen);
    d->connectionString = connectionString;
}

void Connection::Open(const QString &connectionString, const QString &, const QString &, int)
{
    if (d->session)
        throw OleError(ErrorNumber::ObjectOpen);
    if (!connectionString.isEmpty())
        d->connectionString = connectionString;
    // Inside a booking unit, connections to its database work in its transaction.
    if (std::shared_ptr<EngineSession> unit = BookingUnit::sessionFor(d->connectionString)) {
        d->session = std::move(unit);
        return;
    }
    const ConnectionStringParser parsed(d->connectionString);
    d->session = EngineRegistry::engineFor(parsed.provider()).open(parsed);
}

Recordset Connection::Execute(const QString &commandText, int options)
{
    Recordset result;
    result.openOn(d->openSession(), commandText, adOpenForwardOnly, adLockReadOnly, options);
    return result;
}

void Connection::Close()
{
    if (!d->session)
        throw OleError(ErrorNumber::ObjectClosed);
    const std::shared_ptr<EngineSession> session = std::move(d->session);
    d->session.reset();
    session->close();
}

int Connection::State() const
{
    return d->session ? adStateOpen : adStateClosed;
}

qint64 Connection::LastInsertId() const
{
    return d->openSession()->lastInsertId();
}

qint64 Connection::RecordsAffected() const
{
    return d->openSession()->changes();
}

} // namespace OlvarControls::DataAccess
