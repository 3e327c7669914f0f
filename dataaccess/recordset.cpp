// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "recordset.h"

#include "connection.h"
#include "connection_p.h"
#include "oleerror.h"
#include "recordset_p.h"

#include <QRegularExpression>

namespace OlvarControls::DataAccess {

namespace {

// Without a command type, a single name that is a table's is opened as that table.
bool opensTable(const EngineSession &session, const QString &source, int options)
{
    if (options == adCmdUnspecified || options == adCmdUnknown) {
        static const QRegularExpression singleName(QStringLiteral("^\\s*(\\[[^\\]]+\\]|\\w+)\\s*$"));
        return singleName.match(source).hasMatch() && session.hasTable(source);
    }
    return (options & (adCmdTable | adCmdTableDirect)) != 0;
}

void checkChoice(int value, int first, int last)
{
    if (value != -1 && (value < first || value > last))
        throw OleError(ErrorNumber::InvalidArgument);
}

} // namespace

EngineCursor &RecordsetPrivate::openCursor() const
{
    if (!cursor || !cursor->isOpen())
        throw OleError(ErrorNumber::ObjectClosed);
    return *cursor;
}

int RecordsetPrivate::indexOf(const QString &name) const
{
    const QList<ColumnInfo> &columns = openCursor().columns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QStringView table = QStringView(name).left(dot);
        const QStringView column = QStringView(name).mid(dot + 1);
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const ColumnInfo &info = columns.at(i);
            if (info.table.compare(table, Qt::CaseInsensitive) == 0
                && (info.name.compare(column, Qt::CaseInsensitive) == 0
                    || info.originName.compare(column, Qt::CaseInsensitive) == 0)) {
                return int(i);
            }
        }
    }
    throw OleError(ErrorNumber::ItemNotFound);
}

void RecordsetPrivate::checkIndex(int index) const
{
    if (index < 0 || index >= openCursor().columns().size())
        throw OleError(ErrorNumber::ItemNotFound);
}

QVariant RecordsetPrivate::value(int index) const
{
    checkIndex(index);
    if (eof || bof)
        throw OleError(ErrorNumber::NoCurrentRecord);
    return cursor->value(index);
}

Recordset::Recordset()
    : d(std::make_shared<RecordsetPrivate>())
{
}

Recordset::~Recordset() = default;
Recordset::Recordset(const Recordset &other) = default;
Recordset &Recordset::operator=(const Recordset &other) = default;

int Recordset::CursorLocation() const
{
    return d->cursorLocation;
}

void Recordset::setCursorLocation(int cursorLocation)
{
    if (cursorLocation != adUseServer && cursorLocation != adUseClient)
        throw OleError(ErrorNumber::InvalidArgument);
    if (State() == adStateOpen)
        throw OleError(ErrorNumber::ObjectOpen);
    d->cursorLocation = cursorLocation;
}

int Recordset::CursorType() const
{
    return d->cursorType;
}

int Recordset::LockType() const
{
    return d->lockType;
}

void Recordset::Open(const QString &source, const Connection &activeConnection, int cursorType, int lockType,
                     int options)
{
    if (State() == adStateOpen)
        throw OleError(ErrorNumber::ObjectOpen);
    openOn(activeConnection.d->openSession(), source, cursorType, lockType, options);
}

void Recordset::openOn(const std::shared_ptr<EngineSession> &session, const QString &source, int cursorType,
                       int lockType, int options)
{
    checkChoice(cursorType, adOpenForwardOnly, adOpenStatic);
    checkChoice(lockType, adLockReadOnly, adLockBatchOptimistic);
    d->cursorType = cursorType == adOpenUnspecified ? adOpenForwardOnly : cursorType;
    d->lockType = lockType == adLockUnspecified ? adLockReadOnly : lockType;
    const CursorMovement movement = d->cursorLocation == adUseClient || d->cursorType != adOpenForwardOnly
        ? CursorMovement::Scrollable
        : CursorMovement::ForwardOnly;

    d->cursor.reset();
    d->eof = d->bof = true;
    d->cursor = opensTable(*session, source, options) ? session->openTable(source, movement)
                                                      : session->execute(source, movement);
    if (d->cursor)
        d->move([](EngineCursor &cursor) { return cursor.moveFirst(); }, true);
}

bool Recordset::Eof() const
{
    d->openCursor();
    return d->eof;
}

bool Recordset::Bof() const
{
    d->openCursor();
    return d->bof;
}

void Recordset::MoveNext()
{
    if (d->openCursor(), d->eof)
        throw OleError(ErrorNumber::NoCurrentRecord);
    d->move([](EngineCursor &cursor) { return cursor.moveNext(); }, false);
}

void Recordset::MoveFirst()
{
    d->move([](EngineCursor &cursor) { return cursor.moveFirst(); }, true);
}

void Recordset::MoveLast()
{
    d->move([](EngineCursor &cursor) { return cursor.moveLast(); }, true);
}

int Recordset::AbsolutePosition() const
{
    EngineCursor &cursor = d->openCursor();
    if (d->bof)
        return adPosBOF;
    if (d->eof)
        return adPosEOF;
    return int(cursor.position());
}

DataAccess::Fields Recordset::Fields() const
{
    d->openCursor();
    return DataAccess::Fields(d);
}

Field Recordset::Fields(const QString &name) const
{
    return Fields().Item(name);
}

Field Recordset::Fields(int index) const
{
    return Fields().Item(index);
}

void Recordset::Close()
{
    d->openCursor().close();
    d->cursor.reset();
}

int Recordset::State() const
{
    return d->cursor && d->cursor->isOpen() ? adStateOpen : adStateClosed;
}

} // namespace OlvarControls::DataAccess
