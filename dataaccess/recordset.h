// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "dataaccessenums.h"
#include "fields.h"
#include "olvarglobal.h"

#include <QString>

#include <memory>

namespace OlvarControls::DataAccess {

class Connection;
class EngineSession;
class RecordsetPrivate;

/*!
    The rows of a query or a table, read one current row at a time.

    A recordset opened on a statement starts on its first row; Eof() is true
    after the last row and at once for an empty result. Fields() reads the
    current row's values by column name (case-insensitive, optionally qualified
    by the table: "tblSession.SessionID") or by position from 0.

    Forward-only recordsets on the server side (the default) stream their rows;
    any other cursor type, or a client-side cursor location, keeps the rows read
    so that they can be visited again. A table opened with a keyset, dynamic or
    static cursor moves by key, so MoveFirst() and MoveLast() cost the same
    whatever the table's size.

    A Recordset is a reference: copies share one recordset.
*/
class OLVAR_EXPORT Recordset
{
public:
    /*! A closed recordset. */
    Recordset();
    ~Recordset();
    /*! Another handle on the same recordset, sharing its rows and position. */
    Recordset(const Recordset &other);
    /*! Makes this a handle on \a other's recordset. */
    Recordset &operator=(const Recordset &other);

    /*! adUseServer (2, the default) or adUseClient (3). */
    int CursorLocation() const;
    /*! Sets where the cursor lives; raises error 3001 for another value and 3705 while open. */
    void setCursorLocation(int cursorLocation);
    /*! The cursor type the recordset was opened with. */
    int CursorType() const;
    /*! The lock type the recordset was opened with. */
    int LockType() const;

    /*!
        Opens \a source on the open \a activeConnection: a statement, or a table
        name when \a options is adCmdTable (2) or when \a source is a single name
        and \a options is unspecified. Unspecified cursor and lock types are
        forward-only and read-only. Raises error 3705 when already open, 3709 when
        the connection is closed, 3001 for an unknown cursor or lock type.
    */
    void Open(const QString &source, const Connection &activeConnection, int cursorType = adOpenUnspecified,
              int lockType = adLockUnspecified, int options = adCmdUnspecified);

    /*! Whether the position is after the last row (also at once for an empty result). */
    bool Eof() const;
    /*! Whether the position is before the first row (an empty result). */
    bool Bof() const;

    /*! Moves to the next row; raises error 3021 when already after the last one. */
    void MoveNext();
    /*! Moves to the first row; a forward-only recordset runs its query again. */
    void MoveFirst();
    /*! Moves to the last row. */
    void MoveLast();

    /*! The 1-based number of the current row; adPosEOF or adPosBOF when there is none. */
    int AbsolutePosition() const;

    /*! The fields of the current row. */
    DataAccess::Fields Fields() const;
    /*! The field named \a name; raises error 3265 when there is none. */
    Field Fields(const QString &name) const;
    /*! The field at \a index, from 0; raises error 3265 when there is none. */
    Field Fields(int index) const;

    /*! Closes the recordset; raises error 3704 when already closed. */
    void Close();
    /*! adStateOpen or adStateClosed. */
    int State() const;

private:
    friend class Connection;
    OLVAR_NO_EXPORT void openOn(const std::shared_ptr<EngineSession> &session, const QString &source, int cursorType,
                                int lockType, int options);

    std::shared_ptr<RecordsetPrivate> d;
};

} // namespace OlvarControls::DataAccess
