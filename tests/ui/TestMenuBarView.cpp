// The Qt menus made from a menu tree, and kept in step with it.

#include "framework/runtime/Runtime.h"
#include "framework/ui/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <memory>

using namespace fw;

namespace {

Ref<MenuItem> entry(
    char const* name, char const* text, char const* shortcut = "", ClassTable const& cls = MenuItem::__Lookup())
{
    auto item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(cls));
    item->Constructor();
    item->set_Name(name);
    item->set_Text(text);
    item->set_KeyboardShortcut(shortcut);
    return item;
}

class MenuBarViewTest : public LiveCountTest {
protected:
    MenuBarViewTest()
    {
        auto file = entry("File", "File");
        file->Append(entry("FileQuit", "Quit", "Cmd+Q", QuitMenuItem::__Lookup()).ptr());
        bar->Append(file.ptr());
        auto edit = entry("Edit", "Edit");
        edit->Append(entry("EditUndo", "Undo", "Cmd+Z").ptr());
        edit->Append(entry("Separator", "-").ptr());
        edit->Append(entry("EditClear", "Clear").ptr());
        bar->Append(edit.ptr());
    }
    void TearDown() override
    {
        qbar.reset();
        bar = nullptr;
        LiveCountTest::TearDown();
    }

    QList<QAction*> menu_actions(int index) const { return qbar->actions().at(index)->menu()->actions(); }
    void show()
    {
        show_menu_bar(*bar, *qbar, { [this](MenuItem& item) { chosen.push_back(item.Name()); }, {} });
    }

    Ref<MenuBar> bar { RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup())) };
    std::unique_ptr<QMenuBar> qbar { std::make_unique<QMenuBar>() };
    std::vector<std::string> chosen;
};

TEST_F(MenuBarViewTest, MenusInOrderWithTheirItems)
{
    show();
    auto top = qbar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "File");
    EXPECT_EQ(top[1]->text(), "Edit");
    ASSERT_EQ(menu_actions(0).size(), 1);
    EXPECT_EQ(menu_actions(0)[0]->text(), "Quit");
    EXPECT_EQ(menu_actions(0)[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    auto edit = menu_actions(1);
    ASSERT_EQ(edit.size(), 3);
    EXPECT_EQ(edit[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_FALSE(edit[0]->isSeparator());
    EXPECT_TRUE(edit[2]->shortcut().isEmpty());
}

TEST_F(MenuBarViewTest, PropertyChangesReachTheActions)
{
    show();
    auto quit = bar->_Lookup("FileQuit");
    QAction* action = menu_actions(0)[0];
    quit->set_Enabled(false);
    EXPECT_FALSE(action->isEnabled());
    quit->set_Enabled(true);
    EXPECT_TRUE(action->isEnabled());
    quit->set_Text("Exit");
    EXPECT_EQ(action->text(), "Exit");
    quit->set_KeyboardShortcut("");
    EXPECT_TRUE(action->shortcut().isEmpty());
    bar->Child("Edit")->set_Text("Bearbeiten");
    EXPECT_EQ(qbar->actions().at(1)->text(), "Bearbeiten");
}

TEST_F(MenuBarViewTest, TreeChangesRebuildTheMenus)
{
    show();
    bar->Child("File")->Append(entry("FileNew", "New").ptr());
    ASSERT_EQ(menu_actions(0).size(), 2);
    EXPECT_EQ(menu_actions(0)[1]->text(), "New");
    bar->Remove("Edit");
    EXPECT_EQ(qbar->actions().size(), 1);
}

TEST_F(MenuBarViewTest, TriggeringAnActionChoosesItsItem)
{
    show();
    menu_actions(1)[2]->trigger();
    menu_actions(0)[0]->trigger();
    EXPECT_EQ(chosen, (std::vector<std::string> { "EditClear", "FileQuit" }));
}

TEST_F(MenuBarViewTest, ShowingAgainReplacesTheMenus)
{
    show();
    show();
    EXPECT_EQ(qbar->actions().size(), 2);
    menu_actions(0)[0]->trigger();
    EXPECT_EQ(chosen.size(), 1u) << "one view, one choice";
}

TEST_F(MenuBarViewTest, ReleasingTheBarEmptiesTheQtBar)
{
    show();
    bar = nullptr;
    EXPECT_TRUE(qbar->actions().isEmpty());
}

TEST_F(MenuBarViewTest, DestroyingTheQtBarLeavesTheTreeWorking)
{
    show();
    qbar.reset();
    bar->_Lookup("FileQuit")->set_Enabled(false);
    bar->Child("File")->Append(entry("FileNew", "New").ptr());
    EXPECT_EQ(bar->Child("File")->Count(), 2);
}

}
