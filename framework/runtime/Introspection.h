#pragma once

// Generic pieces for filling class tables from C++ members: method thunks,
// property rows with their accessor thunks and value adapters, and the
// reflection call adapters ("Introspection.Invoke").
//
// A thunk is a plain captureless function that takes the object first, over
// a member function: method_entry<&C::M>() gives R (*)(Object*, A...) as an
// AnyFunction. Calling a virtual member through its member pointer dispatches
// virtually, so a base class's slot thunk also serves a class that overrides
// the member.
//
// Property accessors carry their value by the property's C++ type T, always
// by value: the getter is T (*)(Object*), the setter void (*)(Object*, T).
// The stream types are i4 = std::int32_t, b = bool, c = Color, s = String;
// object properties ("o<Date>") travel as Ref<Date> out and Date* in.
//
// Invoke<R(A...)> is the call adapter for a method R (*)(Object*, A...): it
// raises NilObjectException for a nil object, or for a nil list when the
// method takes arguments; converts argument i of the list to A_i (an object
// by RuntimeCheckCast to its class, text by VariantToString); and gives the
// result as a Variant (nil when there is none).
//
// Operation rows (end of file) tie a member, its signature text and its
// adapter together: operation<&C::M>("Name", "%sig", attributes) derives the
// thunk and Invoke<R(A...)> from the member's type and refuses to compile
// when "%sig" is not that type's text.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Signature.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

// ---------------------------------------------------------------------------
// Member function traits
// ---------------------------------------------------------------------------

template<typename M>
struct MemberTraits;
template<typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Thunk = R (*)(Object*, A...);
};
template<typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...) const> : MemberTraits<R (C::*)(A...)> {
};
template<typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...) noexcept> : MemberTraits<R (C::*)(A...)> {
};
template<typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...) const noexcept> : MemberTraits<R (C::*)(A...)> {
};

namespace detail {

    template<auto M, typename Thunk = typename MemberTraits<decltype(M)>::Thunk>
    struct MethodThunk;
    template<auto M, typename R, typename... A>
    struct MethodThunk<M, R (*)(Object*, A...)> {
        using Class = typename MemberTraits<decltype(M)>::Class;
        static R call(Object* self, A... args)
        {
            return (static_cast<Class*>(&checked(self))->*M)(std::forward<A>(args)...);
        }
    };

}

// The thunk over a member function: R (*)(Object* self, A...), which raises
// NilObjectException for a nil self.
template<auto M>
AnyFunction method_entry() noexcept
{
    return any_function(&detail::MethodThunk<M>::call);
}

// ---------------------------------------------------------------------------
// Values between C++ types and Variants
// ---------------------------------------------------------------------------

template<typename T>
struct IsRef : std::false_type {
};
template<typename T>
struct IsRef<Ref<T>> : std::true_type {
    using Pointee = T;
};

template<typename T>
Variant to_variant(T const& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return BooleanToVariant(value);
    else if constexpr (std::is_same_v<T, float>)
        return Variant(double(value));
    else if constexpr (std::is_integral_v<T>)
        return Variant(std::int32_t(value));
    else if constexpr (std::is_same_v<T, String>)
        return StringToVariant(value);
    else if constexpr (IsRef<T>::value)
        return Variant(Ref<Object>(value.ptr()));
    else if constexpr (std::is_pointer_v<T>)
        return Variant(Ref<Object>(static_cast<Object*>(value)));
    else
        return Variant(value);
}

// An object argument or value as class T: nil stays nil, another class
// raises IllegalCastException.
template<typename T>
T* object_as(Variant const& value)
{
    Object* object = RuntimeCheckCast(value.to_object(), T::__Lookup());
    return static_cast<T*>(object);
}

template<typename T>
T from_variant(Variant const& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value.to_bool();
    else if constexpr (std::is_same_v<T, float>)
        return float(value.to_double());
    else if constexpr (std::is_same_v<T, double>)
        return value.to_double();
    else if constexpr (std::is_integral_v<T>)
        return T(value.to_int32());
    else if constexpr (std::is_same_v<T, String>)
        return VariantToString(value);
    else if constexpr (std::is_same_v<T, Color>)
        return value.to_color();
    else if constexpr (IsRef<T>::value)
        return T(object_as<typename IsRef<T>::Pointee>(value));
    else if constexpr (std::is_pointer_v<T>)
        return object_as<std::remove_pointer_t<T>>(value);
    else
        static_assert(sizeof(T) == 0, "no conversion from Variant");
}

// ---------------------------------------------------------------------------
// Property rows
// ---------------------------------------------------------------------------

template<typename T>
using PropertyGetter = T (*)(Object* self);
template<typename T>
using PropertySetter = void (*)(Object* self, T value);

// The type text a C++ property type must carry, or null where the caller
// names it (objects, rarer numbers).
template<typename T>
constexpr char const* type_text_of()
{
    if constexpr (std::is_same_v<T, bool>)
        return "b";
    else if constexpr (std::is_same_v<T, std::int32_t>)
        return "i4";
    else if constexpr (std::is_same_v<T, Color>)
        return "c";
    else if constexpr (std::is_same_v<T, String>)
        return "s";
    else
        return nullptr;
}

// Aborts when a row's type text and its C++ type disagree: a reader of the
// table (a property stream) would call the accessor with the wrong type.
void check_property_type(char const* name, char const* type, char const* expected);

namespace detail {

