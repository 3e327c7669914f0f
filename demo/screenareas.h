// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>

#include <optional>

namespace Sessara {

/*!
    The parts of the screens a window may take (the screens less their task
    bars), the primary screen first. Tests set screens of their own.
*/
class ScreenAreas
{
public:
    ScreenAreas() = delete;

    /*! The available areas: those set by setAreas(), else the screens Qt reports. */
    static QList<QRect> available();
    /*! Replaces the screens' areas with \a areas; nothing puts back Qt's. */
    static void setAreas(const std::optional<QList<QRect>> &areas);
};

} // namespace Sessara
