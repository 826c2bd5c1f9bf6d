// Where the framework raises a control event, the event's declared type
// goes with its index: LostFocus, a void() event, cannot stand where KeyDown
// is raised.
// Expected error: (conversion from|no viable conversion from).*ControlEvent.*EventIndex|EventIndex.*ControlEvent
#include "framework/ui/controls/TextField.h"

struct RaisedEvents {
    fw::EventIndex<bool(fw::String const& key)> key_down {};
};

constexpr RaisedEvents raised { .key_down = fw::TextFieldLostFocus };
