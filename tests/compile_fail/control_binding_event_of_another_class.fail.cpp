// A binding names an event of its control's class: a TextField event on the
// BevelButton does not build, though the handler has the event's type.
// Expected error: the control does not have this event
#include "framework/ui/controls/TextField.h"
#include "window/ControlBindings.h"
#include "window/frmMain.h"

constexpr bindings::Binding row
    = bindings::binding<&frmMain::BevelButton1, fw::TextFieldLostFocus, &frmMain::efStart_LostFocus>("( TextField )");
