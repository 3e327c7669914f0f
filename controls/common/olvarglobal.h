// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/qglobal.h>

/*! \file olvarglobal.h
    Export macro of the Olvar control library: OLVAR_EXPORT marks the public
    classes and functions, the only ones the shared library exports. */

#include "olvar_export.h"
