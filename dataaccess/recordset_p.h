// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "dataaccessenums.h"
#include "engine.h"

#include <memory>

namespace OlvarControls::DataAccess {

class RecordsetPrivate
{
public:
    /*! The open cursor; raises error 3704 when the recordset is closed. */
    EngineCursor &openCursor() const;
    /*! The index of the column \a name; raises error 3265 when there is none. */
    int indexOf(const QString &name) const;
    /*! Checks that \a index names a column; raises error 3265 when not. */
    void checkIndex(int index) const;
    /*! The value of column \a index in the current row. */
    QVariant value(int index) const;
    /*! Runs \a move on the cursor; Eof() is true when it finds no row, or fails. */
    template <typename Move>
    void move(Move move, bool findsFirstRow);

    int cursorLocation = adUseServer;
    int cursorType = adOpenForwardOnly;
    int lockType = adLockReadOnly;
    std::unique_ptr<EngineCursor> cursor;
    bool eof = true;
    bool bof = true;
};

template <typename Move>
void RecordsetPrivate::move(Move move, bool findsFirstRow)
{
    EngineCursor &open = openCursor();
    eof = true;
    const bool onRow = move(open);
    eof = !onRow;
    if (findsFirstRow)
        bof = !onRow;
}

} // namespace OlvarControls::DataAccess
