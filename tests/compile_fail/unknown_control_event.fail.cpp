// Event indices are worked out from the class's event list, so a misspelt
// event name is refused where the index is a constant.
// Expected error: no_such_control_event
#include "framework/ui/controls/TextField.h"

constexpr std::int32_t lost_focus = fw::control_event_index(fw::TextFieldEvents, "LostFocs");

std::int32_t index() { return lost_focus; }
