#include "datetexttokenizer.h"

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

} // namespace

std::optional<QList<DateTextToken>> DateTextTokenizer::tokenize(QStringView text)
{
    QList<DateTextToken> tokens;
    QString gap;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (isBlank(c)) {
            if (!gap.endsWith(QLatin1Char(' ')))
                gap += QLatin1Char(' ');
            ++i;
        } else if (isSeparator(c)) {
            gap += c;
            ++i;
        } else if (c.isDigit() || c.isLetter()) {
            DateTextToken token;
            token.kind = c.isDigit() ? DateTextToken::Number : DateTextToken::Word;
            const qsizetype start = i;
            while (i < text.size() && (token.kind == DateTextToken::Number ? text.at(i).isDigit() : text.at(i).isLetter())) {
                if (token.kind == DateTextToken::Number)
                    token.value = token.value >= TooLarge ? TooLarge : qMin(TooLarge, token.value * 10 + text.at(i).digitValue());
                ++i;
            }
            token.text = text.mid(start, i - start).toString();
            if (token.kind == DateTextToken::Word && i < text.size() && text.at(i) == QLatin1Char('.'))
                ++i; // the dot of an abbreviation: "Jan.", "Sa."
            token.gap = gap;
            gap.clear();
            tokens.append(token);
        } else {
            return std::nullopt;
        }
    }
    if (!gap.isEmpty() && !gap.trimmed().isEmpty())
        return std::nullopt; // a separator after the last field: "7/3/2026/"
    return tokens;
}

} // namespace OlvarControls
