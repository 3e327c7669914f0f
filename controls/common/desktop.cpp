#include "desktop.h"

#include "serviceholder_p.h"

#include <QCursor>
#include <QGuiApplication>
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

bool Desktop::isMouseButtonDown() const
{
    return mouseButtons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

} // namespace OlvarControls
