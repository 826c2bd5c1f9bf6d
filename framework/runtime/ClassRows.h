#pragma once

// The makers of a class table's rows from C++ members: method thunks,
// operation rows, property rows and object-field rows.
//
// A thunk is a plain captureless function that takes the object first, over
// a member function: method_entry<&C::M>() gives R (*)(Object*, A...) as an
// AnyFunction. Calling a virtual member through its member pointer dispatches
// virtually, so a base class's slot thunk also serves a class that overrides
// the member.
//
// A row over a member takes its name from the member (member_name), so the
// name is written once and cannot be another member's. Operation rows tie a
// member, its signature text and its adapter together: operation<&C::M>(
// "%sig", attributes) derives the thunk and Introspection::Invoke<R(A...)>
// from the member's type and refuses to compile when "%sig" is not that
// type's text. Property rows carry a type text, checked against the getter's
// value type by its code (TypeCode.h); object properties ("o<Date>") travel
// as Ref<Date> out and Date* in.
//
// Rows over routines (routine, method_routine, slot) name their entry
// themselves: a routine is no member, and one may serve several entries.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Introspection.h"
#include "framework/runtime/MemberTraits.h"
#include "framework/runtime/Signature.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

namespace fw {

// ---------------------------------------------------------------------------
// Method thunks
// ---------------------------------------------------------------------------

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
// Property rows
// ---------------------------------------------------------------------------

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

    template<typename F>
    struct OnlyParameter {
        using Type = void;
    };
    template<typename P>
    struct OnlyParameter<void(P)> {
        using Type = std::remove_cvref_t<P>;
    };

    // Whether Set is named for the property Get gives: set_<name>.
    template<auto Get, auto Set>
    constexpr bool is_setter_of()
    {
        std::string_view const setter = member_name<Set>;
        return setter.starts_with("set_") && setter.substr(4) == member_name<Get>;
    }

    // The set entry of a row: a thunk over a setter member, or the routine
    // void (*)(Object*, In) itself.
    template<auto Get, auto Set>
    AnyFunction set_entry()
    {
        using In = typename SetterValue<ValueOf<decltype(Get)>>::Type;
        using Setter = MemberTraits<decltype(Set)>;
        static_assert(std::is_same_v<typename OnlyParameter<typename Setter::Function>::Type, In>,
            "the setter does not take what the getter gives");
        using GetClass = typename MemberTraits<decltype(Get)>::Class;
        static_assert(
            std::is_base_of_v<typename Setter::Class, GetClass> || std::is_base_of_v<GetClass, typename Setter::Class>,
            "the setter is of another class");
        if constexpr (std::is_member_function_pointer_v<decltype(Set)>) {
            static_assert(is_setter_of<Get, Set>(),
                "the setter is another member's (a property's setter is set_<its getter's name>)");
            return any_function(&set_thunk<Set, In>);
        } else {
            static_assert(std::is_same_v<decltype(Set), void (*)(Object*, In)>, "a setter routine takes its value");
            return any_function(Set);
        }
    }

}

// A read-write property row from a getter member, named for it, and a
// setter, e.g. property_row<&Window::Width, &Window::set_Width>("i4"). The
// type text is checked against the getter's value type, and the setter must
// take that value (Ref<U> goes in as U*). The setter is the member set_<Name>
// or, where that member does not fit, a routine void (*)(Object* self, In).
template<auto Get, auto Set>
PropertyRow property_row(CheckedTypeText<detail::ValueOf<decltype(Get)>> type,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkReadWriteProperty)
{
    using Value = detail::ValueOf<decltype(Get)>;
    using In = typename detail::SetterValue<Value>::Type;
    return PropertyRow {
        member_name<Get>,
        mark,
        type.text,
        any_function(&detail::get_thunk<Get>),
        detail::set_entry<Get, Set>(),
        &property_get_value<Value>,
        &property_set_value<In>,
        attributes,
    };
}

// A read-only property row.
template<auto Get>
PropertyRow property_row(
    CheckedTypeText<detail::ValueOf<decltype(Get)>> type, std::span<AttributeRow const> attributes = {})
{
    return PropertyRow {
        member_name<Get>,
        MarkReadOnlyProperty,
        type.text,
        any_function(&detail::get_thunk<Get>),
        nullptr,
        &property_get_value<detail::ValueOf<decltype(Get)>>,
        nullptr,
        attributes,
    };
}

