// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace OlvarControls::DataAccess {

class PostgresCatalog;

/*! A statement in PostgreSQL's SQL, and what its session must do around it. */
struct PostgresStatement
{
    QString sql;
    /*! An INSERT's table whose identity column the statement gave values: its numbering must catch up. */
    QString renumberTable;
    /*! Whether the statement is an INSERT that returns the new row's identifier (the only row it returns). */
    bool returnsInsertId = false;
    /*! Whether the statement changes the schema (CREATE, ALTER, DROP). */
    bool changesSchema = false;
};

/*!
    Turns a statement already translated for SQLite (DialectTranslator) into
    PostgreSQL's dialect, token by token; nothing inside a string literal is touched.

    - names, bare, [bracketed] or "quoted", of the schema's tables and columns and of
      the statement's own aliases are written quoted as they were created, since
      the desktop dialect finds names in any case;
    - IIf(c, a, b) becomes (CASE WHEN c THEN a ELSE b END), and group_concat string_agg;
    - the parameters ?1, ?2, ... become $1, $2, ...;
    - CREATE TABLE takes the desktop types: INTEGER PRIMARY KEY numbers its rows,
      DATETIME and BOOLEAN become the domains that hold day numbers and 0/1, TEXT
      compares without regard to case (citext), and SQLite's own COLLATE NOCASE,
      AUTOINCREMENT and CHECK (typeof(...) ...) go;
    - an INSERT into a table with an identity column returns the new identifier.
*/
class PostgresDialect
{
public:
    /*! The PostgreSQL form of \a sqliteSql for a schema described by \a catalog. */
    static PostgresStatement translate(const QString &sqliteSql, const PostgresCatalog &catalog);
};

} // namespace OlvarControls::DataAccess
