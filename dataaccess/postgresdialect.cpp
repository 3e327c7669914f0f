// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgresdialect.h"

#include "oleerror.h"
#include "postgrescatalog.h"
#include "sqltokenizer.h"

#include <QHash>
#include <QSet>

namespace OlvarControls::DataAccess {

namespace {

// Words that are never taken for names, even where a column is called so.
const QSet<QString> &keywords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word :
             {"select",     "from",      "where",   "and",    "or",      "not",     "null",   "is",         "in",
              "as",         "on",        "join",    "inner",  "left",    "right",   "outer",  "full",       "cross",
              "group",      "by",        "order",   "having", "asc",     "desc",    "insert", "into",       "values",
              "update",     "set",       "delete",  "create", "table",   "index",   "unique", "view",       "primary",
              "key",        "distinct",  "limit",   "offset", "like",    "between", "case",   "when",       "then",
              "else",       "end",       "union",   "all",    "default", "check",   "exists", "constraint", "foreign",
              "references", "returning", "integer", "int",    "text",    "real",    "double", "if"})
            set.insert(QLatin1String(word));
        return set;
    }();
    return words;
}

QString quoted(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString typeFor(const QString &word, bool *integer)
{
    static const QHash<QString, QString> types = {
        {QStringLiteral("integer"), QStringLiteral("bigint")},
        {QStringLiteral("int"), QStringLiteral("bigint")},
        {QStringLiteral("long"), QStringLiteral("bigint")},
        {QStringLiteral("bigint"), QStringLiteral("bigint")},
        {QStringLiteral("smallint"), QStringLiteral("bigint")},
        {QStringLiteral("tinyint"), QStringLiteral("bigint")},
        {QStringLiteral("datetime"), QLatin1String(PostgresCatalog::DateTimeDomain)},
        {QStringLiteral("date"), QLatin1String(PostgresCatalog::DateTimeDomain)},
        {QStringLiteral("time"), QLatin1String(PostgresCatalog::DateTimeDomain)},
        {QStringLiteral("timestamp"), QLatin1String(PostgresCatalog::DateTimeDomain)},
        {QStringLiteral("boolean"), QLatin1String(PostgresCatalog::BooleanDomain)},
        {QStringLiteral("bool"), QLatin1String(PostgresCatalog::BooleanDomain)},
        {QStringLiteral("bit"), QLatin1String(PostgresCatalog::BooleanDomain)},
        {QStringLiteral("yesno"), QLatin1String(PostgresCatalog::BooleanDomain)},
        {QStringLiteral("text"), QStringLiteral("citext")},
        {QStringLiteral("memo"), QStringLiteral("citext")},
        {QStringLiteral("varchar"), QStringLiteral("citext")},
        {QStringLiteral("char"), QStringLiteral("citext")},
        {QStringLiteral("real"), QStringLiteral("double precision")},
        {QStringLiteral("float"), QStringLiteral("double precision")},
        {QStringLiteral("double"), QStringLiteral("double precision")},
    };
    const auto found = types.constFind(word);
    if (found == types.cend())
        return QString();
    *integer = found.value() == QLatin1String("bigint");
    return found.value();
}

class Writer
{
public:
    Writer(QStringView source, const PostgresCatalog &catalog, PostgresStatement &result)
        : m_source(source)
        , m_tokens(SqlTokenizer::tokenize(source))
        , m_catalog(catalog)
        , m_result(result)
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (m_tokens.at(i).isSignificant())
                m_significant.append(i);
        }
        collectAliases();
        for (const qsizetype token : std::as_const(m_significant)) {
            const SqlToken::Kind kind = m_tokens.at(token).kind;
            if (kind != SqlToken::Word && kind != SqlToken::BracketName && kind != SqlToken::QuotedName)
                continue;
            const PostgresTable *table = m_catalog.table(nameOf(token));
            if (table && !m_tables.contains(table))
                m_tables.append(table);
        }
    }

    void run()
    {
        const QString first = word(0);
        m_result.changesSchema =
            first == QLatin1String("create") || first == QLatin1String("alter") || first == QLatin1String("drop");
        if (first == QLatin1String("create"))
            planCreate();
        write(0, m_tokens.size());
        if (first == QLatin1String("insert"))
            planInsertResult();
        if (first == QLatin1String("select"))
            orderByKey();
    }

