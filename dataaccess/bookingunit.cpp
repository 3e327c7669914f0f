// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "bookingunit.h"

#include "connectionstringparser.h"
#include "engine.h"
#include "engineregistry.h"
#include "oleerror.h"

#include <QHash>
#include <QLoggingCategory>

namespace OlvarControls::DataAccess {

namespace {

Q_LOGGING_CATEGORY(lcBooking, "olvar.dataaccess.booking")

/*
    The unit's session as a Connection sees it: everything passes through,
    except that closing the connection leaves the unit's session open.
*/
class UnitSession : public EngineSession
{
public:
    explicit UnitSession(std::shared_ptr<EngineSession> session)
        : m_session(std::move(session))
    {
    }
    std::unique_ptr<EngineCursor> execute(const QString &statement, CursorMovement movement) override
    {
        return m_session->execute(statement, movement);
    }
    bool hasTable(const QString &name) const override { return m_session->hasTable(name); }
    std::unique_ptr<EngineCursor> openTable(const QString &table, CursorMovement movement) override
    {
        return m_session->openTable(table, movement);
    }
    qint64 lastInsertId() const override { return m_session->lastInsertId(); }
    qint64 changes() const override { return m_session->changes(); }
    void close() override { }
    void beginExclusive(const QList<std::pair<int, qint64>> &, int) override
    {
        throw OleError(ErrorNumber::GeneralFailure, QStringLiteral("A booking unit is already open."));
    }

private:
    std::shared_ptr<EngineSession> m_session;
};

thread_local QHash<QString, std::shared_ptr<EngineSession>> openUnits;

// The database a connection string names, whatever its order, case and time-outs.
QString databaseKey(const QString &connectionString)
{
    const ConnectionStringParser parsed(connectionString);
    QStringList parts;
    for (const QString &key : parsed.keys()) {
        if (key != QLatin1String("busy timeout") && key != QLatin1String("connect timeout")
            && key != QLatin1String("persist security info"))
            parts.append(key + QLatin1Char('=') + parsed.value(key));
    }
    parts.sort();
    return parts.join(QLatin1Char(';'));
}

} // namespace

BookingUnit::BookingUnit(const QString &connectionString, const QList<qint64> &counsellors, const QList<qint64> &rooms,
                         int timeoutMs)
    : m_connectionString(databaseKey(connectionString))
{
    if (openUnits.contains(m_connectionString))
        throw OleError(ErrorNumber::GeneralFailure, QStringLiteral("A booking unit is already open."));
    QList<std::pair<int, qint64>> keys;
    for (const qint64 counsellor : counsellors)
        keys.append({CounsellorLock, counsellor});
    for (const qint64 room : rooms)
        keys.append({RoomLock, room});
    const ConnectionStringParser parsed(connectionString);
    if (parsed.contains(QStringLiteral("Busy Timeout")))
        timeoutMs = parsed.value(QStringLiteral("Busy Timeout")).toInt();
    m_session = EngineRegistry::engineFor(parsed.provider()).open(parsed);
    try {
        m_session->beginExclusive(keys, timeoutMs);
    } catch (...) {
        m_session->close();
        throw;
    }
    openUnits.insert(m_connectionString, std::make_shared<UnitSession>(m_session));
}

BookingUnit::~BookingUnit()
{
    if (!isActive())
        return;
    try {
        rollback();
    } catch (const OleError &error) {
        qCWarning(lcBooking) << "rolling back a booking unit:" << error.description();
    }
}

bool BookingUnit::isActive() const
{
    return m_session != nullptr;
}

void BookingUnit::commit()
{
    finish("COMMIT");
}

void BookingUnit::rollback()
{
    finish("ROLLBACK");
}

void BookingUnit::finish(const char *statement)
{
    if (!m_session)
        throw OleError(ErrorNumber::ObjectClosed);
    openUnits.remove(m_connectionString);
    const std::shared_ptr<EngineSession> session = std::move(m_session);
    m_session.reset();
    try {
        session->execute(QLatin1String(statement), CursorMovement::ForwardOnly);
    } catch (...) {
        session->close(); // a session that goes without COMMIT stores nothing
        throw;
    }
    session->close();
}

std::shared_ptr<EngineSession> BookingUnit::sessionFor(const QString &connectionString)
{
    if (openUnits.isEmpty())
        return nullptr;
    return openUnits.value(databaseKey(connectionString));
}

} // namespace OlvarControls::DataAccess
