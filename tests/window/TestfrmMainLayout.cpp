// What the construction hooks leave behind: the window's own stored
// properties, and the fourteen controls registered in their order, each with
// the font size and unit set in code and its stream applied.

#include "WindowTestSupport.h"

#include "framework/ui/window/Window_p.h"

#include <iterator>

using namespace fw;
using window_test::WindowTest;

namespace {

struct CreatedRow {
    char const* name;
    ClassTable const& (*control_class)();
    float text_size;
};
// The creation order, and the font size each control gets in code.
constexpr CreatedRow created[] = {
    { "efStart", &TextField::__Lookup, 12.0F },
    { "efEnd", &TextField::__Lookup, 12.0F },
    { "StaticText1", &Label::__Lookup, 12.0F },
    { "StaticText2", &Label::__Lookup, 12.0F },
    { "StaticText3", &Label::__Lookup, 9.0F },
    { "efStartDay", &TextField::__Lookup, 12.0F },
    { "efEndDay", &TextField::__Lookup, 12.0F },
    { "efWeekdays", &TextField::__Lookup, 36.0F },
    { "efWeekenddays", &TextField::__Lookup, 36.0F },
    { "StaticText4", &Label::__Lookup, 12.0F },
    { "StaticText5", &Label::__Lookup, 12.0F },
    { "efTotal", &TextField::__Lookup, 36.0F },
    { "StaticText6", &Label::__Lookup, 12.0F },
    { "BevelButton1", &BevelButton::__Lookup, 36.0F },
};

template<typename Control>
void expect_font(RectControl& control, float size)
{
    auto& typed = static_cast<Control&>(control);
    EXPECT_FLOAT_EQ(typed.TextSize(), size);
    EXPECT_EQ(typed.TextUnit(), 0);
}

}

class ControlCreation : public WindowTest { };

TEST_F(ControlCreation, RegistersTheFourteenControlsInTheirOrderAsTheirClasses)
{
    auto window = window_test::window_with_controls();
    auto const& registered = window->d().controls();
    ASSERT_EQ(registered.size(), std::size(created));
    for (std::size_t i = 0; i < registered.size(); ++i) {
        SCOPED_TRACE(created[i].name);
        EXPECT_EQ(registered[i].name, created[i].name);
        EXPECT_EQ(&registered[i].control->class_table(), &created[i].control_class());
        EXPECT_EQ(registered[i].control->Name(), created[i].name);
    }
}

TEST_F(ControlCreation, EachControlHasTheFontSizeAndUnitSetInCode)
{
    auto window = window_test::window_with_controls();
    for (auto const& row : created) {
        SCOPED_TRACE(row.name);
        Ref<RectControl> control = window->_ControlByName(row.name);
        ASSERT_TRUE(control);
        if (&row.control_class() == &TextField::__Lookup())
            expect_font<TextField>(*control, row.text_size);
        else if (&row.control_class() == &Label::__Lookup())
            expect_font<Label>(*control, row.text_size);
        else
            expect_font<BevelButton>(*control, row.text_size);
    }
}

TEST_F(ControlCreation, TheDateFieldsResultFieldsAndButtonCarryTheirStoredValues)
{
    auto window = window_test::window_with_controls();
    Ref<TextField> start = window->efStart();
    EXPECT_EQ(start->TextFont(), "Charcoal");
    EXPECT_EQ(start->HelpTag(), "Start date of interest");
    EXPECT_EQ(start->TabIndex(), 0);
    EXPECT_FALSE(start->ReadOnly());
    EXPECT_EQ(start->Text(), "");

    Ref<TextField> weekend = window->efWeekenddays();
    EXPECT_TRUE(weekend->ReadOnly());
    EXPECT_EQ(weekend->Alignment(), 3);
    EXPECT_EQ(weekend->TextColor(), (Color { 0xFF, 0x00, 0x00 }));

    Ref<BevelButton> go = window->BevelButton1();
    EXPECT_EQ(go->Caption(), "GO");
    EXPECT_EQ(go->TextFont(), "System");
    EXPECT_EQ(go->TabIndex(), 14);
}

TEST_F(ControlCreation, LayoutMakesTheWindowFixedAtItsStoredSize)
{
    auto window = window_test::unconstructed_window();
    window->Layout();
    EXPECT_EQ(window->Width(), 772);
    EXPECT_EQ(window->Height(), 84);
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->MaximizeButton());
    EXPECT_FALSE(window->MinimizeButton());
    EXPECT_TRUE(window->CloseButton());
    EXPECT_EQ(window->Title(), "Quorvel");
}
