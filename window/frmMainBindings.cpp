// The five control-event bindings of frmMain, their stubs and the invokers
// of delegates on methods.

#include "window/ControlBindings.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/TextField.h"
#include "window/frmMain.h"

using namespace fw;

namespace {

// A routine pointer made untyped, in a form a constant table can hold.
template<auto F>
AnyFunction untyped() noexcept
{
    return any_function(F);
}

struct Binding {
    char const* control;
    ClassTable const& (*control_class)();
    std::int32_t event;
    char const* handler; // an own operation of frmMain
    AnyFunction (*invoker)() noexcept;
    AnyFunction (*stub)() noexcept;
    char const* signature; // the delegate's
};

// clang-format off
constexpr Binding bindings[] = {
    // control        class                   event               handler                  invoker                                        stub                          delegate signature
    { "efStart",      &TextField::__Lookup,   TextFieldLostFocus, "efStart_LostFocus",     untyped<&Delegate_IM_Invoke__o_TextField_>,    untyped<&AddHandler_Stub_16>, "( TextField )" },
    { "efStart",      &TextField::__Lookup,   TextFieldKeyDown,   "efStart_KeyDown",       untyped<&Delegate_IM_Invoke_b_o_TextField_s>,  untyped<&AddHandler_Stub_13>, "( TextField, String ) as Boolean" },
    { "efEnd",        &TextField::__Lookup,   TextFieldLostFocus, "efEnd_LostFocus",       untyped<&Delegate_IM_Invoke__o_TextField_>,    untyped<&AddHandler_Stub_16>, "( TextField )" },
    { "efEnd",        &TextField::__Lookup,   TextFieldKeyDown,   "efEnd_KeyDown",         untyped<&Delegate_IM_Invoke_b_o_TextField_s>,  untyped<&AddHandler_Stub_13>, "( TextField, String ) as Boolean" },
    { "BevelButton1", &BevelButton::__Lookup, BevelButtonAction,  "BevelButton1_Action",   untyped<&Delegate_IM_Invoke__o_BevelButton_>,  untyped<&AddHandler_Stub_17>, "( BevelButton )" },
};
// clang-format on

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

// The delegate of entry Index of the control's own table gets the event.
// The entry's handler is this stub only where a binding set both together.
template<std::int32_t Index, typename R, typename... A>
R stub(RectControl* control, A... args)
{
    Delegate* delegate = control->event_entry(Index)->delegate.ptr();
    return typed_function<R(Delegate*, RectControl*, A...)>(delegate->invoker())(delegate, control, args...);
}

Object* resolved_target(Delegate const& delegate)
{
    Object* target = delegate.target();
    if (delegate.kind() == Delegate::WeakKind && !target)
        RaiseNilObjectException();
    return target;
}

// Calls a delegate's method R (*)(Object* target, Params...) with the
// arguments a stub passed on. A Boolean answer is a C++ bool, which already
// holds nothing but its low bit.
template<typename R, typename... Params>
struct MethodInvoker {
    template<typename... Passed>
    static R call(Delegate* delegate, Passed&&... passed)
    {
        Object* target = resolved_target(*delegate);
        return typed_function<R(Object*, Params...)>(delegate->function())(
            target, static_cast<Params>(std::forward<Passed>(passed))...);
    }
};

}

AnyFunction virtual_entry(Object const& object, char const* operation)
{
    auto const& cls = object.class_table();
    return cls.vtable.at(std::size_t(cls.vtable_index(operation))).entry;
}

void bind_control_events(frmMain& window, String const& control_name)
{
    for (auto const& row : bindings) {
        if (control_name == row.control)
            bind(window, row);
    }
}

void AddHandler_Stub_16(RectControl* control) { stub<TextFieldLostFocus, void>(control); }
bool AddHandler_Stub_13(RectControl* control, String const& key)
{
    return stub<TextFieldKeyDown, bool, String const&>(control, key);
}
void AddHandler_Stub_17(RectControl* control) { stub<BevelButtonAction, void>(control); }

void Delegate_IM_Invoke__o_TextField_(Delegate* delegate, RectControl* field)
{
    MethodInvoker<void, TextField*>::call(delegate, field);
}

bool Delegate_IM_Invoke_b_o_TextField_s(Delegate* delegate, RectControl* field, String const& key)
{
    return MethodInvoker<bool, TextField*, String const&>::call(delegate, field, key);
}

void Delegate_IM_Invoke__o_BevelButton_(Delegate* delegate, RectControl* button)
{
    MethodInvoker<void, BevelButton*>::call(delegate, button);
}

bool Delegate_IM_Invoke_b_(Delegate* delegate) { return MethodInvoker<bool>::call(delegate); }
