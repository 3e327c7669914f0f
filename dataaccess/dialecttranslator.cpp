// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialecttranslator.h"

#include "dateliteral.h"
#include "oleerror.h"
#include "schemainfo.h"
#include "sqltokenizer.h"

#include <QHash>

#include <algorithm>

namespace OlvarControls::DataAccess {

namespace {

[[noreturn]] void raiseSqlError(const QString &description)
{
    throw OleError(ErrorNumber::SqlError, description);
}

// The name a Word, [Name] or "Name" token stands for.
QString unquotedName(const SqlToken &token, QStringView source)
{
    const QStringView text = token.text(source);
    switch (token.kind) {
    case SqlToken::BracketName:
        return text.mid(1, text.size() - 2).toString();
    case SqlToken::QuotedName: {
        const QChar quote = text.front();
        return text.mid(1, text.size() - 2).toString().replace(QString(2, quote), QString(quote));
    }
    default:
        return text.toString();
    }
}

QString stringLiteralValue(const SqlToken &token, QStringView source)
{
    const QStringView text = token.text(source);
    return text.mid(1, text.size() - 2).toString().replace(QLatin1String("''"), QLatin1String("'"));
}

bool isName(const SqlToken &token)
{
    return token.kind == SqlToken::Word || token.kind == SqlToken::BracketName || token.kind == SqlToken::QuotedName;
}

// Whether writing \a next right after \a previous would join them into one token
// (a longer name or number, a two-character operator) or open a comment.
bool wouldJoin(QChar previous, QChar next)
{
    const auto wordLike = [](QChar c) {
        return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
    };
    if (wordLike(previous) && (wordLike(next) || next == QLatin1Char('.') || next == QLatin1Char('\'')))
        return true;
    if (previous == QLatin1Char('.') && next.isDigit())
        return true;
    static const char *const pairs[] = {"--", "/*", "*/", "->", "<=", ">=", "<>", "!=", "==", "||", "<<", ">>"};
    const QChar pair[] = {previous, next};
    return std::any_of(std::begin(pairs), std::end(pairs),
                       [&](const char *op) { return QStringView(pair, 2) == QLatin1String(op); });
}

/*
    One statement being translated. The statement's significant tokens are
    indexed apart so that the analysis of INSERT and UPDATE can step over blanks.
*/
class Translation
{
public:
    Translation(QStringView source, const SchemaInfo *schema, const DialectTranslator::DateReader &dateReader,
                TranslatedStatement &result)
        : m_source(source)
        , m_tokens(SqlTokenizer::tokenize(source))
        , m_schema(schema)
        , m_dateReader(dateReader)
        , m_result(result)
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (m_tokens.at(i).isSignificant())
                m_significant.append(i);
        }
    }

    void run(bool topLevel)
    {
        qsizetype end = m_significant.size();
        if (topLevel) {
            end = statementEnd();
            planWrites(end);
        }
        const qsizetype endToken = end < m_significant.size() ? m_significant.at(end) : m_tokens.size();
        for (qsizetype i = 0; i < endToken; ++i)
            writeToken(i);
    }

    // Whether the text written ends inside a "--" comment, which runs to the end of its line.
    bool endsInLineComment() const
    {
        return !m_tokens.isEmpty() && m_tokens.last().kind == SqlToken::Comment
            && m_tokens.last().text(m_source).startsWith(QLatin1String("--"));
    }

private:
    // Rewrites planned for single tokens by the INSERT and UPDATE analysis.
    struct Rewrite
    {
        QString text;
        std::optional<double> boundValue;
    };

    const SqlToken &sig(qsizetype n) const { return m_tokens.at(m_significant.at(n)); }
    bool sigIsOperator(qsizetype n, QLatin1String op) const
    {
        return n >= 0 && n < m_significant.size() && sig(n).isOperator(m_source, op);
    }
    bool sigIsWord(qsizetype n, QLatin1String word) const
    {
        return n >= 0 && n < m_significant.size() && sig(n).isWord(m_source, word);
    }

