#include "virtualdesktop.h"

namespace OlvarTest {

QRect VirtualDesktop::screenGeometry(const QPoint &globalPos) const
{
    for (const QRect &screen : m_screens) {
        if (screen.contains(globalPos))
            return screen;
    }
    return m_screens.value(0);
}

VirtualDesktop &virtualDesktop()
{
    return dynamic_cast<VirtualDesktop &>(OlvarControls::Desktop::instance());
}

} // namespace OlvarTest
