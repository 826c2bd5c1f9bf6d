// Date's class table: its factory and the reflection rows of its properties.

#include "framework/date/Date.h"
#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Variant.h"

namespace fw {

namespace {
    Date& as_date(Object* self) { return static_cast<Date&>(*self); }

    using GetInt = std::int32_t (*)(Object*);
    using SetInt = void (*)(Object*, std::int32_t);
    using GetDouble = double (*)(Object*);
    using SetDouble = void (*)(Object*, double);
    using GetText = std::string (*)(Object*);

    Variant get_int(PropertyEntry const& p, Object* self) { return typed_function<std::int32_t(Object*)>(p.get)(self); }
    void set_int(PropertyEntry const& p, Object* self, Variant const& value)
    {
        typed_function<void(Object*, std::int32_t)>(p.set)(self, value.to_int32());
    }
    Variant get_double(PropertyEntry const& p, Object* self) { return typed_function<double(Object*)>(p.get)(self); }
    void set_double(PropertyEntry const& p, Object* self, Variant const& value)
    {
        typed_function<void(Object*, double)>(p.set)(self, value.to_double());
    }
    Variant get_text(PropertyEntry const& p, Object* self) { return typed_function<std::string(Object*)>(p.get)(self); }

    GetInt const year = [](Object* self) { return as_date(self).Year(); };
    SetInt const set_year = [](Object* self, std::int32_t value) { as_date(self).set_Year(value); };
    GetInt const day_of_year = [](Object* self) { return as_date(self).DayOfYear(); };
    GetInt const day_of_week = [](Object* self) { return as_date(self).DayOfWeek(); };
    GetDouble const total_seconds = [](Object* self) { return as_date(self).TotalSeconds(); };
    SetDouble const set_total_seconds = [](Object* self, double value) { as_date(self).set_TotalSeconds(value); };
    GetText const short_date = [](Object* self) { return as_date(self).ShortDate(); };
}

ClassTable const& Date::__Lookup()
{
    static PropertyRow const properties[] = {
        { "Year", MarkReadWriteProperty, "i4", any_function(year), any_function(set_year), get_int, set_int, {} },
        { "DayOfYear", MarkReadOnlyProperty, "i4", any_function(day_of_year), nullptr, get_int, nullptr, {} },
        { "DayOfWeek", MarkReadOnlyProperty, "i4", any_function(day_of_week), nullptr, get_int, nullptr, {} },
        { "TotalSeconds", MarkReadWriteProperty, "f8", any_function(total_seconds), any_function(set_total_seconds),
            get_double, set_double, {} },
        { "ShortDate", MarkReadOnlyProperty, "s", any_function(short_date), nullptr, get_text, nullptr, {} },
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
