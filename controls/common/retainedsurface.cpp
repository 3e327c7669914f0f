// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "retainedsurface.h"

#include "oleerror.h"
#include "windowupdatelock.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace OlvarControls {

namespace {

/*! The device pixels per pixel of \a owner's screen; at least 1. */
qreal ratioOf(const QWidget *owner)
{
    return std::max<qreal>(1.0, owner->devicePixelRatio());
}

} // namespace

RetainedSurface::RetainedSurface(QWidget *owner)
    : m_owner(owner)
    , m_surface(std::make_unique<GdiSurface>(owner->size()))
{
    m_surface->setFont(owner->font());
    m_surface->setPalette(owner->palette());
    owner->setAttribute(Qt::WA_OpaquePaintEvent);
    owner->installEventFilter(this);
}

RetainedSurface::~RetainedSurface() = default;

GdiSurface &RetainedSurface::surface()
{
    syncSize();
    return *m_surface;
}

void RetainedSurface::syncSize()
{
    // A hidden window hears of its new size only when it is shown; drawing must not wait for that.
    if (!m_owner)
        return;
    const qreal ratio = ratioOf(m_owner);
    if (m_surface->size() == m_owner->size() && m_surface->devicePixelRatio() == ratio)
        return;
    try {
        m_surface->setDevicePixelRatio(ratio);
        m_surface->resize(m_owner->size());
    } catch (const OleError &error) {
        qWarning("RetainedSurface: the drawing surface keeps its size: %s", error.what());
    }
}

void RetainedSurface::refresh()
{
    WindowUpdateLock::update(m_owner);
}

void RetainedSurface::paint(QPaintEvent *event)
{
    if (!m_owner)
        return;
    const bool frozen = !m_frozen.isNull() && WindowUpdateLock::isLocked(m_owner);
    const QImage &image = frozen ? m_frozen : surface().image();
    QPainter painter(m_owner);
    const QRect area = event->rect();
    // The source is in the image's device pixels, the target in the window's logical ones.
    const qreal ratio = image.devicePixelRatio();
    painter.drawImage(area.topLeft(), image,
                      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
    const QColor back = m_surface->backColor().toQColor(m_surface->palette());
    const QRect covered(QPoint(0, 0), image.deviceIndependentSize().toSize());
    for (const QRect &uncovered : QRegion(area).subtracted(covered))
        painter.fillRect(uncovered, back);
}

bool RetainedSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_owner)
        return false;
    if (event->type() == WindowUpdateLock::lockEventType()) {
        const bool locked = static_cast<WindowUpdateLock::LockEvent *>(event)->isLocked();
        m_frozen = locked ? m_surface->image() : QImage();
    } else if (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal) {
        syncSize();
    } else if (event->type() == QEvent::FontChange) {
        m_surface->setFont(m_owner->font());
    } else if (event->type() == QEvent::PaletteChange) {
        m_surface->setPalette(m_owner->palette());
    }
    return false;
}

} // namespace OlvarControls
