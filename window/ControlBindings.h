#pragma once

// How frmMain's control handlers are attached to its controls' events.
//
// Each binding puts a stub and a delegate into one entry of one control's
// own event table. When the framework raises the event, the stub reads the
// delegate from that entry and calls the delegate's invoker, which calls the
// handler on the window. The window is held weakly (kind 1), so a control
// that outlives its window raises NilObjectException instead of calling a
// handler on a dead window.
//
// Stubs and invokers are made from templates, one per event index and
// signature and one per handler type, shared by every binding of theirs: no
// allocation, no reference counting, no lookup by name. A binding's handler
// function is the window's virtual-table entry for the handler
// (fw::virtual_entry), so a subclass's override gets the event.

#include "framework/runtime/Delegate.h"
#include "framework/runtime/MemberTraits.h"
#include "framework/runtime/Signature.h"
#include "framework/ui/controls/RectControl.h"
#include "window/MethodDelegates.h"

#include <string_view>
#include <type_traits>

class frmMain;

// Binds the handlers of the named control, in their order, if it has any;
// run right after the control's stored properties have been applied.
void bind_control_events(frmMain& window, fw::String const& control_name);

namespace bindings {

// The stub of event-table entry Index for events raised with the arguments
// A: the framework calls it with the control that raised the event, and it
// hands the delegate of that control's entry Index to the delegate's
// invoker.
template<std::int32_t Index, typename F>
struct IndexStub;
template<std::int32_t Index, typename R, typename... A>
struct IndexStub<Index, R(A...)> {
    static R call(fw::RectControl* control, A... arguments)
    {
        fw::Delegate* delegate = control->event_entry(Index)->delegate.ptr();
        return fw::typed_function<R(fw::Delegate*, fw::RectControl*, A...)>(delegate->invoker())(
            delegate, control, arguments...);
    }
};

// The stub of a declared control event, of the type the framework calls.
template<auto Event>
struct Stub : IndexStub<Event.index, typename decltype(Event)::Signature> {
    static_assert(std::is_same_v<decltype(&Stub::call), typename decltype(Event)::Stub>);
};

template<auto F>
fw::AnyFunction untyped() noexcept
{
    return fw::any_function(F);
}

template<typename Control>
fw::ClassTable const& class_of()
{
    return Control::__Lookup();
}

// The control class C of an accessor answering Ref<C>.
template<typename Result>
struct AccessedControl;
template<typename C>
struct AccessedControl<fw::Ref<C>> {
    using Type = C;
};

struct Binding {
    char const* control; // the control's name, which is its accessor's
    std::int32_t event;
    char const* handler; // an own operation of the window's class
    std::string_view handler_signature; // the method signature text of the handler's type
    fw::ClassTable const& (*control_class)();
    fw::AnyFunction (*invoker)() noexcept;
    fw::AnyFunction (*stub)() noexcept;
    char const* signature; // the delegate's
};

// A binding of Event of the control that the window's accessor Control
// answers to the window's method Handler:
//   binding<&frmMain::efStart, fw::TextFieldKeyDown, &frmMain::efStart_KeyDown>(
//       "( TextField, String ) as Boolean")
// The names of the control and the handler, the control's class, the
// invoker and the stub follow from the members and the event. The control
// must be of the event's class, the handler must have the type the event
// declares, and the delegate's signature text is checked against it.
template<auto Control, auto Event, auto Handler>
constexpr Binding binding(fw::CheckedDelegateSignature<fw::FunctionType<decltype(Handler)>> signature)
{
    using Declared = decltype(Event);
    using ControlClass = typename AccessedControl<typename fw::MemberTraits<decltype(Control)>::Result>::Type;
    using Function = fw::FunctionType<decltype(Handler)>;
    static_assert(std::is_base_of_v<typename Declared::Control, ControlClass>,
        "the control does not have this event: it is not of the event's class");
    static_assert(std::is_same_v<Function, typename Declared::Handler>,
        "the handler's type is not the one its control event declares");
    return Binding { fw::member_name<Control>, Declared::index, fw::member_name<Handler>,
        fw::method_signature_of<Function>, &class_of<ControlClass>, &untyped<&Invoker<Function>::call>,
        &untyped<&Stub<Event>::call>, signature.text };
}

}
