// Numbers and texts the framework works out from its own tables: the event
// indices of the control classes and the plug-in accessor texts.

#include "framework/ui/BevelButton.h"
#include "framework/ui/PluginEntrypoints_p.h"
#include "framework/ui/TextField.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace fw;

namespace {

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

// Two texts for each of the 22 properties BevelButton adds, in table order,
// and none for what it inherits from RectControl.
TEST(PluginSignatures, AreTheAccessorsOfThePropertiesBevelButtonAdds)
{
    auto const texts = detail::plugin_signatures();
    ASSERT_EQ(texts.size(), 44u);
    EXPECT_STREQ(texts.front(), "BevelButton.Caption.Get");
    EXPECT_STREQ(texts[1], "BevelButton.Caption.Set");
    EXPECT_STREQ(texts[40], "BevelButton.ButtonType.Get");
    EXPECT_STREQ(texts.back(), "BevelButton.AcceptFocus.Set");
    for (auto const* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(std::strncmp(text, "BevelButton.", 12), 0);
        std::string const property(text + 12, std::strrchr(text, '.'));
        EXPECT_EQ(RectControl::__Lookup().find_property(property), nullptr) << "inherited";
        EXPECT_NE(BevelButton::__Lookup().find_property(property), nullptr);
    }
}

}
