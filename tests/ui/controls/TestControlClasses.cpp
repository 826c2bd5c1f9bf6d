// The class tables of the controls: event indices, their base, and the font
// properties no stream sets.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TEST(ControlClasses, EventIndicesAreThoseBindingsUse)
{
    auto const& field = TextField::__Lookup();
    EXPECT_EQ(field.events.size(), 23u);
    EXPECT_EQ(field.event_index("KeyDown"), 13);
    EXPECT_EQ(field.event_index("GotFocus"), 15);
    EXPECT_EQ(field.event_index("LostFocus"), 16);
    EXPECT_EQ(field.event_index("TextChange"), 20);

    auto const& button = BevelButton::__Lookup();
    EXPECT_EQ(button.events.size(), 20u);
    EXPECT_EQ(button.event_index("Action"), 17);
    EXPECT_EQ(button.event_index("LostFocus"), 19);

    EXPECT_EQ(Label::__Lookup().events.size(), 15u);
}

TEST(ControlClasses, DeriveFromRectControlAndCanBeMadeByClass)
{
    for (auto const* cls : { &TextField::__Lookup(), &Label::__Lookup(), &BevelButton::__Lookup() }) {
        SCOPED_TRACE(cls->name);
        EXPECT_TRUE(cls->is_subclass_of(RectControl::__Lookup()));
        auto object = RuntimeNewObject(*cls);
        EXPECT_EQ(&object->class_table(), cls);
    }
}

TEST(ControlClasses, FontSizeAndUnitAreNotStreamTypes)
{
    for (auto const* cls : { &TextField::__Lookup(), &Label::__Lookup(), &BevelButton::__Lookup() }) {
        SCOPED_TRACE(cls->name);
        EXPECT_EQ(cls->find_property("TextSize")->type, "f4");
        EXPECT_EQ(cls->find_property("TextUnit")->type, "u1");
    }
}

// The constants the framework raises and binds by must be the indices the
// class tables give the same names.
TEST(DerivedEventIndices, AgreeWithTheClassTables)
{
    auto const& field = TextField::__Lookup();
    EXPECT_EQ(field.event_index("KeyDown"), TextFieldKeyDown);
    EXPECT_EQ(field.event_index("GotFocus"), TextFieldGotFocus);
    EXPECT_EQ(field.event_index("LostFocus"), TextFieldLostFocus);
    EXPECT_EQ(field.event_index("TextChange"), TextFieldTextChange);

    auto const& button = BevelButton::__Lookup();
    EXPECT_EQ(button.event_index("Action"), BevelButtonAction);
    EXPECT_EQ(button.event_index("GotFocus"), BevelButtonGotFocus);
    EXPECT_EQ(button.event_index("LostFocus"), BevelButtonLostFocus);
    constexpr std::int32_t key_down = control_event_index(BevelButtonEvents, "KeyDown");
    EXPECT_EQ(button.event_index("KeyDown"), key_down);
}

}
