// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqltokenizer.h"

#include "oleerror.h"

namespace OlvarControls::DataAccess {

bool SqlToken::isWord(QStringView source, QLatin1String word) const
{
    return kind == Word && text(source).compare(word, Qt::CaseInsensitive) == 0;
}

bool SqlToken::isOperator(QStringView source, QLatin1String op) const
{
    return kind == Operator && text(source) == op;
}

namespace {

// Beyond ASCII, anything but a blank may be part of a name, as SQL engines read names.
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$')
        || (c.unicode() >= 0x80 && !c.isSpace());
}

// What may follow a parameter marker in a parameter's name, as SQL engines read it:
// ASCII letters and digits, "_", "$" and any character beyond ASCII.
bool isParameterNameChar(QChar c)
{
    return c.unicode() >= 0x80 || (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == QLatin1Char('_')
        || c == QLatin1Char('$');
}

class Scanner
{
public:
    explicit Scanner(QStringView text)
        : m_text(text)
    {
    }

    QList<SqlToken> run()
    {
        QList<SqlToken> tokens;
        while (m_pos < m_text.size()) {
            const qsizetype start = m_pos;
            const SqlToken::Kind kind = scanOne();
            tokens.append(SqlToken{kind, start, m_pos - start});
        }
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    [[noreturn]] void unterminated(const char *what, qsizetype start) const
    {
        throw OleError(ErrorNumber::SqlError,
                       QStringLiteral("Unterminated %1 in the statement, from: %2")
                           .arg(QLatin1String(what), m_text.mid(start, 40).toString()));
    }

    // Moves past the closing \a close of a literal that started at \a start; a
    // doubled closing character stands for itself when \a doubling is set.
    void skipDelimited(QChar close, bool doubling, const char *what, qsizetype start)
    {
        ++m_pos;
        while (m_pos < m_text.size()) {
            if (m_text.at(m_pos++) != close)
                continue;
            if (doubling && at(m_pos) == close) {
                ++m_pos;
                continue;
            }
            return;
        }
        unterminated(what, start);
    }

    // A bracketed name ends at the first "]", whatever it holds. A derived table,
    // [SELECT ...], is read token by token and ends at the first "]" that is a
    // token of its own, so that its literals, names and block comments may hold "]".
    void skipBracket(qsizetype start)
    {
        if (!SqlTokenizer::opensDerivedTable(m_text.mid(start))) {
            const qsizetype close = m_text.indexOf(QLatin1Char(']'), start + 1);
            if (close < 0)
                unterminated("bracketed name", start);
            m_pos = close + 1;
            return;
        }
        ++m_pos;
        ++m_derivedTables;
        while (m_pos < m_text.size()) {
            const bool closing = m_text.at(m_pos) == QLatin1Char(']');
            scanOne();
            if (closing) {
                --m_derivedTables;
                return;
            }
        }
        unterminated("derived table", start);
    }

    SqlToken::Kind scanOne()
    {
        const qsizetype start = m_pos;
        const QChar c = m_text.at(m_pos);
        if (c.isSpace()) {
            while (at(m_pos).isSpace())
                ++m_pos;
            return SqlToken::Whitespace;
        }
        if (c == QLatin1Char('-') && at(m_pos + 1) == QLatin1Char('-')) {
            // Inside a derived table a comment ends at the bracket that closes it, if not before.
            while (m_pos < m_text.size() && m_text.at(m_pos) != QLatin1Char('\n')
                   && !(m_derivedTables > 0 && m_text.at(m_pos) == QLatin1Char(']')))
                ++m_pos;
            return SqlToken::Comment;
        }
        if (c == QLatin1Char('/') && at(m_pos + 1) == QLatin1Char('*')) {
            const qsizetype end = m_text.indexOf(QLatin1String("*/"), m_pos + 2);
            if (end < 0)
                unterminated("comment", start);
            m_pos = end + 2;
            return SqlToken::Comment;
        }
        switch (c.unicode()) {
        case '\'':
            skipDelimited(c, true, "string", start);
            return SqlToken::String;
        case '"':
        case '`':
            skipDelimited(c, true, "quoted name", start);
            return SqlToken::QuotedName;
        case '[':
            skipBracket(start);
            return SqlToken::BracketName;
        case '#':
            skipDelimited(c, false, "date literal", start);
            return SqlToken::DateLiteral;
        case '?':
            ++m_pos;
            while (at(m_pos).isDigit())
                ++m_pos;
            return SqlToken::Parameter;
        case ':':
        case '@':
        case '$':
            // A marker is a parameter whatever follows it, so that none passes for something else.
            ++m_pos;
            while (m_pos < m_text.size() && isParameterNameChar(m_text.at(m_pos)))
                ++m_pos;
            return SqlToken::Parameter;
        default:
            break;
        }
        if (c.isDigit() || (c == QLatin1Char('.') && at(m_pos + 1).isDigit())) {
            scanNumber();
            return SqlToken::Number;
        }
        if (isWordChar(c)) {
            while (isWordChar(at(m_pos)))
                ++m_pos;
            return SqlToken::Word;
        }
        scanOperator();
        return SqlToken::Operator;
    }

    void scanNumber()
    {
        if (m_text.at(m_pos) == QLatin1Char('0')
            && (at(m_pos + 1) == QLatin1Char('x') || at(m_pos + 1) == QLatin1Char('X'))) {
            m_pos += 2;
            while (isWordChar(at(m_pos)))
                ++m_pos;
            return;
        }
        while (at(m_pos).isDigit())
            ++m_pos;
        if (at(m_pos) == QLatin1Char('.')) {
            ++m_pos;
            while (at(m_pos).isDigit())
                ++m_pos;
        }
        if (at(m_pos) == QLatin1Char('e') || at(m_pos) == QLatin1Char('E')) {
            const qsizetype sign = (at(m_pos + 1) == QLatin1Char('+') || at(m_pos + 1) == QLatin1Char('-')) ? 1 : 0;
            if (at(m_pos + 1 + sign).isDigit()) {
                m_pos += 1 + sign;
                while (at(m_pos).isDigit())
                    ++m_pos;
            }
        }
    }

    void scanOperator()
    {
        static const char *const twoCharacter[] = {"<=", ">=", "<>", "!=", "==", "||", "<<", ">>", "->"};
        const QStringView pair = m_text.mid(m_pos, 2);
        for (const char *op : twoCharacter) {
            if (pair == QLatin1String(op)) {
                m_pos += 2;
                return;
            }
        }
        ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_derivedTables = 0; // how many derived tables the scan is inside
};

} // namespace

QList<SqlToken> SqlTokenizer::tokenize(QStringView statement)
{
    return Scanner(statement).run();
}

bool SqlTokenizer::opensDerivedTable(QStringView text)
{
    if (!text.startsWith(QLatin1Char('[')))
        return false;
    qsizetype i = 1;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const QStringView rest = text.mid(i);
    return rest.size() > 6 && rest.startsWith(QLatin1String("select"), Qt::CaseInsensitive) && !isWordChar(rest.at(6))
        && rest.at(6) != QLatin1Char(']');
}

} // namespace OlvarControls::DataAccess
