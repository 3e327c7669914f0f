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
    auto isWordAt = [&](qsizetype at) { return at < text.size() && text.at(at).isLetter(); };
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
        } else if (c.isDigit() || c.isLetter()) {
            DateTextToken token;
            const qsizetype start = i;
            if (c.isDigit()) {
                for (; i < text.size() && text.at(i).isDigit(); ++i)
                    token.value = qMin(TooLarge, token.value * 10 + text.at(i).digitValue());
            } else {
                token.kind = DateTextToken::Word;
                // Letters, and dots inside a word ("p.m").
                while (isWordAt(i) || (i < text.size() && text.at(i) == QLatin1Char('.') && isWordAt(i + 1)))
                    ++i;
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
