// What the stored properties of a bevel button do to the QPushButton a
// user sees.

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

QPushButton& button_of(BevelButton const& button) { return *qobject_cast<QPushButton*>(button.d().widget()); }

class ButtonProperties : public uitest::UiTest {
protected:
    void drop_members() override { window = nullptr; }
    Ref<Window> window { make<Window>() };
};

TEST_F(ButtonProperties, ButtonCaptionAndAcceptFocus)
{
    auto button = uitest::add_control<BevelButton>(*window, "b");
    button->set_Caption("GO");
    EXPECT_EQ(button_of(*button).text(), "GO");
    struct Row {
        bool tab_stop;
        bool accept_focus;
        Qt::FocusPolicy expected;
    };
    for (auto const& row : { Row { true, false, Qt::TabFocus }, Row { false, false, Qt::NoFocus },
             Row { true, true, Qt::StrongFocus }, Row { false, true, Qt::ClickFocus } }) {
        SCOPED_TRACE(testing::Message() << row.tab_stop << row.accept_focus);
        button->set_TabStop(row.tab_stop);
        button->set_AcceptFocus(row.accept_focus);
        EXPECT_EQ(button_of(*button).focusPolicy(), row.expected);
    }
}

TEST_F(ButtonProperties, ButtonBackColorOnlyWithHasBackColor)
{
    auto button = uitest::add_control<BevelButton>(*window, "b");
    QColor const standard = button_of(*button).palette().color(QPalette::Button);
    button->set_BackColor({ 0x00, 0x80, 0x00 });
    EXPECT_EQ(button_of(*button).palette().color(QPalette::Button), standard);
    button->set_HasBackColor(true);
    EXPECT_EQ(button_of(*button).palette().color(QPalette::Button), QColor(0, 0x80, 0));
}

}
