// The five control-event bindings of frmMain.

#include "window/ControlBindings.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/TextField.h"
#include "window/frmMain.h"
#include "window/frmMainOperations.h"

#include <algorithm>
#include <string_view>

using namespace fw;
using bindings::Binding;
using bindings::binding;

namespace {

// clang-format off
constexpr Binding control_bindings[] = {
    binding<&frmMain::efStart,      TextFieldLostFocus, &frmMain::efStart_LostFocus>(  "( TextField )"),
    binding<&frmMain::efStart,      TextFieldKeyDown,   &frmMain::efStart_KeyDown>(    "( TextField, String ) as Boolean"),
    binding<&frmMain::efEnd,        TextFieldLostFocus, &frmMain::efEnd_LostFocus>(    "( TextField )"),
    binding<&frmMain::efEnd,        TextFieldKeyDown,   &frmMain::efEnd_KeyDown>(      "( TextField, String ) as Boolean"),
    binding<&frmMain::BevelButton1, BevelButtonAction,  &frmMain::BevelButton1_Action>("( BevelButton )"),
};
// clang-format on

// Each handler is the own operation of that name, with the member's type.
constexpr bool names_its_operation(Binding const& row)
{
    return std::ranges::any_of(frm_main::operations, [&](OperationRow const& operation) {
        return operation.name == std::string_view(row.handler) && operation.signature == row.handler_signature;
    });
}
static_assert(std::ranges::all_of(control_bindings, names_its_operation));

// The binding step for one row. The delegate holds the window weakly, and
// the control's event table keeps the delegate; the references taken here
// are dropped on return.
void bind(frmMain& window, Binding const& row)
{
    Ref<RectControl> control = window._ControlByName(row.control);
    RuntimeCheckCast(control.ptr(), row.control_class());
    AnyFunction handler = virtual_entry(window, row.handler);
    Ref<Delegate> delegate = RuntimeCreateDelegate(row.invoker(), handler, &window, row.signature, Delegate::WeakKind);
    RuntimeAddEventHandler(control.ptr(), row.event, row.stub(), delegate.ptr());
}

}

void bind_control_events(frmMain& window, String const& control_name)
{
    for (auto const& row : control_bindings) {
        if (control_name == row.control)
            bind(window, row);
    }
}