// ---------------------------------------------------------------------------
// Object-field rows
// ---------------------------------------------------------------------------
//
// The generic accessors of an object field, as a class table's property
// entries name them: Object.Get and Object.Set, and the value adapters
// Object.Introspection.GetValue and Object.Introspection.SetValue. They are
// templates over a member pointer to a Ref<T> field, so every object property
// of every class shares the same two routines. Following the framework's
// convention for object properties, the value goes out as Ref<T> (one
// reference for the caller) and comes in as T*.

namespace object_field {

    template<auto Field>
    using ClassOf = typename MemberTraits<decltype(Field)>::Class;
    template<typename T>
    struct Pointee;
    template<typename T>
    struct Pointee<Ref<T>> {
        using Type = T;
    };

    template<auto Field>
    using ValueOf = typename Pointee<typename MemberTraits<decltype(Field)>::Value>::Type;

}

// Object.Get: the reference stored in the field, with one for the caller.
template<auto Field>
Ref<object_field::ValueOf<Field>> Object_Get(Object* self)
{
    return static_cast<object_field::ClassOf<Field>&>(checked(self)).*Field;
}

// Object.Set: retains the new value and releases the one it replaces.
template<auto Field>
void Object_Set(Object* self, object_field::ValueOf<Field>* value)
{
    static_cast<object_field::ClassOf<Field>&>(checked(self)).*Field = Ref(value);
}

// Object.Introspection.GetValue and .SetValue: the field as a Variant. An
// object of another class given to SetValue raises IllegalCastException.
template<auto Field>
constexpr GetValueAdapter Object_Introspection_GetValue = &property_get_value<Ref<object_field::ValueOf<Field>>>;
template<auto Field>
constexpr SetValueAdapter Object_Introspection_SetValue = &property_set_value<object_field::ValueOf<Field>*>;

// A read-write property row over an object field, named for it; its type
// text ("o<Date>") is checked against the field's class.
template<auto Field>
PropertyRow object_field_row(
    CheckedTypeText<object_field::ValueOf<Field>*> type, std::span<AttributeRow const> attributes, std::int32_t mark)
{
    return PropertyRow {
        member_name<Field>,
        mark,
        type.text,
        any_function(&Object_Get<Field>),
        any_function(&Object_Set<Field>),
        Object_Introspection_GetValue<Field>,
        Object_Introspection_SetValue<Field>,
        attributes,
    };
}

// ---------------------------------------------------------------------------
// Operation rows
// ---------------------------------------------------------------------------

namespace detail {

    template<typename F>
    struct AdapterFor;
    template<typename R, typename... A>
    struct AdapterFor<R(A...)> {
        // None where reflection cannot pass an argument (a routine, a class
        // table): such a method is found by name but not invoked.
        static constexpr InvokeAdapter choose()
        {
            if constexpr ((ByVariant<R> && ... && ByVariant<A>))
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
    constexpr OperationRow member_row(OperationRow::Kind kind, CheckedSignature<FunctionType<decltype(M)>> signature,
        std::span<AttributeRow const> attributes, std::int32_t mark)
    {
        return OperationRow { member_name<M>, kind, signature.text, &method_entry<M>,
            AdapterFor<FunctionType<decltype(M)>>::value, attributes, mark };
    }

}

// A virtual member: a slot and a method entry, both named for the member,
// e.g. operation<&frmMain::WeekDay>("%s%i4", public_scope).
template<auto M>
constexpr OperationRow operation(CheckedSignature<FunctionType<decltype(M)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return detail::member_row<M>(OperationRow::SlotAndMethod, signature, attributes, mark);
}

// A member with a method entry and no slot of its own.
template<auto M>
constexpr OperationRow method(CheckedSignature<FunctionType<decltype(M)>> signature,
    std::span<AttributeRow const> attributes = {}, std::int32_t mark = MarkPublicMethod)
{
    return detail::member_row<M>(OperationRow::MethodOnly, signature, attributes, mark);
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

// The slot entry of an operation a class's record has but this platform has
// nothing behind: it raises RuntimeException.
template<typename R, typename... A>
R unsupported(Object*, A...)
{
    raise(make<RuntimeException>("not supported"));
}

}
