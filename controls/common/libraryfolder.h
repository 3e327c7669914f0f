// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

/*!
    The folder the control library was loaded from, without a trailing
    separator; the program's folder when the platform cannot tell.
*/
QString libraryFolder();

/*! \a fileName in the library's folder, joined with the platform's separator. */
QString fileBesideLibrary(const QString &fileName);

} // namespace OlvarControls
