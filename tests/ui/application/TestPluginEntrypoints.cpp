// The plug-in entry points: every signature text resolved to its accessor
// at start-up, usable, and gone again after RuntimeExit; texts that name
// nothing raise.

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/PluginEntrypoints.h"
#include "framework/ui/application/PluginEntrypoints_p.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/ui/application/EventLoopTest.h"

using namespace fw;

namespace {

class PluginEntrypoints : public uitest::EventLoopTest { };

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

}
