// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Fuzz target: the SQL translator and SQLite's check of its work. Any input may
// be refused (an OleError); what is accepted must hold:
// - SQLite reads the statement as the translator wrote it (the check), and as
//   the dialect reads the output again; by
//   SQLite's own code, no token the translator wrote stands in a literal or
//   comment, and the parser finds exactly the parameters the translation binds;
// - no quoted text of the input ('...', "...", `...`, [...]) becomes SQL: the
//   quoted pieces SQLite reads in the output are the input's, in order, and
//   only texts stored as dates are missing;
// and nothing crashes.

#include "../dataaccess/sessionschema.h"
#include "dialecttranslator.h"
#include "fuzzsupport.h"
#include "oleerror.h"
#include "sqlitetokencheck.h"
#include "sqltokenizer.h"

#include <sqlite3.h>

#include <optional>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

// Dates are not what this target is after: a text of digits and separators is one.
std::optional<OleDate> digitsAreDates(const QString &text)
{
    if (text.isEmpty() || text.size() > 20)
        return std::nullopt;
    for (const QChar c : text) {
        if (!c.isDigit() && c != QLatin1Char('/') && c != QLatin1Char(':'))
            return std::nullopt;
    }
    return OleDate(double(text.size()));
}

bool isQuoted(const SqlToken &token)
{
    return token.kind == SqlToken::String || token.kind == SqlToken::QuotedName || token.kind == SqlToken::BracketName;
}

struct InputPieces
{
    QList<SqlToken> quoted; // with the text they were read from
    QStringList texts;
    int dateLiterals = 0;
};

// The quoted pieces and date literals of the input, those inside derived tables included.
void collectInput(const QString &text, InputPieces &pieces)
{
    for (const SqlToken &token : SqlTokenizer::tokenize(text)) {
        const QStringView piece = token.text(text);
        if (token.kind == SqlToken::DateLiteral) {
            ++pieces.dateLiterals;
        } else if (token.kind == SqlToken::BracketName && SqlTokenizer::opensDerivedTable(piece)) {
            collectInput(piece.mid(1, piece.size() - 2).toString(), pieces);
        } else if (isQuoted(token)) {
            pieces.quoted.append(token);
            pieces.texts.append(piece.toString());
        }
    }
}

void checkQuotedTextStaysQuoted(const QString &input, const TranslatedStatement &translated)
{
    InputPieces in;
    collectInput(input, in);
    qsizetype next = 0;
    int missingStrings = 0;
    for (const SqlToken &token : SqliteTokenCheck::tokenize(translated.sql)) {
        if (!isQuoted(token))
            continue;
        const QString piece = token.text(translated.sql).toString();
        // Input pieces skipped on the way were dropped: a table name left out of SET, or a text stored as a date.
        while (next < in.texts.size() && in.texts.at(next) != piece) {
            missingStrings += in.quoted.at(next).kind == SqlToken::String ? 1 : 0;
            ++next;
        }
        OlvarFuzz::check(next < in.texts.size(), "a quoted piece of the output is none of the input's, in order",
                         input);
        ++next;
    }
    for (; next < in.texts.size(); ++next)
        missingStrings += in.quoted.at(next).kind == SqlToken::String ? 1 : 0;
    OlvarFuzz::check(missingStrings <= translated.parameters.size() - in.dateLiterals,
                     "a quoted text left the output without becoming a parameter", input);
}

int denyAttachAndPragma(void *, int action, const char *, const char *, const char *, const char *)
{
    return action == SQLITE_ATTACH || action == SQLITE_DETACH || action == SQLITE_PRAGMA ? SQLITE_DENY : SQLITE_OK;
}

sqlite3 *sessionDatabase()
{
    static sqlite3 *db = [] {
        sqlite3 *opened = nullptr;
        sqlite3_open(":memory:", &opened);
        sqlite3_exec(opened,
                     "CREATE TABLE tblSession (SessionID INTEGER PRIMARY KEY, SessionDate DATETIME, "
                     "StartTime DATETIME, Notes TEXT, Cancelled BOOLEAN); CREATE TABLE t (a, b, d DATETIME)",
                     nullptr, nullptr, nullptr);
        sqlite3_set_authorizer(opened, denyAttachAndPragma, nullptr);
        return opened;
    }();
    return db;
}

// The output, read again as the dialect reads it, splits where SQLite splits it.
void checkOutputRetokenises(const QString &input, const TranslatedStatement &translated)
{
    QList<SqlToken> dialect;
    try {
        dialect = SqlTokenizer::tokenize(translated.sql);
    } catch (const OleError &) {
        OlvarFuzz::check(false, "the output does not read again as a statement", input);
    }
    qsizetype n = 0;
    for (const SqlToken &token : SqliteTokenCheck::tokenize(translated.sql)) {
        if (!token.isSignificant())
            continue;
        while (n < dialect.size() && !dialect.at(n).isSignificant())
            ++n;
        const bool same = n < dialect.size() && dialect.at(n).start == token.start
            && dialect.at(n).length == token.length && dialect.at(n).kind == token.kind;
        OlvarFuzz::check(same, "SQLite splits the output otherwise than the dialect", input);
        ++n;
    }
    while (n < dialect.size() && !dialect.at(n).isSignificant())
        ++n;
    OlvarFuzz::check(n == dialect.size(), "SQLite stops reading the output early", input);
}

// SQLite's own reading of literals and comments (sqlite3_complete): right before
// every token the translator wrote, SQLite is outside any literal or comment.
void checkTokensStandOutside(const QString &input, const TranslatedStatement &translated)
{
    const QList<SqlToken> &tokens = translated.tokens;
    if (tokens.size() > 400)
        return; // each token costs a pass over the text: long inputs are left to the other checks
    // In CREATE [TEMP] TRIGGER a ";" completes nothing before END.
    for (qsizetype n = 0; n < 3 && n < tokens.size(); ++n) {
        if (tokens.at(n).isWord(translated.sql, QLatin1String("trigger")))
            return;
    }
    for (const SqlToken &token : tokens) {
        if (token.start == 0)
            continue;
        const QByteArray before = translated.sql.left(token.start).toUtf8() + ';';
        OlvarFuzz::check(sqlite3_complete(before.constData()) != 0,
                         "SQLite reads a token of the translation as part of a literal or comment", input);
    }
}

// What SQLite's parser makes of the statement, when it takes it: the parameters bound, one statement.
void checkSqliteParser(const QString &input, const TranslatedStatement &translated)
{
    const QByteArray sql = translated.sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(sessionDatabase(), sql.constData(), int(sql.size()), &statement, &tail) != SQLITE_OK
        || !statement)
        return;
    const int parameters = sqlite3_bind_parameter_count(statement);
    sqlite3_finalize(statement);
    OlvarFuzz::check(parameters == translated.parameters.size(), "SQLite found other parameters than those bound",
                     input);
    OlvarFuzz::check(QByteArray(tail).trimmed().isEmpty(), "SQLite found more than one statement", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    OlvarFuzz::ensureApplication();
    const QString input = OlvarFuzz::textOf(data, size);
    static const SessionSchema schema;
    TranslatedStatement translated;
    try {
        translated = DialectTranslator(&schema, digitsAreDates).translate(input);
        SqliteTokenCheck::verify(translated);
    } catch (const OleError &) {
        return 0; // refused: always allowed
    }
    checkQuotedTextStaysQuoted(input, translated);
    checkOutputRetokenises(input, translated);
    checkTokensStandOutside(input, translated);
    checkSqliteParser(input, translated);
    return 0;
}
