// The class tables of the menu items: names, bases, virtual tables whose
// slots reach the operations, and properties.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/ui/menus/MenuEntries.h"

using namespace fw;
using uitest::sample_bar;

namespace {

TEST(MenuClasses, NamesAndBases)
{
    EXPECT_EQ(MenuItem::__Lookup().name, "MenuItem");
    EXPECT_EQ(MenuBar::__Lookup().name, "MenuBar");
    EXPECT_EQ(QuitMenuItem::__Lookup().name, "QuitMenuItem");
    EXPECT_EQ(MenuBar::__Lookup().base, &MenuItem::__Lookup());
    EXPECT_EQ(QuitMenuItem::__Lookup().base, &MenuItem::__Lookup());
}

TEST(MenuClasses, VirtualTableInTheRuntimesOrder)
{
    char const* const expected[]
        = { "Enable", "Close", "Item", "Count", "Child", "Append", "Insert", "Remove", "Remove", "Remove", "_Lookup",
              "_Lookup", "MenuItem", "Constructor", "PopUp", "PopUp", "_Swap", "_DisableEntirely", "_SelfEnable",
              "MenuItem", "Constructor", "Clone", "Constructor", "__DependencyList", "_InstallClone" };
    for (auto const* cls : { &MenuItem::__Lookup(), &MenuBar::__Lookup(), &QuitMenuItem::__Lookup() }) {
        SCOPED_TRACE(cls->name);
        ASSERT_EQ(cls->vtable.size(), std::size(expected));
        static_assert(std::size(expected) == MenuItemSlotCount);
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            EXPECT_EQ(cls->vtable[i].name, expected[i]) << i;
            EXPECT_NE(cls->vtable[i].entry, nullptr) << i;
        }
    }
}

class MenuSlots : public LiveCountTest { };

TEST_F(MenuSlots, SlotsReachTheOperations)
{
    auto bar = sample_bar();
    auto const& table = MenuBar::__Lookup().vtable;
    EXPECT_EQ(typed_function<std::int32_t(Object*)>(table[3].entry)(bar.ptr()), 2);
    auto quit = typed_function<Ref<MenuItem>(Object*, String const&)>(table[10].entry)(bar.ptr(), "FileQuit");
    EXPECT_EQ(quit, bar->_Lookup("FileQuit"));
    EXPECT_THROW(typed_function<void(Object*)>(table[14].entry)(bar.ptr()), RuntimeError) << "PopUp";
    EXPECT_THROW(typed_function<std::int32_t(Object*)>(table[3].entry)(nullptr), RuntimeError);
}

TEST_F(MenuSlots, ConstructorSlotIsTheNoArgumentConstructor)
{
    struct Counting : MenuItem {
        int* calls;
        explicit Counting(int* c)
            : calls(c)
        {
        }
        void Constructor() override { ++*calls; }
    };
    int calls = 0;
    auto item = make<Counting>(&calls);
    auto const& slot = MenuItem::__Lookup().vtable[MenuItemConstructorSlot];
    EXPECT_EQ(slot.name, "Constructor");
    typed_function<void(Object*)>(slot.entry)(item.ptr());
    EXPECT_EQ(calls, 1);
}

TEST(MenuClasses, PropertiesByName)
{
    auto const& cls = MenuItem::__Lookup();
    for (auto const* name : { "Name", "Text", "KeyboardShortcut", "AutoEnable", "Enabled" }) {
        SCOPED_TRACE(name);
        auto const* property = cls.find_property(name);
        ASSERT_NE(property, nullptr);
        EXPECT_NE(property->set, nullptr);
    }
}

}
