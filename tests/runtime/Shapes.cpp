#include "Shapes.h"

#include "framework/runtime/ClassRows.h"
#include "tests/support/runtime/PlainClass.h"

namespace shapes {

namespace {

    constexpr fw::AttributeRow public_scope[] = { { "__Scope", "Public" } };
    constexpr fw::AttributeRow hidden[] = { { "__Scope", "Public" }, { "Hidden", nullptr } };

    constexpr fw::OperationRow shape_operations[] = {
        fw::operation<&Shape::Area>("%i4%", public_scope),
        fw::method<&Shape::Draw>("%%", hidden),
    };
    // Circle's Area hides Shape's among the method entries; its slot stays.
    constexpr fw::OperationRow circle_operations[] = {
        fw::method<&Circle::Area>("%i4%"),
    };
    char const* const shape_events[] = { "Open", "Close" };

    std::span<fw::PropertyRow const> shape_properties()
    {
        static fw::PropertyRow const rows[] = {
            fw::property_row<&Shape::FillColor, &Shape::set_FillColor>("c", public_scope),
        };
        return rows;
    }

}

fw::ClassTable const& Shape::__Lookup()
{
    static fw::ClassTable const* table = fw::build_class({
        .name = "Shapes.Shape",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Shape),
        .factory = []() -> fw::Object* { return new Shape; },
        .operations = shape_operations,
        .events = shape_events,
        .properties = shape_properties(),
        .attributes = public_scope,
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
        .operations = circle_operations,
    });
    return *table;
}

fw::ClassTable const& Stranger::__Lookup()
{
    static fw::ClassTable const* table = test_support::plain_class<Stranger>("Shapes.Stranger", Object::__Lookup());
    return *table;
}

}
