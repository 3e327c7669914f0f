// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "ambientproperties.h"

#include <QApplication>

#include <optional>

namespace OlvarControls {

namespace {

std::optional<AmbientProperties> &storedDefaults()
{
    static std::optional<AmbientProperties> defaults;
    return defaults;
}

} // namespace

AmbientProperties AmbientProperties::defaults()
{
    if (const std::optional<AmbientProperties> &stored = storedDefaults())
        return *stored;
    return AmbientProperties{true, QApplication::font()};
}

void AmbientProperties::setDefaults(const AmbientProperties &defaults)
{
    storedDefaults() = defaults;
}

void AmbientProperties::resetDefaults()
{
    storedDefaults().reset();
}

} // namespace OlvarControls
