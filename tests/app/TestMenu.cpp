// The menu bar the program builds: two menus, File then Edit, and their
// items with the names, texts and shortcuts the rest of the program and the
// framework find them by.

#include "app/Menu.h"

#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

class MenuTree : public LiveCountTest {
protected:
    void TearDown() override
    {
        bar = nullptr;
        Menu::_implicitInstance___Exit();
        LiveCountTest::TearDown();
    }
    Ref<Menu> bar { Menu_Menu() };
};

struct EntryRow {
    char const* name;
    char const* text;
    char const* shortcut;
    char const* class_name;
};

void expect_entry(MenuItem& item, EntryRow const& row)
{
    SCOPED_TRACE(row.name);
    EXPECT_EQ(item.Name(), row.name);
    EXPECT_EQ(item.Text(), row.text);
    EXPECT_EQ(item.KeyboardShortcut(), row.shortcut);
    EXPECT_EQ(item.class_table().name, row.class_name);
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_TRUE(item.Enabled()) << "left as a new item has it";
}

TEST_F(MenuTree, TheBarHoldsFileThenEdit)
{
    ASSERT_EQ(bar->Count(), 2);
    expect_entry(*bar->Item(0), { "UntitledMenu2", "File", "", "MenuItem" });
    expect_entry(*bar->Item(1), { "UntitledMenu0", "Edit", "", "MenuItem" });
}

TEST_F(MenuTree, MenusAreFoundByTheirNamesNotInDisplayOrder)
{
    EXPECT_EQ(bar->Child("UntitledMenu2"), bar->Item(0));
    EXPECT_EQ(bar->Child("UntitledMenu0"), bar->Item(1));
    EXPECT_EQ(bar->Child("UntitledMenu1"), nullptr) << "the separator belongs to Edit";
}

TEST_F(MenuTree, FileHoldsOnlyTheQuitItem)
{
    auto file = bar->Child("UntitledMenu2");
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Count(), 1);
    auto quit = file->Item(0);
    expect_entry(*quit, { "FileQuit", "Quit", "Cmd+Q", "QuitMenuItem" });
    EXPECT_NE(dynamic_cast<QuitMenuItem*>(quit.ptr()), nullptr);
    EXPECT_EQ(quit->Count(), 0);
}

TEST_F(MenuTree, EditHoldsSixEntriesInOrder)
{
    EntryRow const rows[] = {
        { "EditUndo", "Undo", "Cmd+Z", "MenuItem" },
        { "UntitledMenu1", "-", "", "MenuItem" },
        { "EditCut", "Cut", "Cmd+X", "MenuItem" },
        { "EditCopy", "Copy", "Cmd+C", "MenuItem" },
        { "EditPaste", "Paste", "Cmd+V", "MenuItem" },
        { "EditClear", "Clear", "", "MenuItem" },
    };
    auto edit = bar->Child("UntitledMenu0");
    ASSERT_TRUE(edit);
    ASSERT_EQ(edit->Count(), std::int32_t(std::size(rows)));
    for (std::int32_t i = 0; i < edit->Count(); ++i) {
        expect_entry(*edit->Item(i), rows[i]);
        EXPECT_EQ(edit->Item(i)->Count(), 0) << rows[i].name;
    }
}

TEST_F(MenuTree, EveryEntryIsHeldOnlyByTheTree)
{
    // One reference each: the builders let go of every entry they made.
    for (std::int32_t m = 0; m < bar->Count(); ++m) {
        auto menu = bar->Item(m);
        EXPECT_EQ(menu->ref_count(), 2u) << menu->Name(); // the bar and `menu`
        for (std::int32_t i = 0; i < menu->Count(); ++i)
            EXPECT_EQ(menu->Item(i)->ref_count(), 2u) << menu->Item(i)->Name();
    }
}

TEST_F(MenuTree, TheBarIsAMenuOfTheProgramsClass)
{
    EXPECT_EQ(bar->class_table().name, "Menu.Menu");
    EXPECT_EQ(bar->parent(), nullptr);
}

}
