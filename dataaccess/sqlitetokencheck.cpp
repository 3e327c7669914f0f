// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitetokencheck.h"

#include "oleerror.h"

#include <sqlite3.h>

#include <algorithm>

namespace OlvarControls::DataAccess {

namespace {

// SQLite reads UTF-8 bytes; every character beyond ASCII is made of bytes it
// takes as name characters, so the rules below work on UTF-16 units alike.
bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(char16_t c)
{
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isIdChar(char16_t c)
{
    return c >= 0x80 || isAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'
        || c == u'$';
}

bool isSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// One token at a time, as sqlite3's tokenizer reads them.
class SqliteScanner
{
public:
    explicit SqliteScanner(QStringView text)
        : m_text(text)
    {
    }

    QList<SqlToken> run()
    {
        QList<SqlToken> tokens;
        while (at(m_pos) != 0) { // the text ends at U+0000 as the C string SQLite reads would
            const qsizetype start = m_pos;
            const SqlToken::Kind kind = scanOne();
            tokens.append(SqlToken{kind, start, m_pos - start});
        }
        return tokens;
    }

private:
    char16_t at(qsizetype i) const { return i < m_text.size() ? m_text.at(i).unicode() : 0; }

    void skipIdChars()
    {
        while (isIdChar(at(m_pos)))
            ++m_pos;
    }

    SqlToken::Kind scanOne()
    {
        const char16_t c = at(m_pos);
        const char16_t next = at(m_pos + 1);
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r' || c == 0xFEFF) {
            ++m_pos;
            while (isSpace(at(m_pos)))
                ++m_pos;
            return SqlToken::Whitespace;
        }
        if (c == u'-' && next == u'-') {
            while (at(m_pos) != 0 && at(m_pos) != u'\n')
                ++m_pos;
            return SqlToken::Comment;
        }
        if (c == u'/' && next == u'*' && at(m_pos + 2) != 0) {
            // An unterminated comment runs to the end of the text.
            m_pos += 2;
            while (at(m_pos) != 0 && !(at(m_pos) == u'*' && at(m_pos + 1) == u'/'))
                ++m_pos;
            if (at(m_pos) != 0)
                m_pos += 2;
            return SqlToken::Comment;
        }
        switch (c) {
        case u'\'':
        case u'"':
        case u'`':
            return scanQuoted(c);
        case u'[':
            ++m_pos;
            while (at(m_pos) != 0 && at(m_pos) != u']')
                ++m_pos;
            if (at(m_pos) == 0)
                return SqlToken::Illegal;
            ++m_pos;
            return SqlToken::BracketName;
        case u'?':
            ++m_pos;
            while (isAsciiDigit(at(m_pos)))
                ++m_pos;
            return SqlToken::Parameter;
        case u'$':
        case u'@':
        case u':':
        case u'#':
            return scanVariable();
        case u'.':
            if (!isAsciiDigit(next)) {
                ++m_pos;
                return SqlToken::Operator;
            }
            return scanNumber();
        case u'x':
        case u'X':
            if (next == u'\'')
                return scanBlob();
            break;
        default:
            break;
        }
        if (isAsciiDigit(c))
            return scanNumber();
        if (isIdChar(c)) {
            skipIdChars();
            return SqlToken::Word;
        }
        return scanOperator(c, next);
    }

    SqlToken::Kind scanQuoted(char16_t quote)
    {
        ++m_pos;
        while (at(m_pos) != 0) {
            if (at(m_pos++) != quote)
                continue;
            if (at(m_pos) != quote)
                return quote == u'\'' ? SqlToken::String : SqlToken::QuotedName;
            ++m_pos;
        }
        return SqlToken::Illegal;
    }

    // $name, @name, :name, #name, with the suffixes "::name" and "(...)" SQLite takes for Tcl.
    SqlToken::Kind scanVariable()
    {
        ++m_pos;
        int nameLength = 0;
        SqlToken::Kind kind = SqlToken::Parameter;
        for (char16_t c = at(m_pos); c != 0; c = at(m_pos)) {
            if (isIdChar(c)) {
                ++nameLength;
                ++m_pos;
            } else if (c == u'(' && nameLength > 0) {
                do {
                    ++m_pos;
                } while (at(m_pos) != 0 && !isSpace(at(m_pos)) && at(m_pos) != u')');
                if (at(m_pos) == u')')
                    ++m_pos;
                else
                    kind = SqlToken::Illegal;
                break;
            } else if (c == u':' && at(m_pos + 1) == u':') {
                m_pos += 2;
            } else {
                break;
            }
        }
        return nameLength == 0 ? SqlToken::Illegal : kind;
    }

    SqlToken::Kind scanNumber()
    {
        if (at(m_pos) == u'0' && (at(m_pos + 1) == u'x' || at(m_pos + 1) == u'X') && isHexDigit(at(m_pos + 2))) {
            m_pos += 3;
            while (isHexDigit(at(m_pos)))
                ++m_pos;
        } else {
            while (isAsciiDigit(at(m_pos)))
                ++m_pos;
            if (at(m_pos) == u'.') {
                ++m_pos;
                while (isAsciiDigit(at(m_pos)))
                    ++m_pos;
            }
            const char16_t e = at(m_pos);
            const char16_t sign = at(m_pos + 1);
            if ((e == u'e' || e == u'E')
                && (isAsciiDigit(sign) || ((sign == u'+' || sign == u'-') && isAsciiDigit(at(m_pos + 2))))) {
                m_pos += 2;
                while (isAsciiDigit(at(m_pos)))
                    ++m_pos;
            }
        }
        // A number that runs on into a name is no number.
        const qsizetype end = m_pos;
        skipIdChars();
        return m_pos == end ? SqlToken::Number : SqlToken::Illegal;
    }

    SqlToken::Kind scanBlob()
    {
        m_pos += 2;
        while (isHexDigit(at(m_pos)))
            ++m_pos;
        while (at(m_pos) != 0 && at(m_pos) != u'\'')
            ++m_pos;
        if (at(m_pos) != 0)
            ++m_pos;
        return SqlToken::Illegal; // valid or not, the desktop dialect has no blob literals
    }

    SqlToken::Kind scanOperator(char16_t c, char16_t next)
    {
        ++m_pos;
        switch (c) {
        case u'-':
            if (next == u'>')
                m_pos += at(m_pos + 1) == u'>' ? 2 : 1;
            return SqlToken::Operator;
        case u'=':
            m_pos += next == u'=' ? 1 : 0;
            return SqlToken::Operator;
        case u'<':
            m_pos += (next == u'=' || next == u'>' || next == u'<') ? 1 : 0;
            return SqlToken::Operator;
        case u'>':
            m_pos += (next == u'=' || next == u'>') ? 1 : 0;
            return SqlToken::Operator;
        case u'!':
            if (next != u'=')
                return SqlToken::Illegal;
            ++m_pos;
            return SqlToken::Operator;
        case u'|':
            m_pos += next == u'|' ? 1 : 0;
            return SqlToken::Operator;
        case u'(':
        case u')':
        case u';':
        case u'+':
        case u'*':
        case u'/':
        case u'%':
        case u',':
        case u'&':
        case u'~':
            return SqlToken::Operator;
        default:
            return SqlToken::Illegal;
        }
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

[[noreturn]] void refuse(const QString &sql, qsizetype at)
{
    throw OleError(ErrorNumber::SqlError,
                   QStringLiteral("Syntax error in the statement near '%1': it cannot be run as it is written.")
                       .arg(QStringView(sql).mid(at, 40)));
}

} // namespace

QList<SqlToken> SqliteTokenCheck::tokenize(QStringView sql)
{
    return SqliteScanner(sql).run();
}

void SqliteTokenCheck::verify(const TranslatedStatement &translated)
{
    const QString &sql = translated.sql;
    qsizetype n = 0;
    for (const SqlToken &token : tokenize(sql)) {
        if (!token.isSignificant())
            continue;
        if (n >= translated.tokens.size())
            refuse(sql, token.start);
        const SqlToken &meant = translated.tokens.at(n++);
        if (meant.kind != token.kind || meant.start != token.start || meant.length != token.length)
            refuse(sql, std::min(meant.start, token.start));
    }
    if (n < translated.tokens.size())
        refuse(sql, translated.tokens.at(n).start);

    // What SQLite is given is UTF-8: text that does not encode (a lone surrogate) would change.
    QByteArray utf8 = sql.toUtf8();
    if (QString::fromUtf8(utf8) != sql)
        refuse(sql, 0);
    // SQLite's own reading of where literals and comments end: the statement must be complete.
    utf8 += "\n;";
    if (!sqlite3_complete(utf8.constData()))
        refuse(sql, 0);
}

} // namespace OlvarControls::DataAccess
