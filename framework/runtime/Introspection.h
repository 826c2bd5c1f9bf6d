#pragma once

// Reflection's side of the class tables: the property value adapters
// ("Introspection.GetValue" and "Introspection.SetValue") and the call
// adapters ("Introspection.Invoke").
//
// Property accessors carry their value by the property's C++ type T, always
// by value: the getter is T (*)(Object*), the setter void (*)(Object*, T).
// Object properties ("o<Date>") travel as Ref<Date> out and Date* in.
//
// Invoke<R(A...)> is the call adapter for a method R (*)(Object*, A...): it
// raises NilObjectException for a nil object, or for a nil list when the
// method takes arguments; converts argument i of the list to A_i; and gives
// the result as a Variant (nil when there is none). Values convert as their
// TypeCode says: an object by RuntimeCheckCast to its class, text by
// VariantToString.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/String.h"
#include "framework/runtime/TypeCode.h"
#include "framework/runtime/Variant.h"

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

// ---------------------------------------------------------------------------
// Property value adapters
// ---------------------------------------------------------------------------

// Reflection value adapters over the typed accessors of an entry.
template<typename T>
Variant property_get_value(PropertyEntry const& property, Object* self)
{
    return to_variant(typed_function<T(Object*)>(property.get)(&checked(self)));
}
template<typename T>
void property_set_value(PropertyEntry const& property, Object* self, Variant const& value)
{
    typed_function<void(Object*, T)>(property.set)(&checked(self), from_variant<T>(value));
}

// ---------------------------------------------------------------------------
// Call adapters
// ---------------------------------------------------------------------------

namespace detail {

    Variant const& argument_at(std::vector<Variant> const& args, std::size_t index);

    template<typename Signature>
    struct InvokeImpl;
    template<typename R, typename... A>
    struct InvokeImpl<R(A...)> {
        template<std::size_t... I>
        static R call(AnyFunction function, Object* self, std::vector<Variant> const* args, std::index_sequence<I...>)
        {
            if constexpr (sizeof...(A) > 0)
                checked(args);
            return typed_function<R(Object*, A...)>(function)(
                self, from_variant<std::remove_cvref_t<A>>(argument_at(*args, I))...);
        }
        static Variant invoke(AnyFunction function, Object* self, std::vector<Variant> const* args)
        {
            checked(self);
            if constexpr (std::is_void_v<R>) {
                call(function, self, args, std::index_sequence_for<A...> {});
                return Variant();
            } else {
                return to_variant(call(function, self, args, std::index_sequence_for<A...> {}));
            }
        }
    };

}

namespace Introspection {

    // The call adapter for methods R (*)(Object*, A...); Signature is R(A...).
    template<typename Signature>
    Variant Invoke(AnyFunction function, Object* self, std::vector<Variant> const* args)
    {
        return detail::InvokeImpl<Signature>::invoke(function, self, args);
    }

    // The framework's own adapters, by signature text.
    extern template Variant Invoke<void()>(AnyFunction, Object*, std::vector<Variant> const*); // "%%"
    extern template Variant Invoke<bool(bool)>(AnyFunction, Object*, std::vector<Variant> const*); // "%b%b"
    extern template Variant Invoke<bool()>(AnyFunction, Object*, std::vector<Variant> const*); // "%b%"
    extern template Variant Invoke<String(std::int32_t)>(AnyFunction, Object*, std::vector<Variant> const*); // "%s%i4"
    // "%%o<Window>" is Invoke<void(Window*)>, kept with Window (framework/ui/window/Window.h).

}

}
