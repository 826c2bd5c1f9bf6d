// Menu_Menu keeps one bar for the program's life and builds it once;
// the module finaliser clears the global before it lets the bar go.

#include "Probes.h"

#include "app/Startup.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/runtime/RaisedClass.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace fw;
using test_support::raised_class;
using namespace app_test;

namespace {

class MenuSingleton : public LiveCountTest {
protected:
    void TearDown() override
    {
        Menu::_implicitInstance___Exit();
        LiveCountTest::TearDown();
    }
    static long constructions()
    {
        auto const& steps = probe_log().steps;
        return std::count_if(steps.begin(), steps.end(), [](Step const& s) { return s.what == "Menu.Constructor"; });
    }
    ProbeClasses probes;
};

TEST_F(MenuSingleton, TwoCallsGiveOneObjectBuiltOnce)
{
    EXPECT_FALSE(Menu::_implicitInstance);
    auto first = Menu_Menu();
    auto second = Menu_Menu();
    ASSERT_TRUE(first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, Menu::_implicitInstance);
    EXPECT_EQ(constructions(), 1);
    EXPECT_EQ(first->Count(), 2) << "the menus are built once, not appended again";
    EXPECT_EQ(first->ref_count(), 3u) << "the global and the two callers";
}

TEST_F(MenuSingleton, TheGlobalHoldsExactlyOneReference)
{
    (void)Menu_Menu();
    (void)Menu_Menu();
    ASSERT_TRUE(Menu::_implicitInstance);
    EXPECT_EQ(Menu::_implicitInstance->ref_count(), 1u);
}

TEST_F(MenuSingleton, TheFinaliserClearsTheGlobalAndDestroysTheBar)
{
    std::int64_t const before = Object::live_count();
    WeakRef<Menu> watched(Menu_Menu().ptr());
    ASSERT_TRUE(watched.strong());
    EXPECT_EQ(Object::live_count(), before + 10) << "the bar and its nine entries";
    module_finalize();
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_FALSE(watched.strong());
    EXPECT_EQ(Object::live_count(), before);
}

TEST_F(MenuSingleton, TheGlobalIsClearedBeforeTheBarIsReleased)
{
    (void)Menu_Menu();
    Menu::_implicitInstance___Exit();
    ASSERT_FALSE(probe_log().steps.empty());
    EXPECT_EQ(probe_log().steps.back().what, "Menu destroyed");
    EXPECT_FALSE(probe_log().steps.back().bar_kept);
}

TEST_F(MenuSingleton, TheFinaliserDropsOnlyTheGlobalsReference)
{
    auto kept = Menu_Menu();
    Menu::_implicitInstance___Exit();
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_EQ(kept->ref_count(), 1u);
    EXPECT_EQ(kept->Count(), 2);
}

TEST_F(MenuSingleton, AFailedConstructionKeepsNothingAndTheNextCallBuildsAfresh)
{
    probe_log().fail_menu_constructor = true;
    std::int64_t const before = Object::live_count();
    EXPECT_EQ(raised_class([] { (void)Menu_Menu(); }), "NilObjectException");
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_EQ(Object::live_count(), before) << "the new bar is released";

    probe_log().fail_menu_constructor = false;
    auto bar = Menu_Menu();
    EXPECT_EQ(constructions(), 2);
    EXPECT_EQ(bar->Count(), 2);
}

}
