// Every record name of the stored layout is a property of the class that
// reads it, with the type its stream record carries.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

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

}
