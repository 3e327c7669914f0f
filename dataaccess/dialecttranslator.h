// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"
#include "sqltokenizer.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace OlvarControls::DataAccess {

class SchemaInfo;

/*! A statement in the engine's own SQL, with the values for its parameters ?1, ?2, ... */
struct TranslatedStatement
{
    QString sql;
    QList<QVariant> parameters;
    /*! Whether the translation asked the schema or read a text as a date, so that it may differ another time. */
    bool dependsOnContext = false;
    /*!
        The tokens of \a sql that carry meaning, as the translator wrote them
        (offsets in \a sql), so that an engine can check that it reads the same.
    */
    QList<SqlToken> tokens;
};

/*!
    Turns statements of the desktop database's dialect into SQLite's, token by
    token; nothing inside a string literal is touched.

    - #...# date literals become parameters holding their day numbers (DateLiteral);
    - True and False become 1 and 0;
    - [SELECT ...]. AS Name, a derived table, becomes (SELECT ...) AS Name;
    - "/" divides as real numbers: a / b is written a * 1.0 / b, which keeps its precedence;
    - SET tblSession.StartTime = ... loses the table name, which SQLite does not take there;
    - a text literal written by INSERT ... VALUES or UPDATE ... SET into a date/time
      column becomes the date it means, read by the date reader, or raises error
      -2147217913 when it is no date;
    - a final ";" is dropped; anything after it raises error -2147217900, as does a
      parameter marker (there are no values to give it).

    Text the translator writes itself is kept apart from its neighbours by a
    blank where they would otherwise join ("a//2", "#...#0"); a "--" comment at
    the end of a derived table is ended by a line break before its ")".

    IIf, [Name] identifiers, the joins, GROUP BY ... HAVING, DISTINCT and
    ORDER BY ... DESC need no change.
*/
class DialectTranslator
{
public:
    /*! Reads a text as the date it means, in the user's locale; nothing when it is no date. */
    using DateReader = std::function<std::optional<OleDate>(const QString &)>;

    /*! A translator that asks \a schema about columns (may be null: no write conversions) and reads dates with \a dateReader. */
    DialectTranslator(const SchemaInfo *schema, DateReader dateReader);

    /*! The translation of \a statement. Raises error -2147217900 for a statement it cannot read. */
    TranslatedStatement translate(const QString &statement) const;

private:
    const SchemaInfo *m_schema;
    DateReader m_dateReader;
};

} // namespace OlvarControls::DataAccess
