// The plug-in entry points: every signature text resolved to its accessor
// at start-up, usable, and gone again after RuntimeExit; texts that name
// nothing raise.

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/PluginEntrypoints.h"
#include "framework/ui/application/PluginEntrypoints_p.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/ui/application/LifecycleTest.h"

using namespace fw;

namespace {

class PluginEntrypoints : public uitest::LifecycleTest { };

TEST_F(PluginEntrypoints, EveryTextResolvesToItsAccessor)
{
    _InitPluginEntrypoints();
    auto const* caption = BevelButton::__Lookup().find_property("Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(plugin_entry_point("BevelButton.Caption.Get"), caption->get);
    EXPECT_EQ(plugin_entry_point("BevelButton.Caption.Set"), caption->set);
    for (auto const* text : detail::plugin_signatures())
        EXPECT_NE(plugin_entry_point(text), nullptr) << text;
    EXPECT_EQ(plugin_entry_point("BevelButton.Nothing.Get"), nullptr);
}

TEST_F(PluginEntrypoints, EntriesWorkOnAButton)
{
    _InitPluginEntrypoints();
    auto button = make<BevelButton>();
    typed_function<void(Object*, String)>(plugin_entry_point("BevelButton.Caption.Set"))(button.ptr(), "GO");
    EXPECT_EQ(typed_function<String(Object*)>(plugin_entry_point("BevelButton.Caption.Get"))(button.ptr()), "GO");
}

TEST_F(PluginEntrypoints, ExitEmptiesTheTable)
{
    _InitPluginEntrypoints();
    EXPECT_EQ(exit_code(), 0);
    EXPECT_EQ(plugin_entry_point("BevelButton.Caption.Get"), nullptr);
}

struct UnresolvedRow {
    char const* name;
    char const* text;
};

class UnresolvedEntry : public ::testing::TestWithParam<UnresolvedRow> { };

TEST_P(UnresolvedEntry, RaisesRuntimeException)
{
    EXPECT_THROW(detail::resolve_plugin_entry(GetParam().text), RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(Rows, UnresolvedEntry,
    ::testing::Values(UnresolvedRow { "UnknownProperty", "BevelButton.Nothing.Get" },
        UnresolvedRow { "UnknownClass", "Gadget.Caption.Get" },
        UnresolvedRow { "UnknownAccessor", "BevelButton.Caption.Put" }, UnresolvedRow { "NoDots", "BevelButton" },
        UnresolvedRow { "OneDot", "BevelButton.Caption" }),
    [](auto const& info) { return std::string(info.param.name); });

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