    template<typename M>
    using ValueOf = std::remove_cvref_t<typename MemberTraits<M>::Result>;

    template<auto Get>
    auto get_thunk(Object* self) -> ValueOf<decltype(Get)>
    {
        using Class = typename MemberTraits<decltype(Get)>::Class;
        return (static_cast<Class const*>(&checked(self))->*Get)();
    }

    template<auto Set, typename T>
    void set_thunk(Object* self, T value)
    {
        using Class = typename MemberTraits<decltype(Set)>::Class;
        (static_cast<Class*>(&checked(self))->*Set)(std::move(value));
    }

    // What a setter takes for a value the getter gives: Ref<U> goes in as U*.
    template<typename T>
    struct SetterValue {
        using Type = T;
    };
    template<typename U>
    struct SetterValue<Ref<U>> {
        using Type = U*;
    };

}

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

// A read-write property row from a getter and setter member pair, e.g.
// property_row<&Window::Width, &Window::set_Width>("Width", "i4").
template<auto Get, auto Set>
PropertyRow property_row(char const* name, char const* type, std::span<AttributeRow const> attributes = {},
    std::int32_t mark = MarkReadWriteProperty)
{
    using Value = detail::ValueOf<decltype(Get)>;
    using In = typename detail::SetterValue<Value>::Type;
    check_property_type(name, type, type_text_of<Value>());
    return PropertyRow {
        name,
        mark,
        type,
        any_function(&detail::get_thunk<Get>),
        any_function(&detail::set_thunk<Set, In>),
        &property_get_value<Value>,
        &property_set_value<In>,
        attributes,
    };
}

// A read-only property row.
template<auto Get>
PropertyRow property_row(char const* name, char const* type, std::span<AttributeRow const> attributes = {})
{
    using Value = detail::ValueOf<decltype(Get)>;
    check_property_type(name, type, type_text_of<Value>());
    return PropertyRow {
        name,
        MarkReadOnlyProperty,
        type,
        any_function(&detail::get_thunk<Get>),
        nullptr,
        &property_get_value<Value>,
        nullptr,
        attributes,
    };
}

// ---------------------------------------------------------------------------
// Reflection call adapters
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

// ---------------------------------------------------------------------------
// Operation rows
// ---------------------------------------------------------------------------

namespace detail {

    // Whether reflection can pass a value of type T (or give it back).
    template<typename T>
    constexpr bool passes_by_variant
        = std::is_void_v<
              T> || std::is_same_v<std::remove_cvref_t<T>, bool> || std::is_same_v<std::remove_cvref_t<T>, std::int32_t> || std::is_same_v<std::remove_cvref_t<T>, String> || signature::is_object<T>;

    template<typename F>
    struct AdapterFor;
    template<typename R, typename... A>
    struct AdapterFor<R(A...)> {
        // None where reflection cannot pass an argument (a routine, a class
        // table): such a method is found by name but not invoked.
        static constexpr InvokeAdapter choose()
        {
            if constexpr ((passes_by_variant<R> && ... && passes_by_variant<A>))
                return &Introspection::Invoke<R(A...)>;
            else
                return nullptr;
        }
        static constexpr InvokeAdapter value = choose();
    };

    template<auto F>
    AnyFunction routine_entry() noexcept
    {
        return any_function(F);
    }

    template<auto M>
    constexpr OperationRow member_row(OperationRow::Kind kind, char const* name,
        CheckedSignature<FunctionType<decltype(M)>> signature, std::span<AttributeRow const> attributes,
        std::int32_t mark)
    {
        return OperationRow { name, kind, signature.text, &method_entry<M>,
            AdapterFor<FunctionType<decltype(M)>>::value, attributes, mark };
    }

}

// A virtual member: a slot and a method entry, e.g.
// operation<&frmMain::WeekDay>("WeekDay", "%s%i4", public_scope).
template<auto M>
constexpr OperationRow operation(char const* name, CheckedSignature<FunctionType<decltype(M)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return detail::member_row<M>(OperationRow::SlotAndMethod, name, signature, attributes, mark);
}

// A member with a method entry and no slot of its own.
template<auto M>
constexpr OperationRow method(char const* name, CheckedSignature<FunctionType<decltype(M)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return detail::member_row<M>(OperationRow::MethodOnly, name, signature, attributes, mark);
}

// A routine R (*)(Object* self, A...) with a slot and a method entry.
template<auto F>
constexpr OperationRow routine(char const* name, CheckedSignature<FunctionType<decltype(F)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return OperationRow { name, OperationRow::SlotAndMethod, signature.text, &detail::routine_entry<F>,
        detail::AdapterFor<FunctionType<decltype(F)>>::value, attributes, mark };
}

// A routine R (*)(Object* self, A...) with a method entry only.
template<auto F>
constexpr OperationRow method_routine(char const* name, CheckedSignature<FunctionType<decltype(F)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return OperationRow { name, OperationRow::MethodOnly, signature.text, &detail::routine_entry<F>,
        detail::AdapterFor<FunctionType<decltype(F)>>::value, attributes, mark };
}

// A routine R (*)(Object* self, A...) with a slot only.
template<auto F>
constexpr OperationRow slot(char const* name)
{
    static_assert(std::is_pointer_v<decltype(F)>, "a slot routine takes the object first");
    return OperationRow { name, OperationRow::SlotOnly, nullptr, &detail::routine_entry<F>, nullptr, {}, 0 };
}

}
