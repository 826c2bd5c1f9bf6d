// The class tables of Menu and App as the framework reads them: names,
// counts, reflection entries with their attributes, and virtual tables whose
// slots reach the program's own code.

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Variant.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;

namespace {

void expect_public_scope(AttributeList const& attributes, std::string const& owner)
{
    SCOPED_TRACE(owner);
    ASSERT_EQ(attributes.size(), 1u);
    EXPECT_EQ(attributes[0].name, "__Scope");
    EXPECT_EQ(attributes[0].value, "Public");
    EXPECT_TRUE(attributes[0].has_value);
}

void expect_same_prefix(std::vector<MethodEntry> const& derived, std::vector<MethodEntry> const& base)
{
    ASSERT_GE(derived.size(), base.size());
    for (std::size_t i = 0; i < base.size(); ++i)
        EXPECT_EQ(derived[i].name, base[i].name) << "inherited method " << i;
}

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

TEST(AppClass, NameBaseAndCounts)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    EXPECT_EQ(app.name, "App");
    EXPECT_EQ(app.base, &base);
    EXPECT_EQ(app.methods.size(), 48u);
    EXPECT_EQ(app.events.size(), 10u);
    EXPECT_EQ(app.properties.size(), 19u);
    EXPECT_TRUE(app.attributes.empty());
}

TEST(AppClass, OneOwnMethodAfterApplicationsAndNoEventHandler)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    ASSERT_EQ(base.methods.size(), 47u);
    expect_same_prefix(app.methods, base.methods);
    auto const& own = app.methods.back();
    EXPECT_EQ(own.name, "Constructor");
    EXPECT_EQ(own.signature, "%%");
    EXPECT_NE(own.function, nullptr);
    EXPECT_NE(own.invoke, nullptr);
    expect_public_scope(own.attributes, "Constructor");
    for (auto const& event : app.events)
        EXPECT_EQ(event.handler, nullptr) << event.name;
}

TEST(AppClass, VirtualTableIsApplicationsThenConstructor)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    ASSERT_EQ(app.vtable.size(), base.vtable.size() + 1);
    for (std::size_t i = 0; i < base.vtable.size(); ++i) {
        EXPECT_EQ(app.vtable[i].name, base.vtable[i].name) << i;
        EXPECT_EQ(app.vtable[i].entry, base.vtable[i].entry) << i;
    }
    EXPECT_EQ(app.vtable.back().name, "Constructor");
}

TEST(AppClass, TheFactoryMakesAnAppThatCastsToItself)
{
    std::int64_t const before = Object::live_count();
    {
        auto app = RuntimeNewObject(App::__Lookup());
        EXPECT_EQ(RuntimeCheckCast(app.ptr(), App::__Lookup()), app.ptr());
        EXPECT_EQ(RuntimeCheckCast(app.ptr(), Application::__Lookup()), app.ptr());
    }
    EXPECT_EQ(Object::live_count(), before);
}

// A second build leaves the table as it is: same object, same entries.
template<typename C>
void expect_second_build_changes_nothing()
{
    auto const* table = &C::__Lookup();
    auto const copy = *table;
    C::__ctblinit();
    EXPECT_EQ(&C::__Lookup(), table);
    EXPECT_EQ(C::__ctbl, table);
    EXPECT_EQ(table->methods.size(), copy.methods.size());
    EXPECT_EQ(table->vtable.size(), copy.vtable.size());
    EXPECT_EQ(table->attributes.size(), copy.attributes.size());
    EXPECT_EQ(table->factory, copy.factory);
}

TEST(ClassBuilders, ASecondBuildChangesNothing)
{
    expect_second_build_changes_nothing<class App>();
    expect_second_build_changes_nothing<Menu>();
}

// In a fresh process no table exists until something looks it up.
template<typename C>
void lookup_builds_on_demand(char const* name)
{
    bool const absent = C::__ctbl == nullptr;
    auto const& table = C::__Lookup();
    std::exit(absent && C::__ctbl == &table && table.name == name ? 0 : 1);
}

TEST(ClassBuildersDeathTest, LookupBeforeTheModuleInitialiserBuildsTheTable)
{
    EXPECT_EXIT(lookup_builds_on_demand<class App>("App"), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(lookup_builds_on_demand<Menu>("Menu.Menu"), testing::ExitedWithCode(0), "");
}

}
