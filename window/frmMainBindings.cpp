// The five control-event bindings of frmMain, their stubs and the invokers
// of delegates on methods.

#include "window/ControlBindings.h"

#include "framework/runtime/Runtime.h"
#include "framework/runtime/Signature.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/TextField.h"
#include "window/frmMain.h"
#include "window/frmMainOperations.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

using namespace fw;

namespace {

Object* resolved_target(Delegate const& delegate)
{
    Object* target = delegate.target();
    if (delegate.kind() == Delegate::WeakKind && !target)
        RaiseNilObjectException();
    return target;
}

// Calls a delegate's method R (*)(Object* target, Control*, Rest...) with
// the control and arguments a stub passed on. A Boolean answer is a C++
// bool, which already holds nothing but its low bit.
template<typename R, typename Control, typename... Rest>
R invoke_method(Delegate* delegate, RectControl* control, Rest... rest)
{
    Object* target = resolved_target(*delegate);
    return typed_function<R(Object*, Control, Rest...)>(delegate->function())(
        target, static_cast<Control>(control), std::forward<Rest>(rest)...);
}

// The delegate of entry Index of the control's own table gets the event.
// The entry's handler is this stub only where a binding set both together.
template<std::int32_t Index, typename R, typename... A>
R stub(RectControl* control, A... args)
{
    Delegate* delegate = control->event_entry(Index)->delegate.ptr();
    return typed_function<R(Delegate*, RectControl*, A...)>(delegate->invoker())(delegate, control, args...);
}

// The named invoker of each handler signature a binding uses.
template<typename Signature>
struct MethodInvoker;
template<>
struct MethodInvoker<void(TextField*)> {
    static constexpr auto function = &Delegate_IM_Invoke__o_TextField_;
};
template<>
struct MethodInvoker<bool(TextField*, String const&)> {
    static constexpr auto function = &Delegate_IM_Invoke_b_o_TextField_s;
};
template<>
struct MethodInvoker<void(BevelButton*)> {
    static constexpr auto function = &Delegate_IM_Invoke__o_BevelButton_;
};

// What a handler R (frmMain::*)(Control*, Rest...) takes from its binding:
// its control class, the invoker of its signature and the stub type.
template<typename Handler>
struct HandlerTraits;
template<typename R, typename Control, typename... Rest>
struct HandlerTraits<R (frmMain::*)(Control*, Rest...)> {
    static_assert(std::is_base_of_v<RectControl, Control>, "a control handler takes its control first");
    using Stub = R (*)(RectControl*, Rest...);
    static ClassTable const& control_class() { return Control::__Lookup(); }
    static AnyFunction invoker() noexcept { return any_function(MethodInvoker<R(Control*, Rest...)>::function); }
};

// The named stub of each event index a binding uses.
template<std::int32_t Index>
struct EventStub;
template<>
struct EventStub<TextFieldLostFocus> {
    static constexpr auto function = &AddHandler_Stub_16;
};
template<>
struct EventStub<TextFieldKeyDown> {
    static constexpr auto function = &AddHandler_Stub_13;
};
template<>
struct EventStub<BevelButtonAction> {
    static constexpr auto function = &AddHandler_Stub_17;
};

template<auto F>
AnyFunction untyped() noexcept
{
    return any_function(F);
}

struct Binding {
    char const* control;
    std::int32_t event;
    char const* handler; // an own operation of frmMain
    std::string_view handler_signature; // the method signature text of the handler's type
    ClassTable const& (*control_class)();
    AnyFunction (*invoker)() noexcept;
    AnyFunction (*stub)() noexcept;
    char const* signature; // the delegate's
};

// A binding of the named control's event to a handler: the control's class,
// the invoker and the stub follow from the handler's type, and the delegate's
// signature text is checked against it.
template<auto Handler, std::int32_t Event>
constexpr Binding binding(
    char const* control, char const* handler, CheckedDelegateSignature<FunctionType<decltype(Handler)>> signature)
{
    using Traits = HandlerTraits<decltype(Handler)>;
    static_assert(std::is_same_v<decltype(EventStub<Event>::function), typename Traits::Stub const>,
        "the event's stub does not take what the handler takes");
    return Binding { control, Event, handler, method_signature_of<FunctionType<decltype(Handler)>>,
        &Traits::control_class, &Traits::invoker, &untyped<EventStub<Event>::function>, signature.text };
}

// clang-format off
constexpr Binding bindings[] = {
    binding<&frmMain::efStart_LostFocus,   TextFieldLostFocus>("efStart",      "efStart_LostFocus",   "( TextField )"),
    binding<&frmMain::efStart_KeyDown,     TextFieldKeyDown>(  "efStart",      "efStart_KeyDown",     "( TextField, String ) as Boolean"),
    binding<&frmMain::efEnd_LostFocus,     TextFieldLostFocus>("efEnd",        "efEnd_LostFocus",     "( TextField )"),
    binding<&frmMain::efEnd_KeyDown,       TextFieldKeyDown>(  "efEnd",        "efEnd_KeyDown",       "( TextField, String ) as Boolean"),
    binding<&frmMain::BevelButton1_Action, BevelButtonAction>( "BevelButton1", "BevelButton1_Action", "( BevelButton )"),
};
// clang-format on

// Each handler is the own operation of that name, with the member's type.
constexpr bool names_its_operation(Binding const& row)
{
    return std::ranges::any_of(frm_main::operations, [&](OperationRow const& operation) {
        return operation.name == std::string_view(row.handler) && operation.signature == row.handler_signature;
    });
}
static_assert(std::ranges::all_of(bindings, names_its_operation));

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
    invoke_method<void, TextField*>(delegate, field);
}

bool Delegate_IM_Invoke_b_o_TextField_s(Delegate* delegate, RectControl* field, String const& key)
{
    return invoke_method<bool, TextField*, String const&>(delegate, field, key);
}

void Delegate_IM_Invoke__o_BevelButton_(Delegate* delegate, RectControl* button)
{
    invoke_method<void, BevelButton*>(delegate, button);
}

bool Delegate_IM_Invoke_b_(Delegate* delegate)
{
    return typed_function<bool(Object*)>(delegate->function())(resolved_target(*delegate));
}