    // The index (among significant tokens) of a final ";"; what follows it must be more ";".
    qsizetype statementEnd() const
    {
        for (qsizetype n = 0; n < m_significant.size(); ++n) {
            if (!sigIsOperator(n, QLatin1String(";")))
                continue;
            for (qsizetype rest = n + 1; rest < m_significant.size(); ++rest) {
                if (!sigIsOperator(rest, QLatin1String(";")))
                    raiseSqlError(QStringLiteral("Characters found after end of SQL statement."));
            }
            return n;
        }
        return m_significant.size();
    }

    void writeToken(qsizetype i)
    {
        const SqlToken &token = m_tokens.at(i);
        const QStringView text = token.text(m_source);
        if (const auto rewrite = m_rewrites.constFind(i); rewrite != m_rewrites.cend()) {
            if (rewrite->boundValue)
                appendParameter(*rewrite->boundValue);
            else
                write(token.kind, rewrite->text, true);
            return;
        }
        switch (token.kind) {
        case SqlToken::DateLiteral:
            if (const std::optional<OleDate> date = DateLiteral::parse(text.mid(1, text.size() - 2)))
                appendParameter(date->value());
            else
                raiseSqlError(QStringLiteral("Syntax error in date in query expression '%1'.").arg(text));
            return;
        case SqlToken::BracketName:
            if (SqlTokenizer::opensDerivedTable(text)) {
                writeDerivedTable(i);
                return;
            }
            break;
        case SqlToken::Word:
            if (isBooleanConstant(i)) {
                const bool isTrue = text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
                write(SqlToken::Number, isTrue ? u"1" : u"0", true);
                return;
            }
            break;
        case SqlToken::Operator:
            if (text == QLatin1String("/")) {
                write(SqlToken::Operator, u"*", true);
                write(SqlToken::Whitespace, u" ", true);
                write(SqlToken::Number, u"1.0", true);
                write(SqlToken::Whitespace, u" ", true);
                write(SqlToken::Operator, u"/", true);
                return;
            }
            if (text == QLatin1String(".") && m_skipDot == i) {
                write(SqlToken::Operator, QStringView(), true);
                return;
            }
            // '&' joins texts in the dialect; SQLite would read it as a bitwise AND.
            if (text == QLatin1String("&"))
                raiseSqlError(QStringLiteral("The text join '&' is not supported; nothing was run."));
            break;
        case SqlToken::Parameter:
            raiseSqlError(QStringLiteral("The statement holds the parameter marker %1, which has no value.").arg(text));
        default:
            break;
        }
        write(token.kind, text, false);
    }

    /*
        Appends \a text, one token of \a kind, and notes where it stands. Text the
        translator wrote itself (\a rewritten) is kept apart from its neighbours by
        a blank where they would otherwise join, e.g. "/" twice or a parameter
        before a digit; verbatim neighbours keep the statement's own spacing.
    */
    void write(SqlToken::Kind kind, QStringView text, bool rewritten)
    {
        QString &sql = m_result.sql;
        if ((rewritten || m_separateNext) && !sql.isEmpty() && !text.isEmpty() && wouldJoin(sql.back(), text.front()))
            sql += QLatin1Char(' ');
        m_separateNext = rewritten;
        if (kind != SqlToken::Whitespace && kind != SqlToken::Comment && !text.isEmpty())
            m_result.tokens.append(SqlToken{kind, sql.size(), text.size()});
        sql += text;
    }

    // [SELECT ...]. AS Name: the brackets become parentheses and the dot after them goes.
    void writeDerivedTable(qsizetype i)
    {
        const SqlToken &token = m_tokens.at(i);
        const QStringView inner = token.text(m_source).mid(1, token.length - 2);
        const qsizetype n = m_significant.indexOf(i);
        if (n > 0 && !mayPrecedeTable(sig(n - 1))) {
            raiseSqlError(
                QStringLiteral("Syntax error: a derived table cannot follow '%1'.").arg(sig(n - 1).text(m_source)));
        }
        write(SqlToken::Operator, u"(", true);
        Translation innerTranslation(inner, m_schema, m_dateReader, m_result);
        innerTranslation.run(false);
        // A comment to the end of the line would swallow the closing parenthesis.
        if (innerTranslation.endsInLineComment())
            write(SqlToken::Whitespace, u"\n", true);
        write(SqlToken::Operator, u")", true);
        if (sigIsOperator(n + 1, QLatin1String(".")))
            m_skipDot = m_significant.at(n + 1);
    }

