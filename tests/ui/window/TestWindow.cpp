// Window construction, the implicit window, the control registry and
// closing.

#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "tests/ui/UiTestSupport.h"

#include <QLineEdit>
#include <QTest>

using namespace fw;
using uitest::TestWindow;

namespace {

class WindowConstruction : public uitest::UiTest { };

TEST_F(WindowConstruction, RaisesTheHooksThenOpenInOrder)
{
    auto window = uitest::construct_test_window();
    std::vector<std::string> const expected { "Layout", "CreateControls", "AddMenuHandlers(self)", "Open" };
    EXPECT_EQ(TestWindow::log(), expected);
}

TEST_F(WindowConstruction, OpenSeesTheControlsThatCreateControlsMade)
{
    TestWindow::on_create_controls() = [](TestWindow& w) { uitest::add_control<TextField>(w, "field"); };
    bool found = false;
    TestWindow::on_open() = [&](TestWindow& w) { found = !w._ControlByName("field").is_nil(); };
    auto window = uitest::construct_test_window();
    EXPECT_TRUE(found);
}

TEST_F(WindowConstruction, BecomesTheImplicitWindowOfItsClass)
{
    EXPECT_TRUE(_GetImplicitWindow(TestWindow::ClassName).is_nil());
    auto window = uitest::construct_test_window();
    EXPECT_EQ(_GetImplicitWindow(TestWindow::ClassName).ptr(), window.ptr());
    EXPECT_TRUE(_GetImplicitWindow("Window").is_nil());
    EXPECT_TRUE(window->is_open());
}

TEST_F(WindowConstruction, TheFrameworkKeepsTheWindowAlive)
{
    auto* raw = uitest::construct_test_window().ptr();
    EXPECT_EQ(_GetImplicitWindow(TestWindow::ClassName).ptr(), raw);
    EXPECT_EQ(detail::open_windows().size(), 1u);
}

TEST_F(WindowConstruction, ShowsWhenVisibleWithFocusInTheFirstControlInTabOrder)
{
    TestWindow::on_create_controls() = [](TestWindow& w) {
        uitest::add_control<TextField>(w, "second")->set_TabIndex(1);
        uitest::add_control<Label>(w, "label")->set_TabIndex(0);
        uitest::add_control<TextField>(w, "first")->set_TabIndex(0);
    };
    auto window = uitest::construct_test_window();
    QWidget* main = window->d().main_window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    auto* first = window->_ControlByName("first")->d().widget();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(WindowConstruction, StaysHiddenWhenNotVisible)
{
    TestWindow::on_layout() = [](TestWindow& w) { w.set_Visible(false); };
    auto window = uitest::construct_test_window();
    EXPECT_FALSE(window->d().main_window()->isVisible());
    EXPECT_TRUE(window->is_open());
}

TEST_F(WindowConstruction, NewMakesAnUnconstructedInstance)
{
    auto window = make<Window>();
    auto object = window->__New(TextField::__Lookup());
    EXPECT_EQ(&object->class_table(), &TextField::__Lookup());
    EXPECT_EQ(object->ref_count(), 1u);
}

class ControlRegistry : public uitest::UiTest { };

TEST_F(ControlRegistry, ByNameIsNilBeforeRegistrationAndTheControlAfter)
{
    auto window = make<Window>();
    EXPECT_TRUE(window->_ControlByName("efStart").is_nil());
    auto field = uitest::add_control<TextField>(*window, "efStart");
    EXPECT_EQ(window->_ControlByName("efStart").ptr(), field.ptr());
    EXPECT_TRUE(window->_ControlByName("efstart").is_nil()) << "names compare exactly";
    EXPECT_EQ(field->window(), window.ptr());
    EXPECT_EQ(field->name(), "efStart");
}

TEST_F(ControlRegistry, TheWindowHoldsItsControlsAndReleasesThemWithItself)
{
    auto const before = Object::live_count();
    {
        auto window = make<Window>();
        uitest::add_control<TextField>(*window, "a");
        uitest::add_control<Label>(*window, "b");
        EXPECT_EQ(Object::live_count(), before + 3);
    }
    EXPECT_EQ(Object::live_count(), before);
}

TEST_F(ControlRegistry, AControlPlacedInTheContentAreaAtItsStoredPosition)
{
    auto window = make<Window>();
    auto field = uitest::add_control<TextField>(*window, "f");
    field->set_Left(48);
    field->set_Top(7);
    field->set_Width(89);
    field->set_Height(22);
    QWidget* widget = field->d().widget();
    EXPECT_EQ(widget->parentWidget(), window->d().content());
    EXPECT_EQ(widget->geometry(), QRect(48, 7, 89, 22));
}

TEST_F(ControlRegistry, AControlThatOutlivesItsWindowKeepsAWorkingWidget)
{
    Ref<TextField> field;
    {
        auto window = make<Window>();
        field = uitest::add_control<TextField>(*window, "f");
    }
    EXPECT_EQ(field->window(), nullptr);
    ASSERT_NE(field->d().widget(), nullptr);
    field->set_Text("still here");
    EXPECT_EQ(field->Text(), "still here");
}

class WindowClosing : public uitest::UiTest { };

TEST_F(WindowClosing, CloseRaisesCancelCloseAndReleasesTheWindowAndItsControls)
{
    auto const before = Object::live_count();
    TestWindow::on_create_controls() = [](TestWindow& w) { uitest::add_control<TextField>(w, "f"); };
    WeakRef<Window> weak;
    {
        auto window = uitest::construct_test_window();
        weak = WeakRef<Window>(window.ptr());
        EXPECT_TRUE(window->close());
        EXPECT_FALSE(window->is_open());
        EXPECT_FALSE(window->d().main_window()->isVisible());
    }
    EXPECT_EQ(TestWindow::log().back(), "CancelClose");
    EXPECT_TRUE(_GetImplicitWindow(TestWindow::ClassName).is_nil());
    EXPECT_TRUE(detail::open_windows().empty());
    QCoreApplication::processEvents(); // the release comes from the event loop
    EXPECT_TRUE(weak.is_nil());
    EXPECT_EQ(Object::live_count(), before);
}

TEST_F(WindowClosing, ATrueAnswerToCancelCloseKeepsTheWindowOpen)
{
    TestWindow::cancel_close() = true;
    auto window = uitest::construct_test_window();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->is_open());
    EXPECT_TRUE(window->d().main_window()->isVisible());
    EXPECT_EQ(_GetImplicitWindow(TestWindow::ClassName).ptr(), window.ptr());
}

TEST_F(WindowClosing, TheCloseBoxGoesTheSameWay)
{
    auto window = uitest::construct_test_window();
    QMainWindow* main = window->d().main_window();
    TestWindow::cancel_close() = true;
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    TestWindow::cancel_close() = false;
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(window->is_open());
    EXPECT_TRUE(_GetImplicitWindow(TestWindow::ClassName).is_nil());
}

TEST_F(WindowClosing, AClosedWindowDoesNotCloseAgain)
{
    auto window = uitest::construct_test_window();
    EXPECT_TRUE(window->close());
    TestWindow::log().clear();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(TestWindow::log().empty());
}

TEST_F(WindowClosing, ReleasingTheListsReleasesOpenWindows)
{
    auto const before = Object::live_count();
    uitest::construct_test_window();
    EXPECT_GT(Object::live_count(), before);
    detail::release_window_lists();
    EXPECT_EQ(Object::live_count(), before);
    EXPECT_TRUE(_GetImplicitWindow(TestWindow::ClassName).is_nil());
}

}
