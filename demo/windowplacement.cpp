// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "windowplacement.h"

namespace Sessara {

bool WindowPlacement::fits(const QRect &inside, const QList<QRect> &areas, const QMargins &frame)
{
    if (!inside.isValid())
        return false;
    const QRect outside = inside.marginsAdded(frame);
    for (const QRect &area : areas) {
        if (area.contains(outside))
            return true;
    }
    return false;
}

QRect WindowPlacement::place(QSize design, const std::optional<QRect> &remembered, const QList<QRect> &areas,
                             const QMargins &frame)
{
    if (remembered && fits(*remembered, areas, frame))
        return *remembered;
    if (areas.isEmpty())
        return QRect(QPoint(0, 0), design);
    const QRect area = areas.first();
    const QRect room = area.marginsRemoved(frame);
    const QSize size = design.boundedTo(room.size());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(room.center());
    // Centring an odd remainder may leave a pixel over an edge; the window keeps inside the room.
    placed.moveLeft(qMax(room.left(), placed.left()));
    placed.moveTop(qMax(room.top(), placed.top()));
    return placed;
}

} // namespace Sessara
