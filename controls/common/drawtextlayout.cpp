// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "drawtextlayout.h"

#include "gdiobjects.h"

#include <algorithm>

namespace OlvarControls {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

DrawTextLayout::DrawTextLayout(const QString &text, quint32 format, const QFontMetrics &metrics, int wrapWidth)
    : m_metrics(metrics)
    , m_expandTabs(format & Gdi::DT_EXPANDTABS)
    , m_tabWidth(std::max(1, 8 * metrics.averageCharWidth()))
    , m_lineHeight(metrics.height() + ((format & Gdi::DT_EXTERNALLEADING) ? metrics.leading() : 0))
{
    stripPrefixes(text, format);

    const bool singleLine = format & Gdi::DT_SINGLELINE;
    if (singleLine) {
        m_lines.append({0, int(m_text.size()), measure(0, int(m_text.size()))});
        return;
    }
    const bool wordBreak = format & Gdi::DT_WORDBREAK;
    const int length = int(m_text.size());
    int start = 0;
    while (start < length) {
        int end = start;
        while (end < length && !isLineBreak(m_text.at(end)))
            ++end;
        breakParagraph(start, end, wordBreak, wrapWidth);
        if (end < length) {
            const bool crlf =
                m_text.at(end) == QLatin1Char('\r') && end + 1 < length && m_text.at(end + 1) == QLatin1Char('\n');
            end += crlf ? 2 : 1;
        }
        start = end;
    }
}

void DrawTextLayout::stripPrefixes(const QString &text, quint32 format)
{
    const bool prefixes = !(format & Gdi::DT_NOPREFIX);
    const bool singleLine = format & Gdi::DT_SINGLELINE;
    m_text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (singleLine && isLineBreak(c))
            continue;
        if (prefixes && c == QLatin1Char('&')) {
            if (++i == text.size())
                break;
            const QChar next = text.at(i);
            if (next != QLatin1Char('&') && !isLineBreak(next))
                m_underlined.append(int(m_text.size()));
            if (!(singleLine && isLineBreak(next)))
                m_text.append(next);
            continue;
        }
        m_text.append(c);
    }
}

void DrawTextLayout::breakParagraph(int start, int end, bool wordBreak, int wrapWidth)
{
    if (!wordBreak || start == end) {
        m_lines.append({start, end - start, measure(start, end)});
        return;
    }
    int lineStart = start;
    while (lineStart < end) {
        int lineEnd = lineStart;
        int scan = lineStart;
        while (scan < end) {
            int wordStart = scan;
            while (wordStart < end && isBlank(m_text.at(wordStart)))
                ++wordStart;
            int wordEnd = wordStart;
            while (wordEnd < end && !isBlank(m_text.at(wordEnd)))
                ++wordEnd;
            if (wordEnd == wordStart)
                break;
            if (measure(lineStart, wordEnd) > wrapWidth) {
                if (lineEnd == lineStart)
                    lineEnd = fitCharacters(lineStart, wordEnd, wrapWidth);
                break;
            }
            lineEnd = scan = wordEnd;
        }
        if (lineEnd == lineStart)
            lineEnd = end; // nothing but blanks
        m_lines.append({lineStart, lineEnd - lineStart, measure(lineStart, lineEnd)});
        lineStart = lineEnd;
        while (lineStart < end && isBlank(m_text.at(lineStart)))
            ++lineStart;
    }
}

int DrawTextLayout::fitCharacters(int start, int end, int wrapWidth) const
{
    int fit = start + 1;
    if (fit < end && m_text.at(fit).isLowSurrogate())
        ++fit;
    for (int next = fit + 1; next <= end; ++next) {
        if (next < end && m_text.at(next).isLowSurrogate())
            continue;
        if (measure(start, next) > wrapWidth)
            break;
        fit = next;
    }
    return fit;
}

int DrawTextLayout::measure(int start, int end) const
{
    if (!m_expandTabs)
        return m_metrics.horizontalAdvance(m_text.mid(start, end - start));
    int x = 0;
    int runStart = start;
    for (int i = start; i <= end; ++i) {
        if (i < end && m_text.at(i) != QLatin1Char('\t'))
            continue;
        x += m_metrics.horizontalAdvance(m_text.mid(runStart, i - runStart));
        if (i < end)
            x = (x / m_tabWidth + 1) * m_tabWidth;
        runStart = i + 1;
    }
    return x;
}

int DrawTextLayout::width() const
{
    int widest = 0;
    for (const Line &line : m_lines)
        widest = std::max(widest, line.width);
    return widest;
}

QVector<DrawTextLayout::Run> DrawTextLayout::runs(const Line &line) const
{
    const int end = line.start + line.length;
    if (!m_expandTabs)
        return {{0, line.start, line.length}};
    QVector<Run> result;
    int runStart = line.start;
    for (int i = line.start; i <= end; ++i) {
        if (i < end && m_text.at(i) != QLatin1Char('\t'))
            continue;
        if (i > runStart)
            result.append({measure(line.start, runStart), runStart, i - runStart});
        runStart = i + 1;
    }
    return result;
}

int DrawTextLayout::offsetOf(const Line &line, int position) const
{
    return measure(line.start, position);
}

} // namespace OlvarControls
