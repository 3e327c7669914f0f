#pragma once

#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

/*!
    The folder the control library was loaded from, without a trailing
    separator; the program's folder when the platform cannot tell.
*/
OLVAR_EXPORT QString libraryFolder();

/*! \a fileName in the library's folder, joined with the platform's separator. */
OLVAR_EXPORT QString fileBesideLibrary(const QString &fileName);

} // namespace OlvarControls
