#include "Shapes.h"

#include "framework/runtime/ClassTable.h"
#include "tests/support/runtime/PlainClass.h"

namespace shapes {

namespace {

    int shape_area(Shape* self) { return self->Area(); }

    constexpr fw::AttributeRow public_scope[] = { { "__Scope", "Public" } };
    constexpr fw::AttributeRow hidden[] = { { "__Scope", "Public" }, { "Hidden", nullptr } };

    // name, mark, signature, function, adapter, attributes
    fw::MethodRow const shape_methods[] = {
        { "Area", fw::MarkPublicMethod, "%i4%", fw::any_function(shape_area), nullptr, public_scope },
        { "Draw", fw::MarkPublicMethod, "%%", nullptr, nullptr, hidden },
    };
    fw::MethodRow const circle_methods[] = {
        { "Area", fw::MarkPublicMethod, "%i4%", fw::any_function(shape_area), nullptr, {} },
    };
    // name, mark, type, get, set, get_value, set_value, attributes
    fw::PropertyRow const shape_properties[] = {
        { "FillColor", fw::MarkReadWriteProperty, "c", nullptr, nullptr, nullptr, nullptr, public_scope },
    };
    char const* const shape_events[] = { "Open", "Close" };
    fw::VtableSlot const shape_slots[] = { { "Area", fw::any_function(shape_area) } };

}

fw::ClassTable const& Shape::__Lookup()
{
    static fw::ClassTable const* table = fw::build_class({
        .name = "Shapes.Shape",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Shape),
        .factory = []() -> fw::Object* { return new Shape; },
        .methods = shape_methods,
        .events = shape_events,
        .properties = shape_properties,
        .attributes = public_scope,
        .vtable = shape_slots,
    });
    return *table;
}

fw::ClassTable const& Circle::__Lookup()
{
    static fw::ClassTable const* table = fw::build_class({
        .name = "Shapes.Circle",
        .base = &Shape::__Lookup(),
        .instance_size = sizeof(Circle),
        .factory = []() -> fw::Object* { return new Circle; },
        .methods = circle_methods,
    });
    return *table;
}

fw::ClassTable const& Stranger::__Lookup()
{
    static fw::ClassTable const* table = test_support::plain_class<Stranger>("Shapes.Stranger", Object::__Lookup());
    return *table;
}

}
