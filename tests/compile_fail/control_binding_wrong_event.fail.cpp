// A control binding's handler has the type its event declares: a KeyDown
// handler bound to LostFocus does not build.
// Expected error: the handler's type is not the one its control event declares
#include "framework/ui/controls/TextField.h"
#include "window/ControlBindings.h"
#include "window/frmMain.h"

constexpr bindings::Binding row
    = bindings::binding<&frmMain::efStart, fw::TextFieldLostFocus, &frmMain::efStart_KeyDown>(
        "( TextField, String ) as Boolean");
