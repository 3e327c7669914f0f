// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "virtualdesktop.h"

#include <QPainter>

namespace OlvarTest {

QRect VirtualDesktop::screenGeometry(const QPoint &globalPos) const
{
    for (const QRect &screen : m_screens) {
        if (screen.contains(globalPos))
            return screen;
    }
    return m_screens.value(0);
}

QImage VirtualDesktop::grabScreen(const QRect &rect) const
{
    QImage image(rect.size().expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect shown = rect.intersected(m_screenImage.rect());
    if (!shown.isEmpty()) {
        QPainter painter(&image);
        painter.drawImage(shown.topLeft() - rect.topLeft(), m_screenImage, shown);
    }
    return image;
}

VirtualDesktop &virtualDesktop()
{
    return dynamic_cast<VirtualDesktop &>(OlvarControls::Desktop::instance());
}

} // namespace OlvarTest
