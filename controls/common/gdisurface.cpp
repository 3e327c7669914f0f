// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "gdisurface.h"

#include "drawtextlayout.h"
#include "oleerror.h"

#include <QFontMetrics>
#include <QHash>
#include <QLineF>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace OlvarControls {

namespace {

constexpr int DotsPerMeter96Dpi = 3780;
constexpr qint64 MaxImageBytes = qint64(1) << 30;
constexpr qreal MaxRatio = 16.0;

/*! The objects alive on this thread, whichever surface created them. */
QSet<quint32> &liveObjects()
{
    thread_local QSet<quint32> objects;
    return objects;
}

/*! The on and off lengths of a styled one-pixel pen, starting with "on". */
struct DashPattern
{
    int count = 0;
    int lengths[6] = {};
    int period = 0;

    bool isOn(qint64 step) const
    {
        if (count == 0)
            return true;
        qint64 at = step % period;
        for (int i = 0; i < count; ++i) {
            if (at < lengths[i])
                return i % 2 == 0;
            at -= lengths[i];
        }
        return true;
    }
};

DashPattern dashPattern(qint32 style)
{
    switch (style) {
    case Gdi::PS_DASH:
        return {2, {18, 6}, 24};
    case Gdi::PS_DOT:
        return {2, {3, 3}, 6};
    case Gdi::PS_DASHDOT:
        return {4, {9, 6, 3, 6}, 24};
    case Gdi::PS_DASHDOTDOT:
        return {6, {9, 3, 3, 3, 3, 3}, 24};
    default:
        return {};
    }
}

/*! The minor-axis offset at \a step of a line \a major by \a minor pixels, halves towards the start. */
qint64 minorOffset(qint64 step, qint64 major, qint64 minor)
{
    const __int128 numerator = __int128(2) * step * minor + major - 1;
    return qint64(numerator / (__int128(2) * major));
}

/*! Clips the segment \a a - \a b to \a bounds (Liang-Barsky); false when nothing is left. */
bool clipSegment(QPointF &a, QPointF &b, const QRectF &bounds)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - bounds.left(), bounds.right() - a.x(), a.y() - bounds.top(), bounds.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

int toInt(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw OleError(ErrorNumber::Overflow);
    return int(value);
}

int saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

/*! The device text is measured on: the surface's resolution, whatever its size. */
const QImage &metricsDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(DotsPerMeter96Dpi);
        image.setDotsPerMeterY(DotsPerMeter96Dpi);
        return image;
    }();
    return device;
}

} // namespace

class GdiSurfacePrivate
{
public:
    QRgb rgb(OleColor color) const { return color.toQColor(palette).rgb(); }
    GdiPen ownerPen() const { return GdiPen(GdiObject::OwnerPenHandle, Gdi::PS_SOLID, 1, foreColor); }
    QFont drawingFont() const;
    QFontMetrics metrics() const { return QFontMetrics(drawingFont(), &metricsDevice()); }
    QRect bounds() const { return QRect(QPoint(0, 0), size); }
    /*! The device coordinate where the logical coordinate \a v (0 to the size) begins. */
    int device(qint64 v) const { return ratio == 1.0 ? int(v) : int(std::floor(double(v) * ratio)); }
    /*! The device pixels that cover the logical pixels of \a area. */
    QRect deviceRect(const QRect &area) const;
    /*! Makes the image \a logicalSize at \a deviceRatio, keeping the drawing at the top-left. */
    void reallocate(QSize logicalSize, qreal deviceRatio);
    /*! \a rect clipped to the surface, as an image rectangle (possibly empty). */
    QRect clipped(qint64 left, qint64 top, qint64 right, qint64 bottom) const;

    /*! The layout of \a text in \a format at \a wrapWidth with the current font, kept for the next call. */
    const DrawTextLayout &layoutOf(const QString &text, quint32 format, int wrapWidth);

    /*! Fills the logical pixels of \a area (on the surface). */
    void fill(const QRect &area, QRgb color);
    void fillDevice(const QRect &deviceArea, QRgb color);
    void mirrorLine(QPoint from, QPoint to, QRgb color, int width);
    void mirrorText(const QString &text, QPoint baseline, QRgb color, const QRect &clip);
    void drawThinLine(QPoint from, QPoint to, QRgb color, const DashPattern &pattern);
    void drawWideLine(QPoint from, QPoint to, QRgb color, int width);
    void drawTextLine(const DrawTextLayout &layout, const DrawTextLayout::Line &line, qint64 x, qint64 y,
                      const QRect &clip);

