// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "propertybagtext_p.h"

#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"

#include <QFont>

#include <algorithm>

namespace OlvarControls {

namespace {

const QLatin1String header("OlvarControls.PropertyBag 1");
const QLatin1String endLine("End");

[[noreturn]] void failAt(int lineNumber, const QString &what)
{
    throw OleError(ErrorNumber::InvalidFileFormat,
                   QStringLiteral("Invalid property bag text, line %1: %2").arg(lineNumber).arg(what));
}

bool isBareKeyChar(QChar c)
{
    return (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == QLatin1Char('_') || c == QLatin1Char('.')
        || c == QLatin1Char('-');
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

/* Whether \a digits is 1 to \a maximum hexadecimal digits and nothing else. */
bool isHexNumber(QStringView digits, qsizetype maximum)
{
    return !digits.isEmpty() && digits.size() <= maximum && std::all_of(digits.begin(), digits.end(), isHexDigit);
}

bool isBareKey(QStringView key)
{
    return !key.isEmpty() && std::all_of(key.begin(), key.end(), isBareKeyChar);
}

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                out += c;
                out += text.at(++i);
            } else if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate()) {
                // control characters and unpaired surrogates would not survive as UTF-8 text
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString typeAndValue(const QVariant &value)
{
    if (isEmptyVariant(value))
        return QStringLiteral("empty");
    if (isNullVariant(value))
        return QStringLiteral("null");
    if (value.metaType() == QMetaType::fromType<OleDate>())
        return QLatin1String("date ") + number(value.value<OleDate>().value());
    if (value.metaType() == QMetaType::fromType<OleColor>())
        return QLatin1String("color 0x")
            + QString::number(value.value<OleColor>().value(), 16).toUpper().rightJustified(8, QLatin1Char('0'));
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return QLatin1String("text ") + quoted(value.toString());
    case QMetaType::Short:
        return QLatin1String("int16 ") + QString::number(value.value<qint16>());
    case QMetaType::Int:
        return QLatin1String("int32 ") + QString::number(value.toInt());
    case QMetaType::Bool:
        return QLatin1String(value.toBool() ? "bool true" : "bool false");
    case QMetaType::Double:
        return QLatin1String("double ") + number(value.toDouble());
    case QMetaType::QFont:
        return QLatin1String("font ") + quoted(value.value<QFont>().toString());
    default:
        Q_UNREACHABLE(); // PropertyBag stores nothing else
    }
}

/* Reads one property line. */
class LineReader
{
public:
    LineReader(QStringView line, int lineNumber)
        : m_line(line)
        , m_lineNumber(lineNumber)
    {
    }

    QString key()
    {
        QString key;
        if (m_line.startsWith(QLatin1Char('"'))) {
            key = quotedText();
        } else {
            const qsizetype colon = m_line.indexOf(QLatin1Char(':'));
            if (colon < 0)
                fail(QStringLiteral("expected \"key: type value\""));
            if (!isBareKey(m_line.left(colon)))
                fail(QStringLiteral("the key \"%1\" must be quoted").arg(m_line.left(colon)));
            key = m_line.left(colon).toString();
            m_pos = colon;
        }
        if (key.isEmpty())
            fail(QStringLiteral("empty key"));
        expect(QLatin1String(": "));
        return key;
    }

    QVariant value()
    {
        const qsizetype space = m_line.indexOf(QLatin1Char(' '), m_pos);
        const QStringView type = m_line.mid(m_pos, space < 0 ? -1 : space - m_pos);
        m_pos += type.size();
        if (type == QLatin1String("empty") || type == QLatin1String("null")) {
            expectEnd();
            return type == QLatin1String("null") ? nullVariant() : QVariant();
        }
        expect(QLatin1String(" "));
        if (type == QLatin1String("text")) {
            const QString text = quotedText();
            expectEnd();
            return text;
        }
        if (type == QLatin1String("font"))
            return font();
        const QStringView rest = plainValue();
        bool ok = false;
        QVariant result;
        if (type == QLatin1String("int16"))
            result = QVariant::fromValue(rest.toShort(&ok));
        else if (type == QLatin1String("int32"))
            result = rest.toInt(&ok);
        else if (type == QLatin1String("double"))
            result = rest.toDouble(&ok);
        else if (type == QLatin1String("date"))
            result = QVariant::fromValue(date(rest, &ok));
        else if (type == QLatin1String("bool"))
            result = boolean(rest, &ok);
        else if (type == QLatin1String("color"))
            result = QVariant::fromValue(color(rest, &ok));
        else
            fail(QStringLiteral("unknown type \"%1\"").arg(type));
        if (!ok)
            fail(QStringLiteral("\"%1\" is not a valid %2 value").arg(rest, type));
        return result;
    }

private:
    [[noreturn]] void fail(const QString &what) const { failAt(m_lineNumber, what); }

