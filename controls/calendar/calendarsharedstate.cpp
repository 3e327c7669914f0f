// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "calendarsharedstate.h"

namespace OlvarControls {

CalendarSharedState &CalendarSharedState::instance()
{
    static CalendarSharedState state;
    return state;
}

} // namespace OlvarControls
