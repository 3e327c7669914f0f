// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "numberconversion.h"

#include "datetext.h"
#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"

#include <cmath>
#include <limits>
#include <optional>

namespace OlvarControls {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The radix of an "&H" (16) or "&O" (8) prefix at pos, which moves past it; 0
// when there is none. "&" before a digit is octal too.
int radixPrefix(QStringView text, qsizetype *pos)
{
    if (*pos >= text.size() || text.at(*pos) != QLatin1Char('&'))
        return 0;
    const QChar letter = *pos + 1 < text.size() ? text.at(*pos + 1).toUpper() : QChar();
    if (letter == QLatin1Char('H') || letter == QLatin1Char('O')) {
        *pos += 2;
        return letter == QLatin1Char('H') ? 16 : 8;
    }
    ++*pos;
    return 8;
}

// The value of the digits of radix from pos, which moves past them.
double readDigits(QStringView text, qsizetype *pos, int radix)
{
    double value = 0;
    for (; *pos < text.size(); ++*pos) {
        const char c = text.at(*pos).toLower().toLatin1();
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : radix;
        if (digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

// The number a whole text (blanks around it aside) names, in the default
// locale's notation or the C one; nothing for a text that is no number.
std::optional<double> numberFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    if (const int radix = radixPrefix(trimmed, &pos)) {
        const qsizetype start = pos;
        const double value = readDigits(trimmed, &pos, radix);
        if (pos == start || pos != trimmed.size())
            return std::nullopt;
        return value;
    }
    for (const QLocale &locale : {QLocale(), QLocale::c()}) {
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok)
            return std::isfinite(value) ? std::optional<double>(value) : std::nullopt; // "inf", "nan"
        if (std::isinf(value))
            throw OleError(ErrorNumber::Overflow);
    }
    return std::nullopt;
}

// The number a variant holds, before any rounding.
double numericValue(const QVariant &value)
{
    if (isEmptyVariant(value))
        return 0;
    if (isNullVariant(value))
        throw OleError(ErrorNumber::InvalidUseOfNull);
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<bool>())
        return value.toBool() ? -1 : 0;
    if (type == QMetaType::fromType<QString>()) {
        if (const auto number = numberFromText(value.toString()))
            return *number;
        throw OleError(ErrorNumber::TypeMismatch);
    }
    if (type == QMetaType::fromType<OleDate>() || type == QMetaType::fromType<QDate>()
        || type == QMetaType::fromType<QDateTime>())
        return value.value<OleDate>().value();
    if (type == QMetaType::fromType<OleColor>())
        return double(qint32(value.value<OleColor>().value()));
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw OleError(ErrorNumber::TypeMismatch);
    return number;
}

template <typename Integer>
Integer toInteger(const QVariant &value)
{
    const qint64 rounded = NumberConversion::roundHalfEven(numericValue(value));
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max())
        throw OleError(ErrorNumber::Overflow);
    return Integer(rounded);
}

} // namespace

qint64 NumberConversion::roundHalfEven(double value)
{
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(value) || value >= limit || value < -limit)
        throw OleError(ErrorNumber::Overflow);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return qint64(whole);
}

double NumberConversion::leadingNumber(const QString &text)
{
    QString compact;
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            compact += c;
    }
    qsizetype pos = 0;
    if (const int radix = radixPrefix(compact, &pos))
        return readDigits(compact, &pos, radix);

    // Sign, digits, fraction and exponent, rewritten in the C notation.
    QString number;
    auto takeDigits = [&] {
        const qsizetype start = pos;
        while (pos < compact.size() && isAsciiDigit(compact.at(pos)))
            ++pos;
        number += compact.mid(start, pos - start);
        return pos - start;
    };
    auto takeSign = [&] {
        if (pos < compact.size() && (compact.at(pos) == QLatin1Char('+') || compact.at(pos) == QLatin1Char('-')))
            number += compact.at(pos++);
    };
    takeSign();
    qsizetype digits = takeDigits();
    if (pos < compact.size() && compact.at(pos) == QLatin1Char('.')) {
        number += compact.at(pos++);
        digits += takeDigits();
    }
    if (digits == 0)
        return 0;
    const qsizetype mantissaEnd = pos;
    const qsizetype mantissaLength = number.size();
    if (pos < compact.size() && QStringLiteral("eEdD").contains(compact.at(pos))) {
        ++pos;
        number += QLatin1Char('e');
        takeSign();
        if (takeDigits() == 0) { // "1e" or "1e+": no exponent
            pos = mantissaEnd;
            number.truncate(mantissaLength);
        }
    }
    const double value = QLocale::c().toDouble(number);
    if (std::isinf(value))
        throw OleError(ErrorNumber::Overflow);
    return value;
}

qint16 NumberConversion::toInt16(const QVariant &value)
{
    return toInteger<qint16>(value);
}

qint32 NumberConversion::toInt32(const QVariant &value)
{
    return toInteger<qint32>(value);
}

OleColor NumberConversion::toColor(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<OleColor>())
        return value.value<OleColor>();
    if (value.metaType() == QMetaType::fromType<QColor>())
        return OleColor::fromQColor(value.value<QColor>());
    const qint64 number = roundHalfEven(numericValue(value));
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
        throw OleError(ErrorNumber::Overflow);
    return OleColor(quint32(number));
}

OleDate NumberConversion::toDate(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<OleDate>() || type == QMetaType::fromType<QDate>()
        || type == QMetaType::fromType<QDateTime>())
        return value.value<OleDate>();
    if (type == QMetaType::fromType<QString>())
        return DateText::toDate(value.toString());
    return OleDate(numericValue(value));
}

double NumberConversion::toDouble(const QVariant &value)
{
    return numericValue(value);
}

bool NumberConversion::toBoolean(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QString>()) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return numericValue(value) != 0.0;
}

bool NumberConversion::isWholeNumber(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    if (digits.isEmpty())
        return false;
    const qint64 limit = negative ? qint64(std::numeric_limits<qint32>::max()) + 1 : std::numeric_limits<qint32>::max();
    qint64 magnitude = 0;
    for (QChar c : digits) {
        if (!isAsciiDigit(c))
            return false;
        magnitude = magnitude * 10 + c.digitValue();
        if (magnitude > limit)
            return false;
    }
    return true;
}

} // namespace OlvarControls
