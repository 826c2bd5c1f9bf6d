// frmMain's answers to its window events, its menu handler and the "GO"
// button.

#include "window/frmMain.h"

#include "app/Menu.h"
#include "framework/ui/application/Lifecycle.h"
#include "window/MethodDelegates.h"

#include <type_traits>

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
    static_assert(std::is_same_v<MemberTraits<decltype(&frmMain::_FileQuit_Action)>::Thunk, MenuHandler*>,
        "the framework calls a menu handler as a MenuHandler");
    Ref<frmMain> target = RuntimeCheckCast<frmMain>(Ref<Window>(window));
    Ref<Delegate> delegate
        = bindings::method_delegate<&frmMain::_FileQuit_Action>(checked(target), "(  ) as Boolean", 0);
    _AddMenuHandler("FileQuit", pointer_form(delegate.ptr()));
}

bool frmMain::_FileQuit_Action()
{
    Quit(0);
    return false;
}

void frmMain::BevelButton1_Action(BevelButton*) { Calculate(); }
