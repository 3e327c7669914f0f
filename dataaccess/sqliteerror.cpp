// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqliteerror.h"

#include "oleerror.h"

#include <sqlite3.h>

namespace OlvarControls::DataAccess::SqliteError {

int errorNumber(int resultCode)
{
    switch (resultCode & 0xff) {
    case SQLITE_ERROR:
        return ErrorNumber::SqlError;
    case SQLITE_MISMATCH:
        return ErrorNumber::DataTypeMismatch;
    default:
        return ErrorNumber::GeneralFailure;
    }
}

void raise(sqlite3 *db, int resultCode, const QString &context)
{
    QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(resultCode));
    if (!context.isEmpty())
        message = context + message;
    throw OleError(errorNumber(resultCode), message);
}

} // namespace OlvarControls::DataAccess::SqliteError
