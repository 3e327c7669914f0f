// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "screenareas.h"

#include <QGuiApplication>
#include <QScreen>

namespace Sessara {

namespace {

std::optional<QList<QRect>> &replaced()
{
    static std::optional<QList<QRect>> areas;
    return areas;
}

} // namespace

QList<QRect> ScreenAreas::available()
{
    if (replaced())
        return *replaced();
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    }
    return areas;
}

void ScreenAreas::setAreas(const std::optional<QList<QRect>> &areas)
{
    replaced() = areas;
}

} // namespace Sessara
