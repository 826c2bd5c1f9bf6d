#pragma once

// What a member pointer, or a routine that takes the object first, tells the
// class tables about its member: the class it belongs to, the function type
// R(A...) of a call without the object, and the thunk type R (*)(Object*,
// A...) that a table stores for it. Const and noexcept members are alike
// here: neither changes what a table holds. A pointer to a data member
// T C::* gives its class and its value type T.
//
// member_name<&C::M> is the member's own name, "M", as the compiler spells
// the member pointer, so a row that takes its name from there cannot name
// another member.

#include <array>
#include <cstddef>
#include <string_view>
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

namespace detail {

    template<auto M>
    constexpr std::string_view signature_naming()
    {
        return __PRETTY_FUNCTION__;
    }

    // The member's name in signature_naming's text, where GCC writes
    // "[with auto M = &C::name; ...]" and Clang "[M = &C::name]": what
    // follows the last "::" of the member pointer.
    constexpr std::string_view member_name_in(std::string_view text)
    {
        auto const start = text.find("M = &") + 5;
        auto const pointer = text.substr(start, text.find_first_of(";]", start) - start);
        return pointer.substr(pointer.rfind("::") + 2);
    }

    template<auto M>
    struct MemberName {
        static constexpr std::string_view view = member_name_in(signature_naming<M>());
        static constexpr std::array<char, view.size() + 1> text = [] {
            std::array<char, view.size() + 1> name {};
            for (std::size_t i = 0; i < view.size(); ++i)
                name[i] = view[i];
            return name;
        }();
    };

    struct NamingProbe {
        int efStartDay;
        void set_Width() const noexcept;
    };
    static_assert(MemberName<&NamingProbe::efStartDay>::view == "efStartDay"
            && MemberName<&NamingProbe::set_Width>::view == "set_Width",
        "this compiler spells member pointers in a way member_name does not read");

}

// The name of the member that M points to: "efStartDay" for
// &frmMain::efStartDay.
template<auto M>
inline constexpr char const* member_name = detail::MemberName<M>::text.data();

}
