// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "desktop.h"

#include "serviceholder_p.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace OlvarControls {

namespace {

class QtDesktop final : public Desktop
{
public:
    QPoint cursorPos() const override { return QCursor::pos(); }

    Qt::MouseButtons mouseButtons() const override { return QGuiApplication::mouseButtons(); }

    QRect screenGeometry(const QPoint &globalPos) const override
    {
        const QScreen *screen = QGuiApplication::screenAt(globalPos);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    }
};

using Holder = ServiceHolder<Desktop, QtDesktop>;

} // namespace

Desktop::Desktop() = default;

Desktop::~Desktop() = default;

Desktop &Desktop::instance()
{
    return Holder::get();
}

void Desktop::setInstance(std::unique_ptr<Desktop> desktop)
{
    Holder::set(std::move(desktop));
}

QImage Desktop::grabScreen(const QRect &rect) const
{
    QImage image(rect.size().expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    image.fill(Qt::black);
    QScreen *screen = rect.isEmpty() ? nullptr : QGuiApplication::screenAt(rect.topLeft());
    if (!screen)
        return image;
    const QRect geometry = screen->geometry();
    const QPixmap grabbed =
        screen->grabWindow(0, rect.x() - geometry.x(), rect.y() - geometry.y(), rect.width(), rect.height());
    if (!grabbed.isNull()) {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, grabbed);
    }
    return image;
}

bool Desktop::isMouseButtonDown() const
{
    return mouseButtons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

} // namespace OlvarControls
