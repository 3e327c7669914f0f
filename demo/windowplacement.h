// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

namespace Sessara {

/*!
    Where a window opens: the geometry it had last time when that still fits
    a screen, else its design size, made smaller where a screen is smaller,
    centred on the first (primary) screen. Geometries are those of the
    window's inside; \a frame is what the window system adds around it.
*/
class WindowPlacement
{
public:
    WindowPlacement() = delete;

    /*! The frame allowed for where the window system's is not yet known: a title bar and thin borders. */
    static QMargins assumedFrame() { return QMargins(8, 32, 8, 8); }

    /*!
        The inside geometry for a window of \a design size, last placed at
        \a remembered, on screens whose available areas are \a areas (the
        primary first). With no screen the design size stays at the origin.
    */
    static QRect place(QSize design, const std::optional<QRect> &remembered, const QList<QRect> &areas,
                       const QMargins &frame = assumedFrame());
    /*! Whether \a inside with \a frame around it lies entirely within one of \a areas. */
    static bool fits(const QRect &inside, const QList<QRect> &areas, const QMargins &frame = assumedFrame());
};

} // namespace Sessara
