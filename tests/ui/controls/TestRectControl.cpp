// The properties every control shares: the tab order their TabIndex sets.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/controls/TextStyle_p.h"
#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace fw;
using uitest::TestWindow;

namespace {

class TabOrder : public uitest::UiTest { };

TEST_F(TabOrder, TabFollowsTabIndexNotCreationOrder)
{
    TestWindow::on_create_controls() = [](TestWindow& w) {
        uitest::add_control<TextField>(w, "c")->set_TabIndex(8);
        uitest::add_control<TextField>(w, "a")->set_TabIndex(0);
        auto readonly = uitest::add_control<TextField>(w, "ro");
        readonly->set_TabIndex(5);
        readonly->set_ReadOnly(true);
        uitest::add_control<Label>(w, "label")->set_TabIndex(2);
        auto button = uitest::add_control<BevelButton>(w, "go");
        button->set_TabIndex(14);
        button->set_AcceptFocus(false);
    };
    auto window = uitest::construct_test_window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->d().main_window()));
    auto widget = [&](char const* name) { return window->_ControlByName(name)->d().widget(); };
    EXPECT_EQ(QApplication::focusWidget(), widget("a"));
    for (char const* next : { "ro", "c", "go", "a" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << next;
    }
}

}
