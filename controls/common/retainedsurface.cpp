#include "retainedsurface.h"

#include "oleerror.h"
#include "windowupdatelock.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace OlvarControls {

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
    if (!m_owner || m_surface->size() == m_owner->size())
        return;
    try {
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
    painter.drawImage(area.topLeft(), image, area);
    const QColor back = m_surface->backColor().toQColor(m_surface->palette());
    for (const QRect &uncovered : QRegion(area).subtracted(image.rect()))
        painter.fillRect(uncovered, back);
}

bool RetainedSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_owner)
        return false;
    if (event->type() == WindowUpdateLock::lockEventType()) {
        const bool locked = static_cast<WindowUpdateLock::LockEvent *>(event)->isLocked();
        m_frozen = locked ? m_surface->image() : QImage();
    } else if (event->type() == QEvent::Resize) {
        syncSize();
    } else if (event->type() == QEvent::FontChange) {
        m_surface->setFont(m_owner->font());
    } else if (event->type() == QEvent::PaletteChange) {
        m_surface->setPalette(m_owner->palette());
    }
    return false;
}

} // namespace OlvarControls
