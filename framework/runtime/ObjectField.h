#pragma once

// The generic accessors of an object field, as a class table's property
// entries name them: Object.Get and Object.Set, and the value adapters
// Object.Introspection.GetValue and Object.Introspection.SetValue.
//
// They are templates over a member pointer to a Ref<T> field, so every
// object property of every class shares the same two routines. Following
// the framework's convention for object properties, the value goes out as
// Ref<T> (one reference for the caller) and comes in as T*.

#include "framework/runtime/Introspection.h"

#include <span>

namespace fw {

namespace object_field {

    template<typename M>
    struct FieldTraits;
    template<typename C, typename T>
    struct FieldTraits<Ref<T> C::*> {
        using Class = C;
        using Value = T;
    };

    template<auto Field>
    using ClassOf = typename FieldTraits<decltype(Field)>::Class;
    template<auto Field>
    using ValueOf = typename FieldTraits<decltype(Field)>::Value;

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

// A read-write property row over an object field; its type text ("o<Date>")
// is checked against the field's class.
template<auto Field>
PropertyRow object_field_row(char const* name, CheckedTypeText<object_field::ValueOf<Field>*> type,
    std::span<AttributeRow const> attributes, std::int32_t mark)
{
    return PropertyRow {
        name,
        mark,
        type.text,
        any_function(&Object_Get<Field>),
        any_function(&Object_Set<Field>),
        Object_Introspection_GetValue<Field>,
        Object_Introspection_SetValue<Field>,
        attributes,
    };
}

}
