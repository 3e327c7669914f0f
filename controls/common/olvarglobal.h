#pragma once

#include <QtCore/qglobal.h>

/*! \file olvarglobal.h
    Export macro of the Olvar control library. */

#if defined(OLVAR_BUILD_LIBRARY)
#  define OLVAR_EXPORT Q_DECL_EXPORT
#else
#  define OLVAR_EXPORT Q_DECL_IMPORT
#endif
