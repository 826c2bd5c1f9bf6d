#pragma once

// What a member pointer, or a routine that takes the object first, tells the
// class tables about its member: the class it belongs to, the function type
// R(A...) of a call without the object, and the thunk type R (*)(Object*,
// A...) that a table stores for it. Const and noexcept members are alike
// here: neither changes what a table holds. A pointer to a data member
// T C::* gives its class and its value type T.

#include <type_traits>

namespace fw {

class Object;

template<typename M>
struct MemberTraits;

template<typename C, typename R, typename... A, bool NoExcept>
struct MemberTraits<R (C::*)(A...) noexcept(NoExcept)> {
    using Class = C;
    using Result = R;
    using Function = R(A...);
    using Thunk = R (*)(Object*, A...);
};
template<typename C, typename R, typename... A, bool NoExcept>
struct MemberTraits<R (C::*)(A...) const noexcept(NoExcept)> : MemberTraits<R (C::*)(A...)> {
};

// A routine R (*)(Object* self, A...) stands for a member of any class.
template<typename R, typename... A, bool NoExcept>
struct MemberTraits<R (*)(Object*, A...) noexcept(NoExcept)> {
    using Class = Object;
    using Result = R;
    using Function = R(A...);
    using Thunk = R (*)(Object*, A...);
};

template<typename C, typename T>
requires(!std::is_function_v<T>) struct MemberTraits<T C::*> {
    using Class = C;
    using Value = T;
};

// R(A...) for a member function pointer or an object-first routine pointer.
template<typename F>
using FunctionType = typename MemberTraits<F>::Function;

}