    QImage image; // device pixels; everything else is in logical pixels
    QSize size;
    qreal ratio = 1.0;
    OleColor backColor = OleColor::fromOle(0xFFFFFF);
    OleColor foreColor = OleColor::fromOle(0x000000);
    OleColor bkColor = OleColor::fromOle(0xFFFFFF);
    OleColor textColor = OleColor::fromOle(0x000000);
    int bkMode = Gdi::TRANSPARENT;
    QFont font;
    QPalette palette;
    GdiPen pen;
    GdiBrush brush = GdiBrush(GdiObject::WhiteBrushHandle, OleColor::fromOle(0xFFFFFF));
    QSet<quint32> created;
    QPoint position;
    QHash<QString, DrawTextLayout> layouts; // controls repaint the same texts over and over
    QPainter *mirror = nullptr;
};

void GdiSurfacePrivate::mirrorLine(QPoint from, QPoint to, QRgb color, int width)
{
    // Pixel centres, so that a line along a row covers that row; the end point is left out as on the image.
    const QLineF line(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
    if (line.length() <= 0.0)
        return;
    const QLineF shortened(line.p1(), line.pointAt(std::max(0.0, 1.0 - 1.0 / line.length())));
    mirror->save();
    mirror->setClipRect(image.rect());
    mirror->setPen(QPen(QColor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    mirror->drawLine(shortened);
    mirror->restore();
}

void GdiSurfacePrivate::mirrorText(const QString &text, QPoint baseline, QRgb color, const QRect &clip)
{
    QFont f = font;
    if (f.pointSizeF() > 0 && mirror->device())
        f.setPointSizeF(f.pointSizeF() * 96.0 / mirror->device()->logicalDpiY());
    mirror->save();
    mirror->setClipRect(clip);
    mirror->setFont(f);
    mirror->setPen(QColor(color));
    mirror->drawText(baseline, text);
    mirror->restore();
}

const DrawTextLayout &GdiSurfacePrivate::layoutOf(const QString &text, quint32 format, int wrapWidth)
{
    constexpr qsizetype MaximumLayouts = 256;
    const QFont f = drawingFont();
    const QString key =
        f.key() + QChar(0) + QString::number(format) + QChar(0) + QString::number(wrapWidth) + QChar(0) + text;
    auto found = layouts.constFind(key);
    if (found != layouts.constEnd())
        return *found;
    if (layouts.size() >= MaximumLayouts)
        layouts.clear();
    return *layouts.insert(key, DrawTextLayout(text, format, QFontMetrics(f, &metricsDevice()), wrapWidth));
}

QFont GdiSurfacePrivate::drawingFont() const
{
    QFont f = font;
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::NoAntialias));
    return f;
}

QRect GdiSurfacePrivate::clipped(qint64 left, qint64 top, qint64 right, qint64 bottom) const
{
    const qint64 l = std::max<qint64>(left, 0);
    const qint64 t = std::max<qint64>(top, 0);
    const qint64 r = std::min<qint64>(right, size.width());
    const qint64 b = std::min<qint64>(bottom, size.height());
    if (r <= l || b <= t)
        return QRect();
    return QRect(QPoint(int(l), int(t)), QPoint(int(r) - 1, int(b) - 1));
}

QRect GdiSurfacePrivate::deviceRect(const QRect &area) const
{
    return QRect(QPoint(device(area.left()), device(area.top())),
                 QPoint(device(qint64(area.right()) + 1) - 1, device(qint64(area.bottom()) + 1) - 1))
        .intersected(image.rect());
}

void GdiSurfacePrivate::fill(const QRect &area, QRgb color)
{
    fillDevice(ratio == 1.0 ? area : deviceRect(area), color);
}

void GdiSurfacePrivate::fillDevice(const QRect &area, QRgb color)
{
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + stride * y);
        std::fill(line + area.left(), line + area.right() + 1, color);
    }
    if (mirror && !area.isEmpty())
        mirror->fillRect(area, QColor(color));
}