    // Whether a derived table may stand after \a token: after a name its parenthesis would make a call.
    bool mayPrecedeTable(const SqlToken &token) const
    {
        static const char *const keywords[] = {"from", "join",    "in",    "exists", "select",   "where",
                                               "and",  "or",      "not",   "on",     "when",     "then",
                                               "else", "having",  "union", "all",    "distinct", "is",
                                               "like", "between", "case",  "values", "any",      "some"};
        if (token.kind == SqlToken::Operator)
            return token.text(m_source) != QLatin1String(")");
        const auto isKeyword = [&](const char *word) { return token.isWord(m_source, QLatin1String(word)); };
        return token.kind == SqlToken::Word && std::any_of(std::begin(keywords), std::end(keywords), isKeyword);
    }

    bool isBooleanConstant(qsizetype i) const
    {
        const SqlToken &token = m_tokens.at(i);
        if (!token.isWord(m_source, QLatin1String("true")) && !token.isWord(m_source, QLatin1String("false")))
            return false;
        const qsizetype n = m_significant.indexOf(i);
        return !sigIsOperator(n - 1, QLatin1String(".")) && !sigIsOperator(n + 1, QLatin1String("."))
            && !sigIsOperator(n + 1, QLatin1String("("));
    }

    void appendParameter(double value)
    {
        m_result.parameters.append(value);
        write(SqlToken::Parameter, QString(QLatin1Char('?') + QString::number(m_result.parameters.size())), true);
    }

    // --- INSERT and UPDATE: texts written into date/time columns ---------------

    void planWrites(qsizetype end)
    {
        if (sigIsWord(0, QLatin1String("update")))
            planUpdate(end);
        else if (sigIsWord(0, QLatin1String("insert")))
            planInsert(end);
    }

    // The index after the group that opens at \a n (a "(") and the index of each top-level comma inside.
    qsizetype closingParenthesis(qsizetype n, qsizetype end, QList<qsizetype> *commas = nullptr) const
    {
        int depth = 0;
        for (qsizetype k = n; k < end; ++k) {
            if (sigIsOperator(k, QLatin1String("(")))
                ++depth;
            else if (sigIsOperator(k, QLatin1String(")")) && --depth == 0)
                return k;
            else if (commas && depth == 1 && sigIsOperator(k, QLatin1String(",")))
                commas->append(k);
        }
        raiseSqlError(QStringLiteral("Missing ) in the statement."));
    }

    // A column reference at n: Name or Table.Name. Returns the name and moves n past it; the table is dropped.
    QString takeColumnName(qsizetype &n, qsizetype end)
    {
        if (n + 2 < end && isName(sig(n)) && sigIsOperator(n + 1, QLatin1String(".")) && isName(sig(n + 2))) {
            m_rewrites.insert(m_significant.at(n), Rewrite{});
            m_rewrites.insert(m_significant.at(n + 1), Rewrite{});
            n += 2;
        }
        if (n >= end || !isName(sig(n)))
            return QString();
        return unquotedName(sig(n++), m_source);
    }

    // The value from \a first to \a last (significant indexes, inclusive) is written into \a column of \a table.
    void planValue(const QString &table, const QString &column, qsizetype first, qsizetype last)
    {
        if (first != last || sig(first).kind != SqlToken::String || !m_schema || column.isEmpty())
            return;
        m_result.dependsOnContext = true;
        if (m_schema->columnKind(table, column) != SchemaInfo::DateTimeColumn)
            return;
        const QString text = stringLiteralValue(sig(first), m_source);
        const std::optional<OleDate> date = m_dateReader ? m_dateReader(text) : std::nullopt;
        if (!date) {
            throw OleError(ErrorNumber::DataTypeMismatch,
                           QStringLiteral("Data type mismatch: '%1' is not a date or time, so it cannot be "
                                          "stored in the date/time column %2.%3.")
                               .arg(text, table, column));
        }
        m_rewrites.insert(m_significant.at(first), Rewrite{QString(), date->value()});
    }

