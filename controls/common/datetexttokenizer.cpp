// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetexttokenizer.h"

#include <utility>

namespace OlvarControls {

namespace {

constexpr int TooLarge = 99999;

bool isBlank(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(':');
}

// The code point at index i of text and the number of UTF-16 units it takes.
std::pair<char32_t, qsizetype> codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text.at(i + 1)), 2};
    return {c.unicode(), 1};
}

} // namespace

std::optional<QList<DateTextToken>> DateTextTokenizer::tokenize(QStringView text)
{
    QList<DateTextToken> tokens;
    QString gap;
    qsizetype i = 0;
    // Digits and letters may lie outside the basic plane (Chakma or Adlam digits).
    auto isDigitAt = [&](qsizetype at) { return at < text.size() && QChar::isDigit(codePointAt(text, at).first); };
    auto isWordAt = [&](qsizetype at) { return at < text.size() && QChar::isLetter(codePointAt(text, at).first); };
    // Inside a word, the marks that join its letters too (Tamil vowel signs).
    auto isInWordAt = [&](qsizetype at) {
        return isWordAt(at) || (at < text.size() && QChar::isMark(codePointAt(text, at).first));
    };
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c.category() == QChar::Other_Format) { // direction marks
            ++i;
        } else if (isBlank(c)) {
            if (!gap.endsWith(QLatin1Char(' ')))
                gap += QLatin1Char(' ');
            ++i;
        } else if (isSeparator(c)) {
            gap += c;
            ++i;
        } else if (isDigitAt(i) || isWordAt(i)) {
            DateTextToken token;
            const qsizetype start = i;
            if (isDigitAt(i)) {
                for (; isDigitAt(i); i += codePointAt(text, i).second)
                    token.value = qMin(TooLarge, token.value * 10 + QChar::digitValue(codePointAt(text, i).first));
            } else {
                token.kind = DateTextToken::Word;
                // Letters, and dots inside a word ("p.m").
                while (isInWordAt(i) || (i < text.size() && text.at(i) == QLatin1Char('.') && isWordAt(i + 1)))
                    i += text.at(i) == QLatin1Char('.') ? 1 : codePointAt(text, i).second;
            }
            token.text = text.mid(start, i - start).toString();
            if (token.kind == DateTextToken::Word && i < text.size() && text.at(i) == QLatin1Char('.'))
                ++i; // the dot of an abbreviation: "Jan.", "Sa.", "p.m."
            token.gap = gap;
            gap.clear();
            tokens.append(token);
        } else {
            return std::nullopt;
        }
    }
    // After the last field only blanks may follow, or the dot that ends some
    // locales' dates ("2026. 03. 07.").
    gap.remove(QLatin1Char(' '));
    if (!gap.isEmpty() && gap != QLatin1String("."))
        return std::nullopt;
    return tokens;
}

} // namespace OlvarControls