void GdiSurfacePrivate::drawThinLine(QPoint from, QPoint to, QRgb color, const DashPattern &pattern)
{
    const qint64 dx = qint64(to.x()) - from.x();
    const qint64 dy = qint64(to.y()) - from.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const qint64 major = xMajor ? std::abs(dx) : std::abs(dy);
    const qint64 minor = xMajor ? std::abs(dy) : std::abs(dx);
    if (major == 0)
        return;
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const qint64 major0 = xMajor ? from.x() : from.y();
    const qint64 minor0 = xMajor ? from.y() : from.x();
    const qint64 majorExtent = xMajor ? size.width() : size.height();
    const qint64 minorExtent = xMajor ? size.height() : size.width();

    // Only the steps whose major coordinate lies on the surface: at most one per row or column.
    qint64 first = 0;
    qint64 last = major - 1;
    if (majorStep > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorExtent - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorExtent - 1));
        last = std::min(last, major0);
    }
    if (minor == 0 && pattern.count == 0 && ratio != 1.0) {
        // A solid horizontal or vertical line is one block of device pixels.
        if (minor0 < 0 || minor0 >= minorExtent || first > last)
            return;
        const qint64 a = major0 + majorStep * first;
        const qint64 b = major0 + majorStep * last;
        const int low = int(std::min(a, b));
        const int length = int(std::abs(b - a)) + 1;
        fill(xMajor ? QRect(low, int(minor0), length, 1) : QRect(int(minor0), low, 1, length), color);
        return;
    }
    const QRgb gapColor = rgb(bkColor);
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (qint64 step = first; step <= last; ++step) {
        // Horizontal and vertical lines keep their minor coordinate; others step along it.
        const qint64 m = minor == 0 ? minor0 : minor0 + minorStep * minorOffset(step, major, minor);
        if (m < 0 || m >= minorExtent)
            continue;
        const bool on = pattern.isOn(step);
        if (!on && bkMode != Gdi::OPAQUE)
            continue;
        const qint64 M = major0 + majorStep * step;
        const int x = int(xMajor ? M : m);
        const int y = int(xMajor ? m : M);
        if (ratio == 1.0)
            reinterpret_cast<QRgb *>(bits + stride * y)[x] = on ? color : gapColor;
        else
            fillDevice(deviceRect(QRect(x, y, 1, 1)), on ? color : gapColor);
    }
}

void GdiSurfacePrivate::drawWideLine(QPoint from, QPoint to, QRgb color, int width)
{
    QPointF a = from;
    QPointF b = to;
    const QRectF area = QRectF(bounds()).adjusted(-width, -width, width, width);
    if (!clipSegment(a, b, area))
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QLineF(a, b));
    if (mirror)
        mirrorLine(from, to, color, width);
}

void GdiSurfacePrivate::drawTextLine(const DrawTextLayout &layout, const DrawTextLayout::Line &line, qint64 x, qint64 y,
                                     const QRect &clip)
{
    const QRect cell = clipped(x, y, x + line.width, y + layout.lineHeight()).intersected(clip);
    if (cell.isEmpty())
        return;
    if (bkMode == Gdi::OPAQUE)
        fill(cell, rgb(bkColor));
    if (line.length == 0)
        return;

    // The cell meets the surface, so its corner is within one line's size of it.
    const int left = int(x);
    const int top = int(y);
    const QFontMetrics fm = metrics();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(drawingFont());
    painter.setPen(QColor(rgb(textColor)));
    painter.setClipRect(clip);
    for (const DrawTextLayout::Run &run : layout.runs(line)) {
        const QPoint baseline(left + run.x, top + fm.ascent());
        painter.drawText(baseline, layout.text().mid(run.start, run.length));
        if (mirror)
            mirrorText(layout.text().mid(run.start, run.length), baseline, rgb(textColor), clip);
    }

    const int end = line.start + line.length;
    for (int position : layout.underlined()) {
        if (position < line.start || position >= end)
            continue;
        const int from = layout.offsetOf(line, position);
        const int to = layout.offsetOf(line, position + 1);
        const int underlineTop = top + fm.ascent() + fm.underlinePos();
        fill(QRect(left + from, underlineTop, to - from, std::max(1, fm.lineWidth())).intersected(clip),
             rgb(textColor));
    }
}

GdiSurface::GdiSurface(QSize size)
    : d(std::make_unique<GdiSurfacePrivate>())
{
    d->pen = d->ownerPen();
    resize(size);
}

GdiSurface::~GdiSurface()
{
    for (quint32 handle : std::as_const(d->created))
        liveObjects().remove(handle);
}

QSize GdiSurface::size() const
{
    return d->size;
}

void GdiSurface::resize(QSize size)
{
    if (size.width() < 0 || size.height() < 0)
        throw OleError(ErrorNumber::InvalidProcedureCall,
                       QStringLiteral("A drawing surface cannot have a negative size"));
    if (size == d->size && !d->image.isNull())
        return;
    d->reallocate(size, d->ratio);
}

qreal GdiSurface::devicePixelRatio() const
{
    return d->ratio;
}

void GdiSurface::setDevicePixelRatio(qreal ratio)
{
    if (!std::isfinite(ratio) || ratio < 1.0 || ratio > MaxRatio)
        throw OleError(ErrorNumber::InvalidProcedureCall,
                       QStringLiteral("A drawing surface cannot have the device pixel ratio %1").arg(ratio));
    if (ratio != d->ratio)
        d->reallocate(d->size, ratio);
}