private:
    QString word(qsizetype n) const
    {
        if (n < 0 || n >= m_significant.size() || m_tokens.at(m_significant.at(n)).kind != SqlToken::Word)
            return QString();
        return m_tokens.at(m_significant.at(n)).text(m_source).toString().toLower();
    }
    bool isOperator(qsizetype token, QLatin1String op) const
    {
        return token >= 0 && token < m_tokens.size() && m_tokens.at(token).isOperator(m_source, op);
    }
    // The next significant token after \a token, or the end.
    qsizetype next(qsizetype token) const
    {
        for (++token; token < m_tokens.size(); ++token) {
            if (m_tokens.at(token).isSignificant())
                return token;
        }
        return m_tokens.size();
    }
    QString nameOf(qsizetype token) const
    {
        const SqlToken &t = m_tokens.at(token);
        const QStringView text = t.text(m_source);
        if (t.kind == SqlToken::BracketName)
            return text.mid(1, text.size() - 2).toString();
        if (t.kind == SqlToken::QuotedName) {
            const QChar quote = text.front();
            return text.mid(1, text.size() - 2).toString().replace(QString(2, quote), QString(quote));
        }
        return text.toString();
    }
    QString canonical(const QString &name) const
    {
        const QString alias = m_aliases.value(name.toLower());
        return alias.isEmpty() ? m_catalog.canonicalName(name, m_tables) : alias;
    }

    void collectAliases()
    {
        for (qsizetype n = 0; n + 1 < m_significant.size(); ++n) {
            if (word(n) != QLatin1String("as"))
                continue;
            const qsizetype token = m_significant.at(n + 1);
            const SqlToken &t = m_tokens.at(token);
            if (t.kind == SqlToken::Word && keywords().contains(t.text(m_source).toString().toLower()))
                continue;
            if (t.kind == SqlToken::Word || t.kind == SqlToken::BracketName || t.kind == SqlToken::QuotedName)
                m_aliases.insert(nameOf(token).toLower(), nameOf(token));
        }
    }

    // CREATE [UNIQUE] TABLE|INDEX|VIEW [IF NOT EXISTS] name: the new name is kept as written.
    void planCreate()
    {
        qsizetype n = 1;
        if (word(n) == QLatin1String("unique") || word(n) == QLatin1String("temp")
            || word(n) == QLatin1String("temporary"))
            ++n;
        const QString kind = word(n++);
        if (kind != QLatin1String("table") && kind != QLatin1String("index") && kind != QLatin1String("view"))
            return;
        if (word(n) == QLatin1String("if"))
            n += 3;
        if (n >= m_significant.size())
            return;
        m_asWritten.insert(m_significant.at(n));
        if (kind == QLatin1String("table") && n + 1 < m_significant.size()
            && isOperator(m_significant.at(n + 1), QLatin1String("("))) {
            m_columnList = m_significant.at(n + 1);
            // The new columns are known by the spelling they are created with.
            QList<qsizetype> commas;
            closing(m_columnList, &commas);
            commas.prepend(m_columnList);
            for (const qsizetype comma : commas) {
                const qsizetype first = next(comma);
                if (first < m_tokens.size() && m_tokens.at(first).kind != SqlToken::Operator)
                    m_aliases.insert(nameOf(first).toLower(), nameOf(first));
            }
        }
    }

    void planInsertResult()
    {
        qsizetype n = 1;
        while (n < m_significant.size() && word(n) != QLatin1String("into"))
            ++n;
        if (++n >= m_significant.size())
            return;
        const PostgresTable *table = m_catalog.table(nameOf(m_significant.at(n)));
        const PostgresColumn *identity = table ? table->identityColumn() : nullptr;
        if (!identity)
            return;
        bool namesIdentity = true; // without a column list every column is given
        if (n + 1 < m_significant.size() && isOperator(m_significant.at(n + 1), QLatin1String("("))) {
            namesIdentity = false;
            for (qsizetype k = n + 2; k < m_significant.size() && !isOperator(m_significant.at(k), QLatin1String(")"));
                 ++k) {
                const SqlToken &t = m_tokens.at(m_significant.at(k));
                if (t.kind != SqlToken::Operator
                    && nameOf(m_significant.at(k)).compare(identity->name, Qt::CaseInsensitive) == 0)
                    namesIdentity = true;
            }
        }
        if (namesIdentity)
            m_result.renumberTable = table->name;
        for (qsizetype k = 0; k < m_significant.size(); ++k) {
            if (word(k) == QLatin1String("returning") || word(k) == QLatin1String("select"))
                return;
        }
        m_result.sql += QStringLiteral(" RETURNING ") + quoted(identity->name);
        m_result.returnsInsertId = true;
    }

    // A query without ORDER BY gives its rows in the first table's key order, as a
    // file gives them in row order; a server has no row order of its own.
    void orderByKey()
    {
        static const QSet<QString> unordered = {
            QStringLiteral("order"),    QStringLiteral("group"),        QStringLiteral("union"),
            QStringLiteral("distinct"), QStringLiteral("limit"),        QStringLiteral("count"),
            QStringLiteral("sum"),      QStringLiteral("min"),          QStringLiteral("max"),
            QStringLiteral("avg"),      QStringLiteral("group_concat"), QStringLiteral("intersect"),
            QStringLiteral("except")};
        qsizetype from = -1;
        int depth = 0;
        for (qsizetype n = 0; n < m_significant.size(); ++n) {
            const qsizetype token = m_significant.at(n);
            if (isOperator(token, QLatin1String("(")))
                ++depth;
            else if (isOperator(token, QLatin1String(")")))
                --depth;
            if (unordered.contains(word(n)))
                return;
            if (depth == 0 && from < 0 && word(n) == QLatin1String("from"))
                from = n;
        }
        if (from < 0 || from + 1 >= m_significant.size())
            return;
        const PostgresTable *table = m_catalog.table(nameOf(m_significant.at(from + 1)));
        if (!table || table->primaryKey().isEmpty())
            return;
        QString owner = quoted(table->name);
        const QString alias = word(from + 2);
        if (!alias.isEmpty() && !keywords().contains(alias))
            owner = m_tokens.at(m_significant.at(from + 2)).text(m_source).toString();
        QStringList key;
        for (const QString &column : table->primaryKey())
            key.append(owner + QLatin1Char('.') + quoted(column));
        m_result.sql += QStringLiteral(" ORDER BY ") + key.join(QStringLiteral(", "));
    }

    // The closing parenthesis of the group opening at \a open, and the top-level commas inside.
    qsizetype closing(qsizetype open, QList<qsizetype> *commas) const
    {
        int depth = 0;
        for (qsizetype token = open; token < m_tokens.size(); token = next(token)) {
            if (isOperator(token, QLatin1String("(")))
                ++depth;
            else if (isOperator(token, QLatin1String(")")) && --depth == 0)
                return token;
            else if (commas && depth == 1 && isOperator(token, QLatin1String(",")))
                commas->append(token);
        }
        throw OleError(ErrorNumber::SqlError, QStringLiteral("Missing ) in the statement."));
    }

    void write(qsizetype from, qsizetype to)
    {
        for (qsizetype token = from; token < to;)
            token = writeToken(token);
    }

    // Writes the token at \a token (and any it takes with it); returns the token after.
    qsizetype writeToken(qsizetype token)
    {
        const SqlToken &t = m_tokens.at(token);
        const QStringView text = t.text(m_source);
        if (token == m_columnList) {
            writeColumnList(token);
            return closing(token, nullptr) + 1;
        }
        switch (t.kind) {
        case SqlToken::Parameter:
            m_result.sql += QLatin1Char('$') + text.mid(1);
            return token + 1;
        case SqlToken::BracketName:
        case SqlToken::QuotedName:
            writeName(token);
            return token + 1;
        case SqlToken::Word:
            if (text.compare(QLatin1String("iif"), Qt::CaseInsensitive) == 0
                && isOperator(next(token), QLatin1String("(")))
                return writeIif(next(token));
            if (text.compare(QLatin1String("group_concat"), Qt::CaseInsensitive) == 0
                && isOperator(next(token), QLatin1String("(")))
                return writeGroupConcat(next(token));
            if (m_asWritten.contains(token) || !keywords().contains(text.toString().toLower()))
                writeName(token);
            else
                m_result.sql += text;
            return token + 1;
        default:
            m_result.sql += text;
            return token + 1;
        }
    }

    void writeName(qsizetype token)
    {
        const QString name = nameOf(token);
        // A word before "(" calls a function, unless it names a table (INSERT INTO t (...)).
        const bool call = m_tokens.at(token).kind == SqlToken::Word && isOperator(next(token), QLatin1String("("))
            && !m_catalog.table(name) && !m_asWritten.contains(token);
        const QString known = m_asWritten.contains(token) ? name : canonical(name);
        if (call || (known.isEmpty() && m_tokens.at(token).kind == SqlToken::Word))
            m_result.sql += m_tokens.at(token).text(m_source);
        else
            m_result.sql += quoted(known.isEmpty() ? name : known);
    }

    qsizetype writeIif(qsizetype open)
    {
        QList<qsizetype> commas;
        const qsizetype close = closing(open, &commas);
        if (commas.size() != 2)
            throw OleError(ErrorNumber::SqlError, QStringLiteral("IIf takes three arguments."));
        m_result.sql += QLatin1String("(CASE WHEN ");
        write(open + 1, commas.at(0));
        m_result.sql += QLatin1String(" THEN ");
        write(commas.at(0) + 1, commas.at(1));
        m_result.sql += QLatin1String(" ELSE ");
        write(commas.at(1) + 1, close);
        m_result.sql += QLatin1String(" END)");
        return close + 1;
    }

    // group_concat(x[, separator]) joins texts as string_agg does.
    qsizetype writeGroupConcat(qsizetype open)
    {
        QList<qsizetype> commas;
        const qsizetype close = closing(open, &commas);
        m_result.sql += QLatin1String("string_agg((");
        write(open + 1, commas.isEmpty() ? close : commas.at(0));
        m_result.sql += QLatin1String(")::text, ");
        if (commas.isEmpty())
            m_result.sql += QLatin1String("','");
        else
            write(commas.at(0) + 1, close);
        m_result.sql += QLatin1Char(')');
        return close + 1;
    }

    // CREATE TABLE's column definitions: names as written, the desktop types mapped.
    void writeColumnList(qsizetype open)
    {
        QList<qsizetype> commas;
        const qsizetype close = closing(open, &commas);
        commas.append(close);
        m_result.sql += QLatin1Char('(');
        qsizetype first = open + 1;
        for (const qsizetype end : commas) {
            writeDefinition(first, end);
            m_result.sql += m_tokens.at(end).text(m_source);
            first = end + 1;
        }
    }

    void writeDefinition(qsizetype from, qsizetype to)
    {
        static const QSet<QString> constraints = {QStringLiteral("primary"), QStringLiteral("unique"),
                                                  QStringLiteral("check"), QStringLiteral("constraint"),
                                                  QStringLiteral("foreign")};
        qsizetype token = from;
        while (token < to && !m_tokens.at(token).isSignificant())
            m_result.sql += m_tokens.at(token++).text(m_source);
        if (token >= to)
            return;
        const bool column = !constraints.contains(m_tokens.at(token).text(m_source).toString().toLower());
        if (column) {
            m_result.sql += quoted(nameOf(token));
            ++token;
        }
        bool integer = false;
        while (token < to) {
            const SqlToken &t = m_tokens.at(token);
            const QString lower = t.text(m_source).toString().toLower();
            bool isInteger = false;
            const QString type = t.kind == SqlToken::Word ? typeFor(lower, &isInteger) : QString();
            if (!type.isEmpty()) {
                integer = integer || isInteger;
                m_result.sql += type;
                if (type == QLatin1String("citext") && isOperator(next(token), QLatin1String("(")))
                    token = closing(next(token), nullptr); // a length: citext has none
                ++token;
                continue;
            }
            if (lower == QLatin1String("autoincrement")) {
                ++token;
            } else if (lower == QLatin1String("collate") && next(token) < to) {
                token = next(token) + 1;
            } else if (lower == QLatin1String("check") && isOperator(next(token), QLatin1String("("))
                       && checksStorageType(next(token))) {
                token = closing(next(token), nullptr) + 1;
            } else if (column && integer && lower == QLatin1String("key")) {
                m_result.sql += QLatin1String("KEY GENERATED BY DEFAULT AS IDENTITY");
                ++token;
            } else {
                token = writeToken(token);
            }
        }
    }

    bool checksStorageType(qsizetype open) const
    {
        const qsizetype close = closing(open, nullptr);
        for (qsizetype token = open; token < close; ++token) {
            if (m_tokens.at(token).isWord(m_source, QLatin1String("typeof")))
                return true;
        }
        return false;
    }

    QStringView m_source;
    QList<SqlToken> m_tokens;
    QList<qsizetype> m_significant;
    const PostgresCatalog &m_catalog;
    PostgresStatement &m_result;
    QHash<QString, QString> m_aliases;
    QList<const PostgresTable *> m_tables; // the tables the statement names, for their columns' spellings
    QSet<qsizetype> m_asWritten;
    qsizetype m_columnList = -1;
};

} // namespace

PostgresStatement PostgresDialect::translate(const QString &sqliteSql, const PostgresCatalog &catalog)
{
    PostgresStatement result;
    result.sql.reserve(sqliteSql.size() + 32);
    Writer(sqliteSql, catalog, result).run();
    return result;
}

} // namespace OlvarControls::DataAccess
