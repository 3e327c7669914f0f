// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

struct sqlite3;

namespace OlvarControls::DataAccess::SqliteError {

/*! The error number SQLite's result code \a resultCode is reported as. */
int errorNumber(int resultCode);

/*! Raises the OleError for \a resultCode with SQLite's message for \a db, after \a context when given. */
[[noreturn]] void raise(sqlite3 *db, int resultCode, const QString &context = QString());

} // namespace OlvarControls::DataAccess::SqliteError
