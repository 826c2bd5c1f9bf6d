// frmMain's answers to its window events, its menu handler and the "GO"
// button.

#include "window/frmMain.h"

#include "app/Menu.h"
#include "framework/ui/application/Lifecycle.h"
#include "window/ControlBindings.h"

using namespace fw;

void frmMain::Event_Open()
{
    Start = new_date();
    EndD = new_date();
    Ref<TextField> field = efStart();
    checked(field).set_Text(checked(Start).ShortDate());
}

// Closing the only window ends the program: quitting is asked for first, and
// the close is never cancelled.
bool frmMain::Event_CancelClose(bool)
{
    Quit(0);
    return false;
}

void frmMain::Event_EnableMenuItems() { checked(FileQuit()).set_Enabled(true); }

// The framework calls a menu handler through a bare routine pointer with the
// window first, so the delegate's pointer form is all it keeps. The delegate
// (kind 0, holding the window strongly) goes when this returns, and with it
// the only reference that would have kept the window alive.
void frmMain::AddMenuHandlers(Window* window)
{
    Ref<frmMain> target = RuntimeCheckCast<frmMain>(Ref<Window>(window));
    AnyFunction entry = virtual_entry(checked(target), "_FileQuit_Action");
    Ref<Delegate> delegate
        = RuntimeCreateDelegate(any_function(&Delegate_IM_Invoke_b_), entry, target.ptr(), "(  ) as Boolean", 0);
    _AddMenuHandler("FileQuit", pointer_form(delegate.ptr()));
}

bool frmMain::_FileQuit_Action()
{
    Quit(0);
    return false;
}

void frmMain::BevelButton1_Action(BevelButton*) { Calculate(); }
