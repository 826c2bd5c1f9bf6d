// The control accessors, the implicit main window and the finaliser.

#include "window/frmMain.h"

using namespace fw;

// NOTE: `this` is never nil here; a call on a nil window raises in the
// class table's thunk before it reaches the member.
Ref<TextField> frmMain::efStart() { return control_named<TextField>("efStart"); }
Ref<TextField> frmMain::efEnd() { return control_named<TextField>("efEnd"); }
Ref<Label> frmMain::StaticText1() { return control_named<Label>("StaticText1"); }
Ref<Label> frmMain::StaticText2() { return control_named<Label>("StaticText2"); }
Ref<Label> frmMain::StaticText3() { return control_named<Label>("StaticText3"); }
Ref<TextField> frmMain::efStartDay() { return control_named<TextField>("efStartDay"); }
Ref<TextField> frmMain::efEndDay() { return control_named<TextField>("efEndDay"); }
Ref<TextField> frmMain::efWeekdays() { return control_named<TextField>("efWeekdays"); }
Ref<TextField> frmMain::efWeekenddays() { return control_named<TextField>("efWeekenddays"); }
Ref<Label> frmMain::StaticText4() { return control_named<Label>("StaticText4"); }
Ref<Label> frmMain::StaticText5() { return control_named<Label>("StaticText5"); }
Ref<TextField> frmMain::efTotal() { return control_named<TextField>("efTotal"); }
Ref<Label> frmMain::StaticText6() { return control_named<Label>("StaticText6"); }
Ref<BevelButton> frmMain::BevelButton1() { return control_named<BevelButton>("BevelButton1"); }

// The framework keeps the window it builds as the implicit window of its
// class until it closes, so only the first call constructs one.
Ref<frmMain> frmMain_frmMain()
{
    Ref<Window> window = _GetImplicitWindow("frmMain.frmMain");
    if (!window) {
        window = adopt_ref(static_cast<Window*>(RuntimeNewObject(frmMain::__Lookup()).leak()));
        window->Constructor();
    }
    return RuntimeCheckCast<frmMain>(window);
}

frmMain::~frmMain() { __Exit(this); }

// Runs from the destructor, so both fields are still there to release; the
// Window part is finalised by its own destructor afterwards.
void frmMain::__Exit(Object* self)
{
    auto& window = static_cast<frmMain&>(*self);
    window.Start = nullptr;
    window.EndD = nullptr;
}
