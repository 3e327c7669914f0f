// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Support shared by the fuzz targets: one headless application for the whole
// run, the pinned locale and time zone, and a check that stops the run with a
// message when a property of the code under test does not hold.

#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace OlvarFuzz {

/// Creates the headless application on the first call (fonts and the
/// palette need one) and pins the locale to en_GB and the time zone to UTC.
void ensureApplication();

/// The input as text, read as UTF-8 (invalid sequences become U+FFFD).
QString textOf(const uint8_t *data, size_t size);

/// Stops the run when @p holds is false, printing @p what and the input.
void check(bool holds, const char *what, const QString &input);

} // namespace OlvarFuzz
