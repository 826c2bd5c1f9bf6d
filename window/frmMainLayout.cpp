// The construction hooks that turn the stored layout into the window and its
// fourteen controls.

#include "window/frmMain.h"

#include "framework/ui/streams/SetProperties.h"
#include "window/ControlBindings.h"
#include "window/StoredLayout.h"

using namespace fw;

namespace {

// One control of the creation sequence: allocate, construct, register, then
// font size and unit before the stream, each step finding it again by name
// (it was registered a step earlier, so it is there; each reference lives to
// the end of its statement).
template<typename Control>
void create_control(frmMain& window, stored_layout::StoredControl const& row)
{
    String const name(row.name);
    {
        Ref<Control> control = RuntimeCheckCast<Control>(window.__New(Control::__Lookup()));
        control->RectControl::Constructor();
        window._AddControl(name, control.ptr());
    } // From here on the window's registry is what holds the control.
    checked(window.control_named<Control>(name)).set_TextSize(row.text_size);
    checked(window.control_named<Control>(name)).set_TextUnit(row.text_unit);
    _SetProperties(&checked(window.control_named<Control>(name)), stored_layout::control_stream(row.name));
}

using ControlCreator = void (*)(frmMain&, stored_layout::StoredControl const&);

ControlCreator creator_for(std::string_view class_name)
{
    if (class_name == "TextField")
        return &create_control<TextField>;
    if (class_name == "Label")
        return &create_control<Label>;
    if (class_name == "BevelButton")
        return &create_control<BevelButton>;
    raise(make<RuntimeException>("stored layout names an unknown control class: " + String(class_name)));
}

}

void frmMain::Layout() { _SetProperties(this, stored_layout::window_stream()); }

void frmMain::CreateControls() { _CreateControls0(); }

// A control's events reach program code only from its binding on, which
// comes after its stream: nothing the stream raises runs a handler.
void frmMain::_CreateControls0()
{
    for (auto const& row : stored_layout::creation_order) {
        creator_for(row.class_name)(*this, row);
        bind_control_events(*this, String(row.name));
    }
}
