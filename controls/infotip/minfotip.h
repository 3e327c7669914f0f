// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <memory>

namespace OlvarControls {

class CInfoTip;

/*!
    The info tips' time-out handling: the tip most recently shown with a
    time-out (the current timed tip, one per thread) and the call that hides a
    tip when its time is up.

    The current timed tip is replaced by the next tip shown with a time-out and
    otherwise kept; a tip owned through a std::shared_ptr is kept alive by it
    until then, so that a host can show a tip and let go of it.
*/
class MInfoTip
{
public:
    MInfoTip() = delete;

    /*! Makes \a tip the current timed tip. */
    static void setCurrentTimedTip(CInfoTip *tip);
    /*! The current timed tip; nullptr when there is none or it has been destroyed. */
    static CInfoTip *currentTimedTip();
    /*! Lets go of the current timed tip. */
    static void releaseCurrentTimedTip();
    /*! The time-out of \a tip has come: hides it. */
    static void timeOut(CInfoTip *tip);
};

} // namespace OlvarControls
