// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QString>

#include <memory>

namespace OlvarControls::DataAccess {

class EngineSession;

/*!
    A booking's steps as one unit that no other desk can interleave with for the
    same counsellors and rooms: its checks see every booking stored before it,
    and what it writes is stored all together or not at all.

    While the unit lives, every Connection opened in this thread to the same
    database (the same connection string, time-outs aside) works in the unit's transaction, so code that opens its
    own connection for each operation takes part unchanged. On PostgreSQL the
    unit is a transaction holding an advisory lock per counsellor and room; on
    SQLite it holds the file's write lock, which keeps every other program's
    writes out. A unit that is neither committed nor rolled back is rolled back
    when it goes.
    \\code
    BookingUnit unit(connectionString, {counsellorId}, {roomId});
    // conflict checks, the day view's save, the link row ...
    unit.commit();
    \\endcode
*/
class BookingUnit
{
public:
    /*! The kinds of what a unit locks. */
    enum LockKind { CounsellorLock = 1, RoomLock = 2 };

    /*!
        Starts the unit on the database of \\a connectionString for \\a counsellors
        and \\a rooms, waiting at most \\a timeoutMs for another desk's unit. Raises
        an OleError (-2147467259) when the database is busy or unreachable, with
        nothing begun.
    */
    BookingUnit(const QString &connectionString, const QList<qint64> &counsellors, const QList<qint64> &rooms,
                int timeoutMs = DefaultTimeout);
    ~BookingUnit();
    BookingUnit(const BookingUnit &) = delete;
    BookingUnit &operator=(const BookingUnit &) = delete;

    /*! Stores what the unit wrote; raises an OleError when it cannot, and then nothing is stored. */
    void commit();
    /*! Undoes what the unit wrote. */
    void rollback();
    /*! Whether the unit is still open (neither committed nor rolled back). */
    bool isActive() const;

    /*! The session of the unit open in this thread for \\a connectionString; null when there is none. */
    static std::shared_ptr<EngineSession> sessionFor(const QString &connectionString);

    /*! The time a unit waits for another desk's, in milliseconds. */
    static constexpr int DefaultTimeout = 5000;

private:
    void finish(const char *statement);

    QString m_connectionString;
    std::shared_ptr<EngineSession> m_session;
};

} // namespace OlvarControls::DataAccess
