// A binding names an event of its handler's control class: the button's
// Action handler bound to a text field's LostFocus, an event a BevelButton
// handler cannot take, does not build.
// Expected error: the handler's type is not the one its control event declares
#include "framework/ui/controls/TextField.h"
#include "window/ControlBindings.h"
#include "window/frmMain.h"

constexpr bindings::Binding row
    = bindings::binding<&frmMain::BevelButton1_Action, fw::TextFieldLostFocus>("BevelButton1", "( BevelButton )");
