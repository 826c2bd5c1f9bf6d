// Menu's class table as the framework reads it: name, counts, reflection
// entries with their attributes, and a virtual table whose slots reach the
// program's own menu builders.

#include "ClassTableChecks.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Variant.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;
using namespace app_test;

namespace {

TEST(MenuClass, NameBaseAndCounts)
{
    auto const& menu = Menu::__Lookup();
    auto const& bar = MenuBar::__Lookup();
    EXPECT_EQ(menu.name, "Menu.Menu");
    EXPECT_EQ(menu.base, &bar);
    EXPECT_EQ(menu.methods.size(), bar.methods.size() + 3);
    EXPECT_EQ(menu.events.size(), bar.events.size());
    EXPECT_EQ(menu.properties.size(), bar.properties.size());
    expect_public_scope(menu.attributes, "the class");
}

TEST(MenuClass, OwnMethodsFollowTheInheritedOnes)
{
    auto const& menu = Menu::__Lookup();
    auto const& bar = MenuBar::__Lookup();
    expect_same_prefix(menu.methods, bar.methods);
    char const* const own[] = { "Untitled1", "Untitled2", "Constructor" };
    for (std::size_t i = 0; i < std::size(own); ++i) {
        auto const& entry = menu.methods[bar.methods.size() + i];
        EXPECT_EQ(entry.name, own[i]);
        EXPECT_EQ(entry.signature, "%%") << own[i];
        EXPECT_NE(entry.function, nullptr) << own[i];
        EXPECT_NE(entry.invoke, nullptr) << own[i];
        expect_public_scope(entry.attributes, own[i]);
    }
}

TEST(MenuClass, VirtualTableReplacesOnlyTheNoArgumentConstructor)
{
    auto const& menu = Menu::__Lookup();
    auto const& bar = MenuBar::__Lookup();
    ASSERT_EQ(bar.vtable.size(), std::size_t(MenuItemSlotCount));
    ASSERT_EQ(menu.vtable.size(), bar.vtable.size() + 2);
    for (std::size_t i = 0; i < bar.vtable.size(); ++i) {
        SCOPED_TRACE(bar.vtable[i].name + " at " + std::to_string(i));
        EXPECT_EQ(menu.vtable[i].name, bar.vtable[i].name);
        if (i == std::size_t(MenuItemConstructorSlot))
            EXPECT_NE(menu.vtable[i].entry, bar.vtable[i].entry);
        else
            EXPECT_EQ(menu.vtable[i].entry, bar.vtable[i].entry);
    }
    EXPECT_EQ(menu.vtable[bar.vtable.size()].name, "Untitled1");
    EXPECT_EQ(menu.vtable[bar.vtable.size() + 1].name, "Untitled2");
}

class MenuSlots : public LiveCountTest {
protected:
    void TearDown() override
    {
        bar = nullptr;
        LiveCountTest::TearDown();
    }
    // A new bar from the class's factory is empty: nothing built yet.
    Ref<Menu> bar { new_object<Menu>() };
    void call_slot(std::size_t index)
    {
        typed_function<void(Object*)>(Menu::__Lookup().vtable.at(index).entry)(bar.ptr());
    }
};

TEST_F(MenuSlots, TheConstructorSlotBuildsBothMenus)
{
    ASSERT_EQ(bar->Count(), 0);
    call_slot(std::size_t(MenuItemConstructorSlot));
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name(), "UntitledMenu2");
    EXPECT_EQ(bar->Item(1)->Name(), "UntitledMenu0");
}

TEST_F(MenuSlots, EachBuilderSlotBuildsItsOwnMenu)
{
    auto const own = MenuBar::__Lookup().vtable.size();
    call_slot(own + 1);
    ASSERT_EQ(bar->Count(), 1);
    EXPECT_EQ(bar->Item(0)->Name(), "UntitledMenu0");
    EXPECT_EQ(bar->Item(0)->Count(), 6);
    call_slot(own);
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(1)->Name(), "UntitledMenu2");
    EXPECT_EQ(bar->Item(1)->Count(), 1);
}

TEST_F(MenuSlots, ReflectionInvokesTheConstructor)
{
    auto const* entry = Menu::__Lookup().find_method("Constructor");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->signature, "%%") << "the most derived entry hides MenuItem's";
    (void)entry->invoke(entry->function, bar.ptr(), nullptr);
    EXPECT_EQ(bar->Count(), 2);
}

}
