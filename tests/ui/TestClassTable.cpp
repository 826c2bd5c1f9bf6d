// The class tables of Window and the controls: member counts, event
// indices, properties by their stream names and types, and the slots a
// window class inherits.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TEST(WindowClass, HasTheMemberCountsAWindowClassBuildsOn)
{
    auto const& cls = Window::__Lookup();
    EXPECT_EQ(cls.name, "Window");
    EXPECT_EQ(cls.methods.size(), 130u);
    EXPECT_EQ(cls.events.size(), 33u);
    EXPECT_EQ(cls.properties.size(), 49u);
}

TEST(WindowClass, EventsStandInTheirOrder)
{
    auto const& cls = Window::__Lookup();
    EXPECT_EQ(cls.event_index("Layout"), 0);
    EXPECT_EQ(cls.event_index("AddMenuHandlers"), 2);
    EXPECT_EQ(cls.event_index("Open"), 4);
    EXPECT_EQ(cls.event_index("CancelClose"), 6);
    EXPECT_EQ(cls.event_index("EnableMenuItems"), 26);
    EXPECT_EQ(cls.event_index("ContentsChanged"), 32);
    for (auto const& event : cls.events)
        EXPECT_EQ(event.handler, nullptr) << event.name;
}

TEST(WindowClass, MethodsCarryTheirSignatures)
{
    auto const& cls = Window::__Lookup();
    struct Row {
        char const* name;
        char const* signature;
    };
    for (auto const& row : std::initializer_list<Row> {
             { "Constructor", "%%" },
             { "_AddControl", "%%so<RectControl>" },
             { "_ControlByName", "%o<RectControl>%s" },
             { "_AddMenuHandler", "%%sp" },
             { "Close", "%b%" },
         }) {
        SCOPED_TRACE(row.name);
        auto const* method = cls.find_method(row.name);
        ASSERT_NE(method, nullptr);
        EXPECT_EQ(method->signature, row.signature);
        EXPECT_EQ(method->mark, MarkPublicMethod);
        EXPECT_NE(method->function, nullptr);
    }
}

TEST(WindowClass, VirtualTableListsItsOperationsInOrder)
{
    auto const& vtable = Window::__Lookup().vtable;
    ASSERT_EQ(vtable.size(), 4u);
    EXPECT_EQ(vtable[0].name, "Constructor");
    EXPECT_EQ(vtable[1].name, "_AddControl");
    EXPECT_EQ(vtable[2].name, "_ControlByName");
    EXPECT_EQ(vtable[3].name, "_AddMenuHandler");
}

struct PropertyCase {
    char const* class_name;
    ClassTable const& (*lookup)();
    char const* stored_name; // as a stream spells it
    char const* type;
};

class StreamProperties : public ::testing::TestWithParam<PropertyCase> { };

TEST_P(StreamProperties, ExistWithTheirDeclaredType)
{
    auto const& row = GetParam();
    auto const* property = row.lookup().find_property_nocase(row.stored_name);
    ASSERT_NE(property, nullptr) << row.class_name << "." << row.stored_name;
    EXPECT_EQ(property->type, row.type);
    EXPECT_EQ(property->mark, MarkReadWriteProperty);
    EXPECT_NE(property->set, nullptr);
}

// Every record name of the stored layout, on the class that reads it.
std::vector<PropertyCase> stream_properties()
{
    std::vector<PropertyCase> rows;
    auto add = [&](char const* cls, ClassTable const& (*lookup)(), std::initializer_list<char const*> names,
                   char const* type) {
        for (auto const* name : names)
            rows.push_back({ cls, lookup, name, type });
    };
    auto* window = &Window::__Lookup;
    add("Window", window,
        { "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID" },
        "i4");
    add("Window", window,
        { "Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
            "LiveResize", "MaximizeButton", "MinimizeButton" },
        "b");
    add("Window", window, { "BackColor" }, "c");
    add("Window", window, { "Title" }, "s");

    auto* field = &TextField::__Lookup;
    add("TextField", field,
        { "Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "LimitText", "Alignment" }, "i4");
    add("TextField", field,
        { "LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop", "Border", "Password", "UseFocusRing", "Enabled",
            "Visible", "AutoDeactivate", "Bold", "Italic", "Underline", "ReadOnly", "AcceptTabs",
            "AutomaticallyCheckSpelling" },
        "b");
    add("TextField", field, { "TextColor", "BackColor" }, "c");
    add("TextField", field,
        { "Name", "Format", "HelpTag", "TextFont", "CueText", "Text", "Mask", "DataSource", "DataField" }, "s");

    auto* label = &Label::__Lookup;
    add("Label", label, { "Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "TextAlign" }, "i4");
    add("Label", label,
        { "LockLeft", "LockTop", "LockRight", "LockBottom", "Multiline", "Enabled", "Visible", "Selectable",
            "Transparent", "AutoDeactivate", "Bold", "Italic", "Underline" },
        "b");
    add("Label", label, { "TextColor" }, "c");
    add("Label", label, { "Name", "Text", "HelpTag", "TextFont", "DataSource", "DataField", "InitialParent" }, "s");

    auto* button = &BevelButton::__Lookup;
    add("BevelButton", button,
        { "Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "CaptionAlign", "CaptionPlacement",
            "CaptionDelta", "IconAlign", "IconDX", "IconDY", "Bevel", "HasMenu", "MenuValue", "ButtonType" },
        "i4");
    add("BevelButton", button,
        { "LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop", "Visible", "AutoDeactivate", "Enabled",
            "HasBackColor", "Value", "AcceptFocus", "Bold", "Italic", "Underline" },
        "b");
    add("BevelButton", button, { "BackColor", "TextColor" }, "c");
    add("BevelButton", button, { "Name", "InitialParent", "HelpTag", "Caption", "TextFont" }, "s");
    return rows;
}

INSTANTIATE_TEST_SUITE_P(StoredLayout, StreamProperties, ::testing::ValuesIn(stream_properties()),
    [](auto const& info) { return std::string(info.param.class_name) + "_" + info.param.stored_name; });

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

}
