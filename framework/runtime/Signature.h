#pragma once

// Signature texts worked out from C++ types at compile time.
//
// A method's signature text is "%", the result's code, "%", then each
// parameter's code; the object it is called on is not written. Codes:
//   i4 std::int32_t   b bool   s String   p a routine or a class table
//   o<Name> an object of class Name (T* or Ref<T>; Name is T::__ClassName)
// so bool (TextField*, String const&) is "%b%o<TextField>s" and void () "%%".
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

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/MemberTraits.h"
#include "framework/runtime/Ref.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace fw {

namespace signature {

    // A text built at compile time.
    struct Text {
        char data[128] {};
        std::size_t size { 0 };

        constexpr Text& operator<<(std::string_view part)
        {
            for (char c : part)
                data[size++] = c;
            return *this;
        }
        constexpr std::string_view view() const { return { data, size }; }
    };

    template<typename T>
    struct ObjectClass {
        using Type = void;
    };
    template<typename T>
    struct ObjectClass<T*> {
        using Type = T;
    };
    template<typename T>
    struct ObjectClass<Ref<T>> {
        using Type = T;
    };

    template<typename T>
    using Value = std::remove_cvref_t<T>;

    template<typename T>
    constexpr bool is_object = std::is_base_of_v<Object, typename ObjectClass<Value<T>>::Type>;

    // The code of one result or parameter type; void has none.
    template<typename T>
    constexpr void add_code(Text& text)
    {
        using V = Value<T>;
        if constexpr (std::is_void_v<V>)
            return;
        else if constexpr (std::is_same_v<V, bool>)
            text << "b";
        else if constexpr (std::is_same_v<V, std::int32_t>)
            text << "i4";
        else if constexpr (std::is_same_v<V, std::string>)
            text << "s";
        else if constexpr (std::is_same_v<V, AnyFunction> || std::is_same_v<V, ClassTable>)
            text << "p";
        else if constexpr (is_object<V>)
            text << "o<" << ObjectClass<V>::Type::__ClassName << ">";
        else
            static_assert(sizeof(V) == 0, "no signature code for this type");
    }

    // The name of one type in a delegate's signature text.
    template<typename T>
    constexpr std::string_view delegate_name()
    {
        using V = Value<T>;
        if constexpr (std::is_same_v<V, bool>)
            return "Boolean";
        else if constexpr (std::is_same_v<V, std::int32_t>)
            return "Int32";
        else if constexpr (std::is_same_v<V, std::string>)
            return "String";
        else if constexpr (is_object<V>)
            return ObjectClass<V>::Type::__ClassName;
        else
            static_assert(sizeof(V) == 0, "no delegate name for this type");
    }

    // Function types R(A...), as the object-first thunk R (*)(Object*, A...)
    // or a member R (C::*)(A...) takes them.
    template<typename F>
    struct Of;
    template<typename R, typename... A>
    struct Of<R(A...)> {
        static constexpr Text method = [] {
            Text text;
            text << "%";
            add_code<R>(text);
            text << "%";
            (add_code<A>(text), ...);
            return text;
        }();
        static constexpr Text delegate = [] {
            Text text;
            text << "( ";
            std::string_view separator;
            ((text << separator << delegate_name<A>(), separator = ", "), ...);
            text << " )";
            if constexpr (!std::is_void_v<R>)
                text << " as " << delegate_name<R>();
            return text;
        }();
    };

    // Not constexpr: a constant evaluation that reaches it fails, and the
    // diagnostic names it.
    void signature_text_contradicts_the_member_type();
    void delegate_text_contradicts_the_handler_type();
    void type_text_contradicts_the_value_type();

    template<typename T>
    constexpr Text code_of = [] {
        Text text;
        add_code<T>(text);
        return text;
    }();

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
        if (std::string_view(written) != signature::code_of<T>.view())
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
