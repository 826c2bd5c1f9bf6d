#pragma once

// Making objects by class table and checking casts between classes.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"

namespace fw {

// A new, unconstructed instance of the class, through its factory, with its
// first reference for the caller. Raises RuntimeException for a class that
// cannot be instantiated (no factory).
Ref<Object> RuntimeNewObject(ClassTable const& cls);

// The object as the given class: nil gives nil, an instance of the class or
// a subclass gives itself, anything else raises IllegalCastException.
Object* RuntimeCheckCast(Object* object, ClassTable const& cls);

// The typed form: Ref<T> of the same object, or nil.
template<typename T, typename U>
Ref<T> RuntimeCheckCast(Ref<U> const& object)
{
    RuntimeCheckCast(object.ptr(), T::__Lookup());
    return Ref<T>(dynamic_cast<T*>(static_cast<Object*>(object.ptr())));
}

// The object a routine entry takes first, as class T: a nil object raises
// NilObjectException, an object of another class IllegalCastException.
template<typename T>
T& checked_cast(Object* object)
{
    RuntimeCheckCast(&checked(object), T::__Lookup());
    return static_cast<T&>(*object);
}

// Makes and casts in one step, for code that needs a T.
template<typename T>
Ref<T> new_object()
{
    return RuntimeCheckCast<T>(RuntimeNewObject(T::__Lookup()));
}

}
