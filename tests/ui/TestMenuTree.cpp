// The menu tree as program code sees it: building, finding, class tables.

#include "framework/runtime/Runtime.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <QKeySequence>

using namespace fw;

namespace {

Ref<MenuItem> entry(char const* name, char const* text = "", ClassTable const& cls = MenuItem::__Lookup())
{
    auto item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(cls));
    item->Constructor();
    item->set_Name(name);
    item->set_Text(text);
    return item;
}

// bar > File(Quit, Recent > (One, Quit2)) , Edit(Undo)
Ref<MenuBar> sample_bar()
{
    auto bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()));
    auto file = entry("File", "File");
    file->Append(entry("FileQuit", "Quit", QuitMenuItem::__Lookup()).ptr());
    auto recent = entry("Recent", "Recent");
    recent->Append(entry("One").ptr());
    recent->Append(entry("Deep").ptr());
    file->Append(recent.ptr());
    bar->Append(file.ptr());
    auto edit = entry("Edit", "Edit");
    edit->Append(entry("Deep", "edit's, found after File's").ptr());
    bar->Append(edit.ptr());
    return bar;
}

class MenuTree : public LiveCountTest { };

TEST_F(MenuTree, NewBarIsEmptyAndNewItemIsEnabledWithAutoEnable)
{
    auto bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()));
    EXPECT_EQ(bar->Count(), 0);
    auto item = entry("x");
    EXPECT_TRUE(item->Enabled());
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_EQ(item->KeyboardShortcut(), "");
}

TEST_F(MenuTree, AppendKeepsOrderAndSetsParent)
{
    auto bar = sample_bar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name(), "File");
    EXPECT_EQ(bar->Item(1)->Name(), "Edit");
    EXPECT_EQ(bar->Item(0)->parent(), bar.ptr());
    EXPECT_EQ(bar->Item(2), nullptr);
    EXPECT_EQ(bar->Item(-1), nullptr);
}

TEST_F(MenuTree, AppendedItemStaysAliveThroughItsParent)
{
    auto bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()));
    {
        auto item = entry("kept");
        bar->Append(item.ptr());
        EXPECT_EQ(item->ref_count(), 2u);
    }
    EXPECT_EQ(bar->Child("kept")->Name(), "kept");
}

TEST_F(MenuTree, ChildFindsOnlyDirectChildren)
{
    auto bar = sample_bar();
    EXPECT_EQ(bar->Child("Edit")->Name(), "Edit");
    EXPECT_EQ(bar->Child("FileQuit"), nullptr);
    EXPECT_EQ(bar->Child("absent"), nullptr);
}

TEST_F(MenuTree, LookupSearchesDepthFirst)
{
    auto bar = sample_bar();
    auto quit = bar->_Lookup("FileQuit");
    ASSERT_TRUE(quit);
    EXPECT_EQ(quit->class_table().name, "QuitMenuItem");
    // "Deep" is under File > Recent and under Edit: depth first finds File's.
    EXPECT_EQ(bar->_Lookup("Deep")->parent()->Name(), "Recent");
    EXPECT_EQ(bar->_Lookup("absent"), nullptr);
    EXPECT_EQ(bar->_Lookup("Edit")->Name(), "Edit");
}

TEST_F(MenuTree, AppendingNilRaisesNilObjectException)
{
    auto bar = sample_bar();
    EXPECT_THROW(bar->Append(nullptr), RuntimeError);
    EXPECT_EQ(bar->Count(), 2);
}

TEST_F(MenuTree, AppendingAnItemBelowItselfRaises)
{
    auto bar = sample_bar();
    auto recent = bar->_Lookup("Recent");
    EXPECT_THROW(recent->Append(recent.ptr()), RuntimeError);
    EXPECT_THROW(recent->Append(bar.ptr()), RuntimeError);
}

TEST_F(MenuTree, AppendingAnItemWithAParentMovesIt)
{
    auto bar = sample_bar();
    auto one = bar->_Lookup("One");
    auto edit = bar->Child("Edit");
    edit->Append(one.ptr());
    EXPECT_EQ(one->parent(), edit.ptr());
    EXPECT_EQ(bar->_Lookup("Recent")->Count(), 1);
    EXPECT_EQ(edit->Count(), 2);
}

TEST_F(MenuTree, InsertAndRemoveByIndexItemAndName)
{
    auto bar = sample_bar();
    bar->Insert(1, entry("View").ptr());
    EXPECT_EQ(bar->Item(1)->Name(), "View");
    bar->Remove("View");
    EXPECT_EQ(bar->Child("View"), nullptr);
    auto edit = bar->Child("Edit");
    bar->Remove(edit.ptr());
    EXPECT_EQ(edit->parent(), nullptr);
    bar->Remove(0);
    EXPECT_EQ(bar->Count(), 0);
    bar->Remove(5); // out of range: nothing
}

TEST_F(MenuTree, ChildOutlivingItsParentForgetsIt)
{
    Ref<MenuItem> one;
    {
        auto bar = sample_bar();
        one = bar->_Lookup("One");
    }
    EXPECT_EQ(one->parent(), nullptr);
}

TEST_F(MenuTree, TextConstructorKeepsTextAndTag)
{
    auto item = entry("x");
    item->construct("Open…", Variant(std::int32_t(7)));
    EXPECT_EQ(item->Text(), "Open…");
    EXPECT_EQ(item->d().tag.to_int32(), 7);
}

struct ShortcutRow {
    char const* name;
    char const* text;
    char const* expected; // portable text of the key sequence; "" = none
};

class ShortcutText : public ::testing::TestWithParam<ShortcutRow> { };

TEST_P(ShortcutText, MapsCommandKeyToControl)
{
    auto const& row = GetParam();
    EXPECT_EQ(key_sequence(row.text).toString(QKeySequence::PortableText).toStdString(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ShortcutText,
    ::testing::Values(ShortcutRow { "CmdQ", "Cmd+Q", "Ctrl+Q" }, ShortcutRow { "CmdZ", "Cmd+Z", "Ctrl+Z" },
        ShortcutRow { "CmdShiftZ", "Cmd+Shift+Z", "Ctrl+Shift+Z" }, ShortcutRow { "Option", "Option+X", "Alt+X" },
        ShortcutRow { "Empty", "", "" }, ShortcutRow { "TrailingPlus", "Cmd+", "" },
        ShortcutRow { "Unreadable", "Cmd+Nonsense", "" }),
    [](auto const& info) { return std::string(info.param.name); });

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
