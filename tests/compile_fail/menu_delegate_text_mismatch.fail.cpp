// The menu handler's delegate text is checked against the method it wraps:
// one blank between the parentheses does not build.
// Expected error: delegate_text_contradicts_the_handler_type
#include "window/MethodDelegates.h"
#include "window/frmMain.h"

fw::Ref<fw::Delegate> quit_delegate(frmMain& window)
{
    return bindings::method_delegate<&frmMain::_FileQuit_Action>(window, "( ) as Boolean", 0);
}
