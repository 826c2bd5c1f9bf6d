#include "framework/runtime/Runtime.h"

namespace fw {

Ref<Object> RuntimeNewObject(ClassTable const& cls)
{
    if (!cls.factory)
        raise(make<RuntimeException>("class " + cls.name + " cannot be instantiated"));
    return adopt_ref(cls.factory());
}

Object* RuntimeCheckCast(Object* object, ClassTable const& cls)
{
    if (object && !object->class_table().is_subclass_of(cls))
        raise(make<IllegalCastException>(object->class_table().name + " is not a " + cls.name));
    return object;
}

ClassTable const& Object::__Lookup()
{
    static ClassTable const* table = build_class(ClassSpec {
        .name = "Object",
        .instance_size = sizeof(Object),
    });
    return *table;
}

}
