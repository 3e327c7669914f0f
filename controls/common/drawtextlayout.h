// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QFontMetrics>
#include <QString>
#include <QVector>

namespace OlvarControls {

/*!
    The line layout of DrawTextA: mnemonic prefixes, line breaks, word breaking
    and tab stops, measured with one font. Positions are relative to the text's
    own origin; GdiSurface places and draws the lines.

    - Unless DT_NOPREFIX, "&x" shows x underlined and "&&" shows one "&".
    - CR LF, LF and CR break lines unless DT_SINGLELINE; a break at the very
      end adds no empty line, and an empty text has no lines (one empty line
      with DT_SINGLELINE).
    - With DT_WORDBREAK (and not DT_SINGLELINE) a line ends before the word
      that would cross the wrap width; the blanks at the break are dropped. A
      word wider than the wrap width on its own is broken between characters.
    - With DT_EXPANDTABS a tab moves to the next multiple of eight average
      character widths.
*/
class DrawTextLayout
{
public:
    /*! One laid-out line: a range of text() and its width in pixels. */
    struct Line
    {
        int start = 0;
        int length = 0;
        int width = 0;
    };

    /*! A run of a line without tabs, at \a x pixels from the line's start. */
    struct Run
    {
        int x = 0;
        int start = 0;
        int length = 0;
    };

    /*! Lays out \a text in \a format with \a metrics, wrapping at \a wrapWidth pixels. */
    DrawTextLayout(const QString &text, quint32 format, const QFontMetrics &metrics, int wrapWidth);

    /*! The text to draw: the input without prefixes (and without line breaks on a single line). */
    const QString &text() const { return m_text; }
    /*! The lines from top to bottom. */
    const QVector<Line> &lines() const { return m_lines; }
    /*! Positions in text() of the characters shown underlined. */
    const QVector<int> &underlined() const { return m_underlined; }

    /*! The height of one line. */
    int lineHeight() const { return m_lineHeight; }
    /*! The height of all lines. */
    qint64 height() const { return qint64(m_lineHeight) * m_lines.size(); }
    /*! The width of the widest line. */
    int width() const;

    /*! The tab-free runs of \a line and where they start. */
    QVector<Run> runs(const Line &line) const;
    /*! The x offset of the character at \a position of \a line from the line's start. */
    int offsetOf(const Line &line, int position) const;

private:
    void stripPrefixes(const QString &text, quint32 format);
    void breakParagraph(int start, int end, bool wordBreak, int wrapWidth);
    int measure(int start, int end) const;
    int fitCharacters(int start, int end, int wrapWidth) const;

    QFontMetrics m_metrics;
    bool m_expandTabs = false;
    int m_tabWidth = 0;
    int m_lineHeight = 0;
    QString m_text;
    QVector<Line> m_lines;
    QVector<int> m_underlined;
};

} // namespace OlvarControls
