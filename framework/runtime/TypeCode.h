#pragma once

// The one mapping from a C++ value type to what the class tables write and
// do for it: its type code, the name a delegate's signature text gives it,
// and how reflection carries it in a Variant. Signature texts, property
// rows, delegate texts, the property-stream reader and the reflection
// adapters all take a type's code from here.
//
//   code     C++ type                  delegate name   through a Variant
//   b        bool                      Boolean         yes
//   i4       std::int32_t              Int32           yes
//   u1       std::uint8_t              -               yes
//   f4       float                     -               yes
//   f8       double                    -               yes
//   c        Color                     -               yes
//   s        String                    String          yes
//   p        AnyFunction, ClassTable,  Ptr             no
//            void*, R (*)(A...)
//   o<Name>  T* or Ref<T> of an object class T, Name being T::__ClassName,
//            which is also its delegate name; objects travel as Ref<Object>
//
// References and const are not part of a type here: String const& is "s".
// A type without a row above has no TypeCode, so a row, a signature or a
// delegate text that would need its code does not compile; the same holds
// for a delegate name or a Variant form the table leaves out.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace fw {

namespace detail {

    // A text put together at compile time.
    struct CompiledText {
        char data[128] {};
        std::size_t size { 0 };

        constexpr CompiledText& operator<<(std::string_view part)
        {
            for (char c : part)
                data[size++] = c;
            return *this;
        }
        constexpr std::string_view view() const { return { data, size }; }
    };

    // An object argument or value as class T: nil stays nil, another class
    // raises IllegalCastException.
    template<typename T>
    T* object_as(Variant const& value)
    {
        return static_cast<T*>(RuntimeCheckCast(value.to_object(), T::__Lookup()));
    }

    template<typename T>
    struct ObjectCode {
        static constexpr CompiledText text = [] {
            CompiledText code;
            code << "o<" << T::__ClassName << ">";
            return code;
        }();
        static constexpr std::string_view code = text.view();
        static constexpr std::string_view delegate_name = T::__ClassName;
    };

}

template<typename T>
struct TypeCode;

template<>
struct TypeCode<bool> {
    static constexpr std::string_view code = "b";
    static constexpr std::string_view delegate_name = "Boolean";
    static Variant to_variant(bool value) { return BooleanToVariant(value); }
    static bool from_variant(Variant const& value) { return value.to_bool(); }
};

template<>
struct TypeCode<std::int32_t> {
    static constexpr std::string_view code = "i4";
    static constexpr std::string_view delegate_name = "Int32";
    static Variant to_variant(std::int32_t value) { return Variant(value); }
    static std::int32_t from_variant(Variant const& value) { return value.to_int32(); }
};

template<>
struct TypeCode<std::uint8_t> {
    static constexpr std::string_view code = "u1";
    static Variant to_variant(std::uint8_t value) { return Variant(std::int32_t(value)); }
    static std::uint8_t from_variant(Variant const& value) { return std::uint8_t(value.to_int32()); }
};

template<>
struct TypeCode<float> {
    static constexpr std::string_view code = "f4";
    static Variant to_variant(float value) { return Variant(double(value)); }
    static float from_variant(Variant const& value) { return float(value.to_double()); }
};

template<>
struct TypeCode<double> {
    static constexpr std::string_view code = "f8";
    static Variant to_variant(double value) { return Variant(value); }
    static double from_variant(Variant const& value) { return value.to_double(); }
};

template<>
struct TypeCode<Color> {
    static constexpr std::string_view code = "c";
    static Variant to_variant(Color value) { return Variant(value); }
    static Color from_variant(Variant const& value) { return value.to_color(); }
};

template<>
struct TypeCode<String> {
    static constexpr std::string_view code = "s";
    static constexpr std::string_view delegate_name = "String";
    static Variant to_variant(String const& value) { return StringToVariant(value); }
    static String from_variant(Variant const& value) { return VariantToString(value); }
};

namespace detail {
    struct PointerCode {
        static constexpr std::string_view code = "p";
        static constexpr std::string_view delegate_name = "Ptr";
    };
}

template<>
struct TypeCode<AnyFunction> : detail::PointerCode {
};

template<>
struct TypeCode<ClassTable> : detail::PointerCode {
};

template<>
struct TypeCode<void*> : detail::PointerCode {
};

template<typename R, typename... A>
struct TypeCode<R (*)(A...)> : detail::PointerCode {
};

template<typename T>
requires std::is_base_of_v<Object, T>
struct TypeCode<T*> : detail::ObjectCode<T> {
    static Variant to_variant(T* value) { return Variant(Ref<Object>(static_cast<Object*>(value))); }
    static T* from_variant(Variant const& value) { return detail::object_as<T>(value); }
};

template<typename T>
requires std::is_base_of_v<Object, T>
struct TypeCode<Ref<T>> : detail::ObjectCode<T> {
    static Variant to_variant(Ref<T> const& value) { return Variant(Ref<Object>(value.ptr())); }
    static Ref<T> from_variant(Variant const& value) { return Ref<T>(detail::object_as<T>(value)); }
};

// The code of a parameter, result or property type.
template<typename T>
inline constexpr std::string_view type_code = TypeCode<std::remove_cvref_t<T>>::code;

// Whether reflection can pass a value of type T, or give one back (void: no
// value at all).
template<typename T>
concept ByVariant = std::is_void_v<T> || requires(Variant const& value)
{
    TypeCode<std::remove_cvref_t<T>>::from_variant(value);
};

// The reflection conversions.
template<typename T>
Variant to_variant(T const& value)
{
    return TypeCode<std::remove_cvref_t<T>>::to_variant(value);
}
template<typename T>
T from_variant(Variant const& value)
{
    return TypeCode<T>::from_variant(value);
}

}
