// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QFont>

namespace OlvarControls {

/*!
    What a container tells the controls it hosts: whether the program runs
    (user mode) or a designer edits the form, and the container's font.

    Controls look them up with ControlBase::ambientProperties(); a container
    that sets none leaves the process-wide defaults().
*/
struct OLVAR_EXPORT AmbientProperties
{
    bool userMode = true; //!< false while a form designer hosts the control
    QFont font; //!< the container's font

    /*! The process-wide defaults: as set, else user mode and QApplication::font(). */
    static AmbientProperties defaults();
    /*! Replaces the process-wide defaults. */
    static void setDefaults(const AmbientProperties &defaults);
    /*! Goes back to user mode and the application font. */
    static void resetDefaults();
};

} // namespace OlvarControls