void GdiSurfacePrivate::reallocate(QSize logicalSize, qreal deviceRatio)
{
    const auto deviceExtent = [deviceRatio](int v) {
        return deviceRatio == 1.0 ? qint64(v) : qint64(std::floor(double(v) * deviceRatio));
    };
    const qint64 width = deviceExtent(logicalSize.width());
    const qint64 height = deviceExtent(logicalSize.height());
    if (width * height * 4 > MaxImageBytes)
        throw OleError(ErrorNumber::OutOfMemory);
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(int(width), int(height), QImage::Format_RGB32);
        if (resized.isNull())
            throw OleError(ErrorNumber::OutOfMemory);
        resized.setDotsPerMeterX(DotsPerMeter96Dpi);
        resized.setDotsPerMeterY(DotsPerMeter96Dpi);
        resized.setDevicePixelRatio(deviceRatio);
        resized.fill(rgb(backColor));
        if (!image.isNull()) {
            QPainter painter(&resized);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, image);
        }
    }
    image = resized;
    size = logicalSize;
    ratio = deviceRatio;
}

const QImage &GdiSurface::image() const
{
    return d->image;
}

void GdiSurface::clear()
{
    d->fill(d->bounds(), d->rgb(d->backColor));
}

OleColor GdiSurface::backColor() const
{
    return d->backColor;
}

void GdiSurface::setBackColor(OleColor color)
{
    d->backColor = color;
}

OleColor GdiSurface::foreColor() const
{
    return d->foreColor;
}

void GdiSurface::setForeColor(OleColor color)
{
    d->foreColor = color;
    d->textColor = color;
    if (d->pen.isOwnerPen())
        d->pen = d->ownerPen();
}

QFont GdiSurface::font() const
{
    return d->font;
}

void GdiSurface::setFont(const QFont &font)
{
    d->font = font;
}

QPalette GdiSurface::palette() const
{
    return d->palette;
}

void GdiSurface::setPalette(const QPalette &palette)
{
    d->palette = palette;
}

GdiPen GdiSurface::CreatePen(qint32 style, int width, OleColor color)
{
    if (style < Gdi::PS_SOLID || style > Gdi::PS_INSIDEFRAME)
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("Unknown pen style %1").arg(style));
    if (width < 0)
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("A pen cannot have a negative width"));
    const GdiPen pen(GdiObject::nextHandle(), style, width, color);
    liveObjects().insert(pen.handle());
    d->created.insert(pen.handle());
    return pen;
}

GdiBrush GdiSurface::CreateSolidBrush(OleColor color)
{
    const GdiBrush brush(GdiObject::nextHandle(), color);
    liveObjects().insert(brush.handle());
    d->created.insert(brush.handle());
    return brush;
}

namespace {

bool isUsable(const GdiObject &object)
{
    return object.isStock() || liveObjects().contains(object.handle());
}

} // namespace

GdiPen GdiSurface::SelectObject(const GdiPen &pen)
{
    if (!isUsable(pen))
        return GdiPen();
    const GdiPen previous = d->pen;
    d->pen = pen.isOwnerPen() ? d->ownerPen() : pen;
    return previous;
}

GdiBrush GdiSurface::SelectObject(const GdiBrush &brush)
{
    if (!isUsable(brush))
        return GdiBrush();
    return std::exchange(d->brush, brush);
}

bool GdiSurface::DeleteObject(const GdiObject &object)
{
    if (object.isStock())
        return true;
    if (!liveObjects().contains(object.handle()))
        return false;
    if (object.handle() == d->pen.handle() || object.handle() == d->brush.handle())
        return false;
    liveObjects().remove(object.handle());
    d->created.remove(object.handle());
    return true;
}

GdiPen GdiSurface::currentPen() const
{
    return d->pen;
}

int GdiSurface::liveObjectCount() const
{
    int count = 0;
    for (quint32 handle : std::as_const(d->created))
        count += liveObjects().contains(handle) ? 1 : 0;
    return count;
}

bool GdiSurface::FillRect(const GdiRect &rect, const GdiBrush &brush)
{
    if (!isUsable(brush))
        return false;
    d->fill(d->clipped(rect.left, rect.top, rect.right, rect.bottom), d->rgb(brush.color()));
    return true;
}

bool GdiSurface::FillRect(int left, int top, int right, int bottom, const GdiBrush &brush)
{
    return FillRect(GdiRect{left, top, right, bottom}, brush);
}

