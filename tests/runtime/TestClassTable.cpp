// Class tables: what RuntimeNewClass copies from the parent and leaves for
// the builder, attribute lists, and lookups by name.

#include "Shapes.h"

#include "framework/runtime/ClassTable.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <string>
#include <vector>

namespace {

using shapes::Circle;
using shapes::Shape;

void some_handler() { }

std::vector<std::string> method_names(fw::ClassTable const& table)
{
    std::vector<std::string> names;
    for (auto const& entry : table.methods)
        names.push_back(entry.name);
    return names;
}

TEST(RuntimeNewClass, CopiesParentEntriesFirstAndLeavesOwnEntriesEmpty)
{
    auto const& parent = Shape::__Lookup();
    auto* table = fw::RuntimeNewClass(&parent, 4, 0, 3, 0, 2, 1);
    ASSERT_EQ(table->methods.size(), 4u);
    ASSERT_EQ(table->events.size(), 3u);
    ASSERT_EQ(table->properties.size(), 2u);
    EXPECT_EQ(method_names(*table), (std::vector<std::string> { "Area", "Draw", "", "" }));
    EXPECT_EQ(table->methods[1].attributes.size(), 2u);
    EXPECT_EQ(table->events[1].name, "Close");
    EXPECT_EQ(table->events[2].name, "");
    EXPECT_EQ(table->properties[0].name, "FillColor");
    EXPECT_EQ(table->properties[1].name, "");
    EXPECT_EQ(table->base, &parent);
    EXPECT_EQ(table->instance_size, parent.instance_size);
    EXPECT_TRUE(table->attributes.empty()) << "class attributes are the builder's own, never inherited";
}

TEST(RuntimeNewClass, SetsNoEventHandlerEvenWhenTheParentHasOne)
{
    auto* parent = fw::RuntimeNewClass(&Shape::__Lookup(), 2, 0, 2, 0, 1, 0);
    parent->events[0].handler = fw::any_function(some_handler);
    auto* child = fw::RuntimeNewClass(parent, 2, 0, 2, 0, 1, 0);
    for (auto const& event : child->events)
        EXPECT_EQ(event.handler, nullptr) << event.name;
    EXPECT_EQ(child->events[0].name, "Open");
}

TEST(RuntimeNewClass, WithoutParentGivesEmptyEntries)
{
    auto* table = fw::RuntimeNewClass(nullptr, 2, 0, 1, 0, 0, 0);
    EXPECT_EQ(method_names(*table), (std::vector<std::string> { "", "" }));
    EXPECT_EQ(table->base, nullptr);
    EXPECT_EQ(table->events.size(), 1u);
}

TEST(RuntimeNewVtable, GivesEmptySlotsOfTheLength)
{
    auto slots = fw::RuntimeNewVtable(3);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[2].entry, nullptr);
}

TEST(AttributeList, AllocatesEmptyRecordsOnTheEntry)
{
    auto* table = fw::RuntimeNewClass(nullptr, 1, 0, 0, 0, 0, 0);
    auto& list = fw::RuntimeAllocateAttributeTable(table->methods, table->methods[0], 2);
    EXPECT_EQ(&list, &table->methods[0].attributes);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].name, "");
    EXPECT_FALSE(list[1].has_value);
}

TEST(AttributeList, KeepsValuesAndValuelessAttributesApart)
{
    auto const* draw = Shape::__Lookup().find_method("Draw");
    ASSERT_NE(draw, nullptr);
    auto const* scope = fw::find_attribute(draw->attributes, "__Scope");
    auto const* hidden = fw::find_attribute(draw->attributes, "Hidden");
    ASSERT_TRUE(scope && hidden);
    EXPECT_TRUE(scope->has_value);
    EXPECT_EQ(scope->value, "Public");
    EXPECT_FALSE(hidden->has_value);
    EXPECT_EQ(hidden->value, "");
    EXPECT_EQ(fw::find_attribute(draw->attributes, "hidden"), nullptr) << "attribute names match exactly";
}

TEST(BuildClass, AppendsOwnEntriesAfterTheBases)
{
    auto const& circle = Circle::__Lookup();
    EXPECT_EQ(circle.name, "Shapes.Circle");
    EXPECT_EQ(circle.base, &Shape::__Lookup());
    EXPECT_EQ(method_names(circle), (std::vector<std::string> { "Area", "Draw", "Area" }));
    EXPECT_EQ(circle.vtable.size(), 1u);
    EXPECT_EQ(circle.find_attribute("__Scope"), nullptr);
    ASSERT_NE(Shape::__Lookup().find_attribute("__Scope"), nullptr);
}

TEST(BuildClass, SecondLookupChangesNothing)
{
    auto const& first = Circle::__Lookup();
    auto const names = method_names(first);
    auto const& second = Circle::__Lookup();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(method_names(second), names);
    EXPECT_EQ(second.events.size(), 2u);
}

TEST(ClassLookup, FindsTheDerivedEntryBeforeTheBases)
{
    auto const& circle = Circle::__Lookup();
    auto const* area = circle.find_method("Area");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area, &circle.methods[2]);
    EXPECT_EQ(circle.find_method("Draw"), &circle.methods[1]);
    EXPECT_EQ(circle.find_method("area"), nullptr) << "method names match exactly";
    EXPECT_EQ(circle.find_method("Missing"), nullptr);
}

using MethodEntryCall = LiveCountTest;

TEST_F(MethodEntryCall, ReachesTheMethodOnTheObjectPassedFirst)
{
    auto circle = fw::make<Circle>();
    auto const* area = Circle::__Lookup().find_method("Area");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(fw::typed_function<int(fw::Object*)>(area->function)(circle.ptr()), 3) << "virtual dispatch";
}

TEST(ClassLookup, FindsPropertiesIgnoringCase)
{
    auto const& circle = Circle::__Lookup();
    EXPECT_EQ(circle.find_property("FillColor"), &circle.properties[0]);
    EXPECT_EQ(circle.find_property("fillcolor"), nullptr);
    EXPECT_EQ(circle.find_property_nocase("fillCOLOR"), &circle.properties[0]);
    EXPECT_EQ(circle.find_property_nocase("FillColour"), nullptr);
    EXPECT_EQ(circle.find_property_nocase(""), nullptr);
}

TEST(ClassLookup, GivesEventAndSlotPositions)
{
    auto const& circle = Circle::__Lookup();
    EXPECT_EQ(circle.event_index("Close"), 1);
    EXPECT_EQ(circle.event_index("MouseDown"), -1);
    EXPECT_EQ(circle.vtable_index("Area"), 0);
    EXPECT_EQ(circle.vtable_index("Draw"), -1);
}

TEST(ClassLookup, SubclassRelationFollowsTheBaseChain)
{
    auto const& circle = Circle::__Lookup();
    EXPECT_TRUE(circle.is_subclass_of(circle));
    EXPECT_TRUE(circle.is_subclass_of(Shape::__Lookup()));
    EXPECT_TRUE(circle.is_subclass_of(fw::Object::__Lookup()));
    EXPECT_FALSE(Shape::__Lookup().is_subclass_of(circle));
    EXPECT_FALSE(circle.is_subclass_of(shapes::Stranger::__Lookup()));
}

}
