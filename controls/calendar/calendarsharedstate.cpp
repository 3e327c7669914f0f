#include "calendarsharedstate.h"

namespace OlvarControls {

CalendarSharedState &CalendarSharedState::instance()
{
    static CalendarSharedState state;
    return state;
}

} // namespace OlvarControls