    void expect(QLatin1String text)
    {
        if (!m_line.mid(m_pos).startsWith(text))
            fail(QStringLiteral("expected \"%1\" at column %2").arg(text).arg(m_pos + 1));
        m_pos += text.size();
    }

    void expectEnd()
    {
        if (m_pos != m_line.size())
            fail(QStringLiteral("unexpected \"%1\" after the value").arg(m_line.mid(m_pos)));
    }

    QStringView plainValue()
    {
        const QStringView rest = m_line.mid(m_pos);
        if (rest.isEmpty() || rest.front().isSpace() || rest.back().isSpace())
            fail(QStringLiteral("missing or padded value"));
        m_pos = m_line.size();
        return rest;
    }

    QString quotedText()
    {
        expect(QLatin1String("\""));
        QString text;
        while (m_pos < m_line.size()) {
            const QChar c = m_line.at(m_pos++);
            if (c == QLatin1Char('"'))
                return text;
            text += c == QLatin1Char('\\') ? escaped() : c;
        }
        fail(QStringLiteral("the text has no closing quote"));
    }

    QChar escaped()
    {
        const QChar c = m_pos < m_line.size() ? m_line.at(m_pos++) : QChar();
        switch (c.unicode()) {
        case '\\':
        case '"':
            return c;
        case 'n':
            return QLatin1Char('\n');
        case 'r':
            return QLatin1Char('\r');
        case 't':
            return QLatin1Char('\t');
        case 'u': {
            const QStringView digits = m_line.mid(m_pos, 4);
            if (digits.size() != 4 || !isHexNumber(digits, 4))
                fail(QStringLiteral("bad escape \"\\u%1\"").arg(digits));
            m_pos += 4;
            return QChar(digits.toUShort(nullptr, 16));
        }
        default:
            fail(QStringLiteral("bad escape \"\\%1\"").arg(c));
        }
    }

    static OleColor color(QStringView text, bool *ok)
    {
        const QStringView digits = text.mid(2);
        *ok = text.startsWith(QLatin1String("0x")) && isHexNumber(digits, 8);
        return *ok ? OleColor(digits.toUInt(nullptr, 16)) : OleColor();
    }

    /* A serial date in the platform's range: "nan", "inf" and 1e308 are no dates. */
    static OleDate date(QStringView text, bool *ok)
    {
        const OleDate value(text.toDouble(ok));
        *ok = *ok && value.isValid();
        return value;
    }

    static bool boolean(QStringView text, bool *ok)
    {
        *ok = text == QLatin1String("true") || text == QLatin1String("false");
        return text == QLatin1String("true");
    }

    QVariant font()
    {
        const QString description = quotedText();
        expectEnd();
        // Qt's reader accepts almost anything; insist on the fields Qt writes.
        const QStringList fields = description.split(QLatin1Char(','));
        bool ok = fields.size() >= 10 && !fields.first().isEmpty();
        for (int i = 1; ok && i < 10; ++i)
            fields.at(i).toDouble(&ok);
        QFont font;
        if (!ok || !font.fromString(description))
            fail(QStringLiteral("\"%1\" is not a valid font").arg(description));
        return font;
    }

    QStringView m_line;
    int m_lineNumber;
    qsizetype m_pos = 0;
};

} // namespace

QString PropertyBagText::write(const PropertyBag &bag)
{
    QString text = header + QLatin1Char('\n');
    for (const PropertyBag::Entry &entry : bag.m_entries) {
        text += isBareKey(entry.key) ? entry.key : quoted(entry.key);
        text += QLatin1String(": ") + typeAndValue(entry.value) + QLatin1Char('\n');
    }
    return text + endLine + QLatin1Char('\n');
}

PropertyBag PropertyBagText::read(const QString &text)
{
    PropertyBag bag;
    bool ended = false;
    int lineNumber = 0;
    for (QStringView line : QStringTokenizer(text, QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (lineNumber == 1) {
            if (line != header)
                failAt(lineNumber, QStringLiteral("the text does not begin with \"%1\"").arg(header));
        } else if (line.isEmpty()) {
            continue;
        } else if (ended) {
            failAt(lineNumber, QStringLiteral("text after the End line"));
        } else if (line == endLine) {
            ended = true;
        } else {
            LineReader reader(line, lineNumber);
            const QString key = reader.key();
            const QVariant value = reader.value();
            if (bag.contains(key))
                failAt(lineNumber, QStringLiteral("the key \"%1\" appears twice").arg(key));
            bag.m_entries.append({key, value});
        }
    }
    if (!ended)
        failAt(lineNumber, QStringLiteral("the text ends before its End line"));
    return bag;
}

} // namespace OlvarControls
