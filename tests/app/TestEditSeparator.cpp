// The separator under Undo in the program's Edit menu: a line and nothing
// else on screen, while its item keeps the text "-" that makes it one.

#include "ProgramRun.h"

#include "app/Menu.h"
#include "framework/ui/application/Lifecycle.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

using namespace fw;

namespace {

class EditSeparator : public app_test::ProgramRun { };

void expect_bare_line(char const* when)
{
    SCOPED_TRACE(when);
    auto* separator = app_test::shown_action("UntitledMenu1");
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty()) << "shows \"" << separator->text().toStdString() << "\"";
    EXPECT_TRUE(separator->iconText().isEmpty()) << separator->iconText().toStdString();
}

void check_separator()
{
    expect_bare_line("as the window opens");
    // Opening the menu brings every item up to date again.
    auto* edit = app_test::shown_action("UntitledMenu0");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(edit->menu(), nullptr);
    emit edit->menu()->aboutToShow();
    expect_bare_line("once Edit has been opened");
    auto item = Menu::_implicitInstance->_Lookup("UntitledMenu1");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Text(), "-") << "the program still reads its own text";
}

TEST_F(EditSeparator, ShowsALineWithoutTextAndKeepsItsItemsText)
{
    without_probes();
    EXPECT_EQ(run([] {
        check_separator();
        Quit(0);
    }),
        0);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(objects_left(), 0);
}

}
