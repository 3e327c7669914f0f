// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "infotippainter.h"

#include <QList>

namespace OlvarControls {

namespace {

constexpr int Shadow = InfoTipLayout::ShadowSize;
/* The rows (or columns) at each end of a margin over which the shadow fades in. */
constexpr int FadeLength = 8;

GdiSurface &withFont(GdiSurface &surface, const QFont &font)
{
    surface.setFont(font);
    return surface;
}

} // namespace

InfoTipPainter::InfoTipPainter(GdiSurface &surface, const InfoTipStyle &style)
    : m_surface(surface)
    , m_style(style)
{
}

InfoTipLayout::Measures InfoTipPainter::measure(const QString &text, const QString &title) const
{
    InfoTipLayout::Measures measures;
    measures.padding = m_style.padding;
    measures.showTitle = m_style.showTitle;
    if (m_style.showTitle) {
        GdiRect titleBlock;
        withFont(m_surface, m_style.font(true)).DrawTextA(title, titleBlock, Gdi::DT_CALCRECT | Gdi::DT_EXPANDTABS);
        measures.titleWidth = titleBlock.right;
    }
    GdiRect block;
    withFont(m_surface, m_style.font(false)).DrawTextA(text, block, Gdi::DT_CALCRECT | Gdi::DT_EXPANDTABS);
    measures.textSize = QSize(block.right, block.bottom);
    measures.titleHeight = m_surface.GetTextExtentPoint32A(title).height();
    return measures;
}

void InfoTipPainter::paint(const InfoTipLayout &layout, const QString &text, const QString &title) const
{
    const QSize body = layout.bodySize();
    const GdiRect bodyRect{0, 0, body.width(), body.height()};
    m_surface.fillSolidRect(bodyRect, m_style.backColor);
    if (m_style.borderStyle == InfoTipStyle::RaisedEdge) {
        drawRaisedEdge(m_surface, bodyRect);
    } else if (m_style.borderStyle == InfoTipStyle::FlatLine) {
        const int right = body.width() - 1;
        const int bottom = body.height() - 1;
        drawLine(m_style.borderColor, QPoint(0, 0),
                 {QPoint(right, 0), QPoint(right, bottom), QPoint(0, bottom), QPoint(0, 0)});
    }

    GdiRect rect = layout.contentRect();
    quint32 alignment = Gdi::DT_LEFT;
    m_surface.SetBkMode(Gdi::TRANSPARENT);
    m_surface.SetTextColor(m_style.titleColor);
    if (m_style.showTitle) {
        alignment = alignmentFlag(m_style.titleAlignment, alignment);
        withFont(m_surface, m_style.font(true)).DrawTextA(title, rect, alignment | Gdi::DT_EXPANDTABS);
    }
    m_surface.SetBkMode(Gdi::TRANSPARENT);
    m_surface.SetTextColor(m_style.foreColor);
    m_surface.setFont(m_style.font(false));
    if (m_style.showTitle) {
        const int y = layout.separatorY();
        drawLine(m_style.borderColor, QPoint(rect.left, y), {QPoint(rect.right, y)});
    }
    rect = layout.textRect();
    alignment = alignmentFlag(m_style.textAlignment, alignment);
    m_surface.DrawTextA(text, rect, alignment | Gdi::DT_EXPANDTABS);
}

quint32 InfoTipPainter::alignmentFlag(qint32 alignment, quint32 previous) const
{
    switch (alignment) {
    case InfoTipStyle::AlignLeft:
        return Gdi::DT_LEFT;
    case InfoTipStyle::AlignCenter:
        return Gdi::DT_CENTER;
    case InfoTipStyle::AlignRight:
        return Gdi::DT_RIGHT;
    default:
        // An unknown alignment keeps the one the title was drawn with.
        return previous;
    }
}

void InfoTipPainter::drawLine(OleColor color, const QPoint &from, const QList<QPoint> &to) const
{
    const GdiPen pen = m_surface.CreatePen(Gdi::PS_SOLID, 1, color);
    const GdiPen previous = m_surface.SelectObject(pen);
    m_surface.MoveToEx(from.x(), from.y());
    for (const QPoint &point : to)
        m_surface.LineTo(point.x(), point.y());
    m_surface.SelectObject(previous);
    m_surface.DeleteObject(pen);
}

void InfoTipPainter::drawRaisedEdge(GdiSurface &surface, const GdiRect &rect)
{
    if (rect.isEmpty())
        return;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    // Light along the top and the left, the dark lines last so that they own the far corners.
    surface.fillSolidRect(GdiRect{rect.left, rect.top, right, rect.top + 1}, OleColor::system(OleColor::Light3D));
    surface.fillSolidRect(GdiRect{rect.left, rect.top, rect.left + 1, bottom}, OleColor::system(OleColor::Light3D));
    surface.fillSolidRect(GdiRect{right, rect.top, rect.right, rect.bottom}, OleColor::system(OleColor::DarkShadow3D));
    surface.fillSolidRect(GdiRect{rect.left, bottom, rect.right, rect.bottom},
                          OleColor::system(OleColor::DarkShadow3D));
}

OleColor InfoTipPainter::darken(OleColor color, int factor)
{
    const auto channel = [factor](int c) { return c - c * factor / 255; };
    return OleColor::fromRgb(channel(color.red()), channel(color.green()), channel(color.blue()));
}

void InfoTipPainter::paintShadow(const QImage &under) const
{
    const int w = m_surface.size().width();
    const int h = m_surface.size().height();
    const auto shade = [&](int x, int y, int factor) {
        if (!under.valid(x, y))
            return;
        const QRgb pixel = under.pixel(x, y);
        m_surface.SetPixelV(x, y, darken(OleColor::fromRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), factor));
    };
    // Fade-in over the first rows (columns): none for four, then 3 x i more each.
    const auto fade = [](int i, int along) { return along < Shadow ? 0 : 3 * i * (along - (Shadow - 1)); };
    for (int i = 1; i <= Shadow; ++i) {
        const int x = w - i;
        for (int j = 0; j < FadeLength; ++j)
            shade(x, j, fade(i, j));
        for (int j = FadeLength; j <= h - 5; ++j)
            shade(x, j, 15 * i);
        for (int j = h - Shadow; j < h; ++j)
            shade(x, j, 3 * i * (h - j));
    }
    for (int i = 1; i <= Shadow; ++i) {
        const int y = h - i;
        for (int k = 0; k < FadeLength; ++k)
            shade(k, y, fade(i, k));
        for (int k = FadeLength; k <= w - 5; ++k)
            shade(k, y, 15 * i);
    }
}

} // namespace OlvarControls
