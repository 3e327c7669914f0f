// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <utility>

/*! \file engine.h
    The seam between the data-access objects and a database engine. Connection,
    Command and Recordset speak only to these interfaces; each engine (SQLite
    now) implements them and is found by provider name in the EngineRegistry. */

namespace OlvarControls::DataAccess {

class ConnectionStringParser;

/*! A result column as a cursor describes it. */
struct ColumnInfo
{
    QString name; //!< the column's name in the result
    QString table; //!< the table it comes from; empty for an expression
    QString originName; //!< its name in that table; empty for an expression
};

/*!
    The rows of one result. A cursor starts before its first row; the moves
    return whether they reached a row. A cursor whose session has closed is no
    longer open, and its moves and values must not be used.
*/
class EngineCursor
{
public:
    virtual ~EngineCursor() = default;

    /*! The columns of the rows. */
    virtual const QList<ColumnInfo> &columns() const = 0;
    /*! Whether the cursor can still be used. */
    virtual bool isOpen() const = 0;
    /*! Ends the cursor and frees what it holds. */
    virtual void close() = 0;

    /*! Moves to the first row. */
    virtual bool moveFirst() = 0;
    /*! Moves to the row after the current one. */
    virtual bool moveNext() = 0;
    /*! Moves to the last row. */
    virtual bool moveLast() = 0;
    /*! The 1-based number of the current row. */
    virtual qint64 position() = 0;
    /*! The value of \a column in the current row: Null for no value (nullVariant()). */
    virtual QVariant value(int column) const = 0;
};

/*! How a cursor may move: forward only, streaming the rows, or freely. */
enum class CursorMovement {
    ForwardOnly,
    Scrollable,
};

/*! One open connection to a database. */
class EngineSession
{
public:
    virtual ~EngineSession() = default;

    /*!
        Runs \a statement (in the desktop dialect). Returns a cursor over its rows,
        or null when it is a statement without rows, which has then run to its end.
    */
    virtual std::unique_ptr<EngineCursor> execute(const QString &statement, CursorMovement movement) = 0;
    /*! Whether the database holds a table or view named \a name. */
    virtual bool hasTable(const QString &name) const = 0;
    /*! A cursor over every row of \a table in its stored order. */
    virtual std::unique_ptr<EngineCursor> openTable(const QString &table, CursorMovement movement) = 0;
    /*! The row identifier of the last row this session inserted. */
    virtual qint64 lastInsertId() const = 0;
    /*! The number of rows the last insert, update or delete of this session wrote. */
    virtual qint64 changes() const = 0;
    /*! Closes the session and every cursor still open on it. */
    virtual void close() = 0;
    /*!
        Starts a transaction that no other session can interleave with for the
        \a keys (each a kind and a number, e.g. a counsellor or a room), waiting at
        most \a timeoutMs for other sessions to finish theirs; raises an OleError
        (-2147467259) when it cannot, with nothing begun.
    */
    virtual void beginExclusive(const QList<std::pair<int, qint64>> &keys, int timeoutMs) = 0;
};

/*! A database engine: opens sessions. */
class Engine
{
public:
    virtual ~Engine() = default;

    /*! Opens a session with the keys of a connection string; raises an OleError when it cannot. */
    virtual std::shared_ptr<EngineSession> open(const ConnectionStringParser &connectionString) = 0;
};

} // namespace OlvarControls::DataAccess