    // UPDATE table SET column = value, ... [WHERE ...]
    void planUpdate(qsizetype end)
    {
        if (end < 3 || !isName(sig(1)) || !sigIsWord(2, QLatin1String("set")))
            return;
        const QString table = unquotedName(sig(1), m_source);
        static const char *const clauseEnds[] = {"where", "from", "order", "limit", "returning"};
        qsizetype n = 3;
        while (n < end) {
            const QString column = takeColumnName(n, end);
            if (!sigIsOperator(n, QLatin1String("=")))
                return;
            const qsizetype first = ++n;
            int depth = 0;
            for (; n < end; ++n) {
                if (sigIsOperator(n, QLatin1String("(")))
                    ++depth;
                else if (sigIsOperator(n, QLatin1String(")")))
                    --depth;
                else if (depth == 0 && sigIsOperator(n, QLatin1String(",")))
                    break;
                else if (depth == 0 && std::any_of(std::begin(clauseEnds), std::end(clauseEnds), [&](const char *word) {
                             return sigIsWord(n, QLatin1String(word));
                         }))
                    break;
            }
            if (n > first)
                planValue(table, column, first, n - 1);
            if (!sigIsOperator(n, QLatin1String(",")))
                return;
            ++n;
        }
    }

    // INSERT [OR ...] INTO table [(column, ...)] VALUES (value, ...)[, (...)]
    void planInsert(qsizetype end)
    {
        qsizetype n = 1;
        while (n < end && !sigIsWord(n, QLatin1String("into")))
            ++n;
        if (++n >= end || !isName(sig(n)))
            return;
        const QString table = unquotedName(sig(n++), m_source);

        QStringList columns;
        if (sigIsOperator(n, QLatin1String("("))) {
            const qsizetype close = closingParenthesis(n, end);
            ++n;
            while (n < close) {
                columns.append(takeColumnName(n, close));
                if (!sigIsOperator(n, QLatin1String(",")))
                    break;
                ++n;
            }
            n = close + 1;
        } else if (m_schema) {
            columns = m_schema->columnNames(table);
            m_result.dependsOnContext = true;
        }
        if (!sigIsWord(n, QLatin1String("values")))
            return;
        ++n;
        while (sigIsOperator(n, QLatin1String("("))) {
            QList<qsizetype> commas;
            const qsizetype close = closingParenthesis(n, end, &commas);
            commas.append(close);
            qsizetype first = n + 1;
            for (qsizetype column = 0; column < commas.size(); ++column) {
                if (column < columns.size() && commas.at(column) > first)
                    planValue(table, columns.at(column), first, commas.at(column) - 1);
                first = commas.at(column) + 1;
            }
            n = close + 1;
            if (!sigIsOperator(n, QLatin1String(",")))
                return;
            ++n;
        }
    }

    QStringView m_source;
    QList<SqlToken> m_tokens;
    QList<qsizetype> m_significant;
    const SchemaInfo *m_schema;
    const DialectTranslator::DateReader &m_dateReader;
    TranslatedStatement &m_result;
    QHash<qsizetype, Rewrite> m_rewrites;
    qsizetype m_skipDot = -1;
    bool m_separateNext = false; // the last text written was the translator's own
};

} // namespace

DialectTranslator::DialectTranslator(const SchemaInfo *schema, DateReader dateReader)
    : m_schema(schema)
    , m_dateReader(std::move(dateReader))
{
}

TranslatedStatement DialectTranslator::translate(const QString &statement) const
{
    TranslatedStatement result;
    result.sql.reserve(statement.size() + 16);
    Translation(statement, m_schema, m_dateReader, result).run(true);
    return result;
}

} // namespace OlvarControls::DataAccess
