#pragma once

// Delegates on the window's methods: the invoke routine of each handler
// type, and the making of a delegate whose signature text is checked against
// the method it wraps.
//
// Invoker<R(A...)>::call is the invoke routine shared by every delegate on a
// method of that type. A stub calls it with the delegate and the event's
// arguments, a control arriving as RectControl*; it calls the delegate's
// function entry with the target first. Kind 1 resolves its weak target on
// every call and raises NilObjectException, calling nothing, once the target
// is gone; any other kind calls with the target as stored.

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Signature.h"
#include "framework/ui/controls/RectControl.h"

#include <type_traits>

namespace bindings {

inline fw::Object* resolved_target(fw::Delegate const& delegate)
{
    fw::Object* target = delegate.target();
    if (delegate.kind() == fw::Delegate::WeakKind && !target)
        fw::RaiseNilObjectException();
    return target;
}

// How an argument reaches an invoker: a control as RectControl*, anything
// else as the handler takes it.
template<typename T>
using Passed = std::conditional_t<std::is_pointer_v<T> && std::is_base_of_v<fw::RectControl, std::remove_pointer_t<T>>,
    fw::RectControl*, T>;

template<typename F>
struct Invoker;
template<typename R, typename... A>
struct Invoker<R(A...)> {
    static R call(fw::Delegate* delegate, Passed<A>... arguments)
    {
        fw::Object* target = resolved_target(*delegate);
        return fw::typed_function<R(fw::Object*, A...)>(delegate->function())(target, static_cast<A>(arguments)...);
    }
};

// A delegate on method M of the target: the invoker of M's type, the entry a
// virtual call of M on the target would reach, and a signature text that
// must be the one of M's type.
template<auto M>
fw::Ref<fw::Delegate> method_delegate(
    fw::Object& target, fw::CheckedDelegateSignature<fw::FunctionType<decltype(M)>> signature, std::int32_t kind)
{
    fw::AnyFunction const entry = fw::virtual_entry(target, fw::member_name<M>);
    return fw::RuntimeCreateDelegate(
        fw::any_function(&Invoker<fw::FunctionType<decltype(M)>>::call), entry, &target, signature.text, kind);
}

}
