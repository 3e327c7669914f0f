// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "infotiplayout.h"

#include <algorithm>

namespace OlvarControls {

InfoTipLayout::InfoTipLayout(const Measures &measures)
    : m_measures(measures)
{
    const int p = std::max(0, measures.padding);
    m_measures.padding = p;
    int width = std::max(0, measures.textSize.width());
    int height = std::max(0, measures.textSize.height()) + p;
    if (measures.showTitle) {
        width = std::max(width, measures.titleWidth);
        height += std::max(0, measures.titleHeight) + p;
    }
    m_body = QSize(width + 2 * p, height);
}

QSize InfoTipLayout::windowSize(bool dropShadow) const
{
    return dropShadow ? m_body + QSize(ShadowSize, ShadowSize) : m_body;
}

QPoint InfoTipLayout::position(const QPoint &pointer, const QRect &screen) const
{
    const int p = m_measures.padding;
    const qint64 screenRight = qint64(screen.x()) + screen.width();
    const qint64 screenBottom = qint64(screen.y()) + screen.height();
    qint64 x = pointer.x();
    qint64 y = qint64(pointer.y()) + PointerGap;
    if (x + m_body.width() > screenRight)
        x = screenRight - m_body.width() - p;
    if (y + m_body.height() > screenBottom)
        y = qint64(pointer.y()) - p - m_body.height();
    // A tip too large for the room left keeps its corner on the screen rather than off it.
    x = std::max<qint64>(x, screen.x());
    y = std::max<qint64>(y, screen.y());
    return QPoint(int(x), int(y));
}

GdiRect InfoTipLayout::contentRect() const
{
    const int p = m_measures.padding;
    const int half = halfOf(p);
    return GdiRect{p, half, m_body.width() - p, m_body.height() - half};
}

int InfoTipLayout::separatorY() const
{
    return contentRect().top + m_measures.titleHeight + halfOf(m_measures.padding);
}

GdiRect InfoTipLayout::textRect() const
{
    GdiRect rect = contentRect();
    if (m_measures.showTitle)
        rect.top = separatorY() + halfOf(m_measures.padding);
    return rect;
}

int InfoTipLayout::halfOf(int value)
{
    const int half = value / 2;
    if (value % 2 == 0)
        return half;
    // An odd value lies halfway between two integers: take the even one.
    const int away = value > 0 ? half + 1 : half - 1;
    return half % 2 == 0 ? half : away;
}

QString InfoTipLayout::expandTabs(const QString &text, int tabSize)
{
    QString result = text;
    return result.replace(QLatin1Char('\t'), QString(std::max(0, tabSize), QLatin1Char(' ')));
}

QString InfoTipLayout::removeTabs(const QString &text)
{
    QString result = text;
    return result.remove(QLatin1Char('\t'));
}

} // namespace OlvarControls
