// Date's class table: its factory and the reflection rows of its properties.

#include "framework/date/Date.h"
#include "framework/runtime/ClassRows.h"

namespace fw {

ClassTable const& Date::__Lookup()
{
    using T = Date;
    static PropertyRow const properties[] = {
        property_row<&T::Year, &T::set_Year>("i4"),
        property_row<&T::DayOfYear>("i4"),
        property_row<&T::DayOfWeek>("i4"),
        property_row<&T::TotalSeconds, &T::set_TotalSeconds>("f8"),
        property_row<&T::ShortDate>("s"),
    };
    static ClassTable const* table = build_class(ClassSpec {
        .name = "Date",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Date),
        .factory = []() -> Object* { return new Date; },
        .properties = properties,
    });
    return *table;
}

}
