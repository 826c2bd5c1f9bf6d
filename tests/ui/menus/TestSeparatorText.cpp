// An item whose Text is "-" shows as a bare separator line; the text stays
// the item's own, and changing it turns the line into an entry and back.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <memory>

using namespace fw;

namespace {

Ref<MenuItem> item_with_text(char const* name, char const* text)
{
    auto item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(MenuItem::__Lookup()));
    item->Constructor();
    item->set_Name(name);
    item->set_Text(text);
    return item;
}

class SeparatorText : public LiveCountTest {
protected:
    SeparatorText()
    {
        auto edit = item_with_text("Edit", "Edit");
        edit->Append(item_with_text("EditUndo", "Undo").ptr());
        edit->Append(item_with_text("Line", "-").ptr());
        edit->Append(item_with_text("EditClear", "Clear").ptr());
        bar->Append(edit.ptr());
        show_menu_bar(*bar, *qbar, {});
    }
    void TearDown() override
    {
        qbar.reset();
        bar = nullptr;
        LiveCountTest::TearDown();
    }
    QAction* shown(int index) const { return qbar->actions().at(0)->menu()->actions().at(index); }
    Ref<MenuItem> line() const { return bar->_Lookup("Line"); }

    Ref<MenuBar> bar { RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup())) };
    std::unique_ptr<QMenuBar> qbar { std::make_unique<QMenuBar>() };
};

TEST_F(SeparatorText, TheLineShowsNoTextButTheItemKeepsIt)
{
    EXPECT_TRUE(shown(1)->isSeparator());
    EXPECT_EQ(shown(1)->text(), QString());
    EXPECT_EQ(line()->Text(), "-");
    EXPECT_EQ(shown(0)->text(), "Undo") << "entries keep their text";
    EXPECT_EQ(shown(2)->text(), "Clear");
}

TEST_F(SeparatorText, ChangingTheTextTurnsTheLineIntoAnEntryAndBack)
{
    line()->set_Text("Select All");
    EXPECT_FALSE(shown(1)->isSeparator());
    EXPECT_EQ(shown(1)->text(), "Select All");

    line()->set_Text("-");
    EXPECT_TRUE(shown(1)->isSeparator());
    EXPECT_EQ(shown(1)->text(), QString());
    EXPECT_EQ(line()->Text(), "-");

    bar->_Lookup("EditClear")->set_Text("-");
    EXPECT_TRUE(shown(2)->isSeparator()) << "an entry given \"-\" becomes a line";
    EXPECT_EQ(shown(2)->text(), QString());
}

}
