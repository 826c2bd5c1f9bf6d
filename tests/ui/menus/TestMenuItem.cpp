// The menu tree as program code sees it: building, finding, removing.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/ui/menus/MenuEntries.h"

using namespace fw;
using uitest::sample_bar;

namespace {

class MenuTree : public LiveCountTest { };

TEST_F(MenuTree, NewBarIsEmptyAndNewItemIsEnabledWithAutoEnable)
{
    auto bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()));
    EXPECT_EQ(bar->Count(), 0);
    auto item = uitest::menu_entry("x");
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
        auto item = uitest::menu_entry("kept");
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
    bar->Insert(1, uitest::menu_entry("View").ptr());
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
    auto item = uitest::menu_entry("x");
    item->construct("Open…", Variant(std::int32_t(7)));
    EXPECT_EQ(item->Text(), "Open…");
    EXPECT_EQ(item->d().tag.to_int32(), 7);
}

}