void GdiSurface::fillSolidRect(const GdiRect &rect, OleColor color)
{
    const GdiBrush brush = CreateSolidBrush(color);
    FillRect(rect, brush);
    DeleteObject(brush);
}

QPoint GdiSurface::MoveToEx(int x, int y)
{
    return std::exchange(d->position, QPoint(x, y));
}

bool GdiSurface::LineTo(int x, int y)
{
    const QPoint from = std::exchange(d->position, QPoint(x, y));
    const GdiPen &pen = d->pen;
    if (pen.style() == Gdi::PS_NULL || d->image.isNull())
        return true;
    const QRgb color = d->rgb(pen.isOwnerPen() ? d->foreColor : pen.color());
    if (pen.width() > 1)
        d->drawWideLine(from, d->position, color, pen.width());
    else
        d->drawThinLine(from, d->position, color, dashPattern(pen.style()));
    if (d->mirror && pen.width() <= 1)
        d->mirrorLine(from, d->position, color, 1);
    return true;
}

QPoint GdiSurface::currentPosition() const
{
    return d->position;
}

int GdiSurface::SetBkMode(int mode)
{
    if (mode != Gdi::TRANSPARENT && mode != Gdi::OPAQUE)
        throw OleError(ErrorNumber::InvalidProcedureCall, QStringLiteral("Unknown background mode %1").arg(mode));
    return std::exchange(d->bkMode, mode);
}

int GdiSurface::GetBkMode() const
{
    return d->bkMode;
}

OleColor GdiSurface::SetBkColor(OleColor color)
{
    return std::exchange(d->bkColor, color);
}

OleColor GdiSurface::GetBkColor() const
{
    return d->bkColor;
}

OleColor GdiSurface::SetTextColor(OleColor color)
{
    return std::exchange(d->textColor, color);
}

OleColor GdiSurface::GetTextColor() const
{
    return d->textColor;
}

bool GdiSurface::TextOutA(int x, int y, const QString &text)
{
    const DrawTextLayout layout(text, Gdi::DT_SINGLELINE | Gdi::DT_NOPREFIX, d->metrics(), 0);
    d->drawTextLine(layout, layout.lines().constFirst(), x, y, d->bounds());
    return true;
}

QSize GdiSurface::GetTextExtentPoint32A(const QString &text) const
{
    const QFontMetrics fm = d->metrics();
    return QSize(fm.horizontalAdvance(text), fm.height());
}

int GdiSurface::DrawTextA(const QString &text, GdiRect &rect, quint32 format)
{
    const DrawTextLayout &layout = d->layoutOf(text, format, saturated(rect.width()));
    qint64 top = rect.top;
    if (format & Gdi::DT_SINGLELINE) {
        if (format & Gdi::DT_VCENTER)
            top = rect.top + (rect.height() - layout.lineHeight()) / 2;
        else if (format & Gdi::DT_BOTTOM)
            top = rect.bottom - layout.lineHeight();
    }
    const qint64 textBottom = top + layout.height();

    if (format & Gdi::DT_CALCRECT) {
        const int right = toInt(qint64(rect.left) + layout.width());
        const int bottom = toInt(qint64(rect.top) + layout.height());
        rect.right = right;
        rect.bottom = bottom;
        return saturated(layout.height());
    }

    const QRect clip =
        (format & Gdi::DT_NOCLIP) ? d->bounds() : d->clipped(rect.left, rect.top, rect.right, rect.bottom);
    if (!clip.isEmpty()) {
        qint64 y = top;
        for (const DrawTextLayout::Line &line : layout.lines()) {
            qint64 x = rect.left;
            if (format & Gdi::DT_CENTER)
                x = (qint64(rect.left) + rect.right - line.width) / 2;
            else if (format & Gdi::DT_RIGHT)
                x = qint64(rect.right) - line.width;
            d->drawTextLine(layout, line, x, y, clip);
            y += layout.lineHeight();
            if (y > clip.bottom())
                break;
        }
    }
    return saturated(textBottom - rect.top);
}

void GdiSurface::setMirror(QPainter *painter)
{
    d->mirror = painter;
}

OleColor GdiSurface::GetPixel(int x, int y) const
{
    if (!d->bounds().contains(x, y))
        return OleColor(0xFFFFFFFFu);
    return OleColor::fromQColor(QColor(d->image.pixel(d->device(x), d->device(y))));
}

bool GdiSurface::SetPixelV(int x, int y, OleColor color)
{
    if (!d->bounds().contains(x, y))
        return false;
    d->fill(QRect(x, y, 1, 1), d->rgb(color));
    return true;
}

} // namespace OlvarControls
