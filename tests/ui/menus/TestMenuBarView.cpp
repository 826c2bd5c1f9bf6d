// The Qt menus made from a menu tree, and kept in step with it; shortcut
// texts as Qt key sequences.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/ui/menus/MenuEntries.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <memory>

using namespace fw;
using uitest::menu_entry;

namespace {

class MenuBarViewTest : public LiveCountTest {
protected:
    MenuBarViewTest()
    {
        auto file = menu_entry("File", "File");
        file->Append(menu_entry("FileQuit", "Quit", "Cmd+Q", QuitMenuItem::__Lookup()).ptr());
        bar->Append(file.ptr());
        auto edit = menu_entry("Edit", "Edit");
        edit->Append(menu_entry("EditUndo", "Undo", "Cmd+Z").ptr());
        edit->Append(menu_entry("Separator", "-").ptr());
        edit->Append(menu_entry("EditClear", "Clear").ptr());
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
    EXPECT_EQ(top[0]->text(), "&File") << "the first letter is the mnemonic";
    EXPECT_EQ(top[1]->text(), "&Edit");
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
    EXPECT_EQ(qbar->actions().at(1)->text(), "&Bearbeiten");
}

// Alt and a title's first letter open its menu; an "&" in a stored text is
// shown as written, never taken for a mnemonic, and the item keeps its text.
TEST_F(MenuBarViewTest, TitlesTakeTheirFirstLetterAsMnemonicAndShowAmpersandsAsWritten)
{
    show();
    EXPECT_EQ(QKeySequence::mnemonic(qbar->actions().at(0)->text()), QKeySequence(Qt::ALT | Qt::Key_F));
    EXPECT_EQ(QKeySequence::mnemonic(qbar->actions().at(1)->text()), QKeySequence(Qt::ALT | Qt::Key_E));
    auto quit = bar->_Lookup("FileQuit");
    quit->set_Text("Save & Quit");
    EXPECT_EQ(menu_actions(0)[0]->text(), "Save && Quit");
    EXPECT_TRUE(QKeySequence::mnemonic(menu_actions(0)[0]->text()).isEmpty());
    EXPECT_EQ(quit->Text(), "Save & Quit");
    bar->Child("Edit")->set_Text("R&D");
    EXPECT_EQ(qbar->actions().at(1)->text(), "&R&&D");
    EXPECT_EQ(bar->Child("Edit")->Text(), "R&D");
}

TEST_F(MenuBarViewTest, TreeChangesRebuildTheMenus)
{
    show();
    bar->Child("File")->Append(menu_entry("FileNew", "New").ptr());
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
    bar->Child("File")->Append(menu_entry("FileNew", "New").ptr());
    EXPECT_EQ(bar->Child("File")->Count(), 2);
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

}
