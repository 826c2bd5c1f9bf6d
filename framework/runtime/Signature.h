#pragma once

// Signature texts worked out from C++ types at compile time, each type
// written by its code (TypeCode.h).
//
// A method's signature text is "%", the result's code, "%", then each
// parameter's code; the object it is called on is not written. So bool
// (TextField*, String const&) is "%b%o<TextField>s" and void () "%%".
//
// A delegate's signature text names the parameters' classes and types in
// parentheses, then the result: "( TextField, String ) as Boolean", "(  )
// as Boolean" for none.
//
// CheckedSignature<F> takes a signature text in a consteval constructor and
// refuses, at compile time, one that is not the text of F; a table row that
// takes its text through it cannot contradict its member's type.
// CheckedTypeText and CheckedDelegateSignature do the same for a property's
// type text and a delegate's signature text.

#include "framework/runtime/MemberTraits.h"
#include "framework/runtime/TypeCode.h"

#include <string_view>
#include <type_traits>

namespace fw {

namespace signature {

    template<typename T>
    constexpr std::string_view delegate_name = TypeCode<std::remove_cvref_t<T>>::delegate_name;

    // Function types R(A...), as the object-first thunk R (*)(Object*, A...)
    // or a member R (C::*)(A...) takes them.
    template<typename F>
    struct Of;
    template<typename R, typename... A>
    struct Of<R(A...)> {
        static constexpr detail::CompiledText method = [] {
            detail::CompiledText text;
            text << "%";
            if constexpr (!std::is_void_v<R>)
                text << type_code<R>;
            text << "%";
            ((text << type_code<A>), ...);
            return text;
        }();
        static constexpr detail::CompiledText delegate = [] {
            detail::CompiledText text;
            text << "( ";
            std::string_view separator;
            ((text << separator << delegate_name<A>, separator = ", "), ...);
            text << " )";
            if constexpr (!std::is_void_v<R>)
                text << " as " << delegate_name<R>;
            return text;
        }();
    };

    // Not constexpr: a constant evaluation that reaches it fails, and the
    // diagnostic names it.
    void signature_text_contradicts_the_member_type();
    void delegate_text_contradicts_the_handler_type();
    void type_text_contradicts_the_value_type();

}

// The signature texts of a function type R(A...).
template<typename F>
constexpr std::string_view method_signature_of = signature::Of<F>::method.view();
template<typename F>
constexpr std::string_view delegate_signature_of = signature::Of<F>::delegate.view();

// A method's signature text, checked against the function type F = R(A...).
template<typename F>
struct CheckedSignature {
    char const* text;

    consteval CheckedSignature(char const* written)
        : text(written)
    {
        if (std::string_view(written) != method_signature_of<F>)
            signature::signature_text_contradicts_the_member_type();
    }
};

// A property's type text, checked against its C++ value type T.
template<typename T>
struct CheckedTypeText {
    char const* text;

    consteval CheckedTypeText(char const* written)
        : text(written)
    {
        if (std::string_view(written) != type_code<T>)
            signature::type_text_contradicts_the_value_type();
    }
};

// A delegate's signature text, checked against its handler's type R(A...).
template<typename F>
struct CheckedDelegateSignature {
    char const* text;

    consteval CheckedDelegateSignature(char const* written)
        : text(written)
    {
        if (std::string_view(written) != delegate_signature_of<F>)
            signature::delegate_text_contradicts_the_handler_type();
    }
};

}
