#pragma once

// Delegates on module-level routines, as the start-up hands them to the
// framework: no target, kind 0.
//
// A delegate is declared as a function type D, the one its signature text
// describes; the text is checked against D at compile time. The routine
// must take exactly D's parameters and give a result D's result takes (a
// RuntimeException for an Object). The invoker, one per declaration and
// routine, calls the delegate's function entry as the routine's own type
// and answers its result as D's.

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Signature.h"

#include <tuple>
#include <type_traits>

namespace module_delegates {

template<typename F>
struct Parts;
template<typename R, typename... A>
struct Parts<R(A...)> {
    using Result = R;
    using Parameters = std::tuple<A...>;
};

template<typename D, auto Routine>
struct Invoker;
template<typename R, typename... A, auto Routine>
struct Invoker<R(A...), Routine> {
    using Own = std::remove_pointer_t<decltype(Routine)>;
    static_assert(std::is_same_v<typename Parts<Own>::Parameters, std::tuple<A...>>,
        "the routine does not take the parameters its delegate declares");
    static_assert(std::is_void_v<R> ? std::is_void_v<typename Parts<Own>::Result>
                                    : std::is_convertible_v<typename Parts<Own>::Result, R>,
        "the routine's result is not one its delegate declares");

    static R call(fw::Delegate* delegate, A... arguments)
    {
        return fw::typed_function<Own>(delegate->function())(arguments...);
    }
};

// A delegate declared as D on Routine, with D's signature text:
//   module_delegate<void(), &_Startup>("(  )")
template<typename D, auto Routine>
fw::Ref<fw::Delegate> module_delegate(fw::CheckedDelegateSignature<D> signature)
{
    return fw::RuntimeCreateDelegate(
        fw::any_function(&Invoker<D, Routine>::call), fw::any_function(Routine), nullptr, signature.text, 0);
}

}
