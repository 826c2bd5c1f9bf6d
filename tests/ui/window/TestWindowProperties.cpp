// What the stored properties of a window do to the Qt window a user sees.

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

class WindowProperties : public uitest::UiTest { };

// The stored window of the program: 772 by 84, fixed, centred, no min/max
// buttons.
void stored_layout(Window& w)
{
    w.set_Placement(2);
    w.set_Width(772);
    w.set_Height(84);
    w.set_MinWidth(64);
    w.set_MinHeight(64);
    w.set_MaxWidth(32000);
    w.set_MaxHeight(32000);
    w.set_Title("Quorvel");
    w.set_Resizeable(false);
    w.set_MaximizeButton(false);
    w.set_MinimizeButton(false);
}

TEST_F(WindowProperties, ANotResizeableWindowHasItsContentAtTheStoredFixedSize)
{
    TestWindow::on_layout() = [](TestWindow& w) { stored_layout(w); };
    auto window = uitest::construct_test_window();
    QMainWindow* main = window->d().main_window();
    // A menu bar added later keeps the content size.
    main->setMenuBar(new QMenuBar);
    main->menuBar()->addMenu("File");
    main->layout()->activate();
    EXPECT_EQ(window->d().content()->size(), QSize(772, 84));
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(main->windowTitle(), "Quorvel");
}

TEST_F(WindowProperties, ButtonsFollowTheStoredFlags)
{
    TestWindow::on_layout() = [](TestWindow& w) { stored_layout(w); };
    auto window = uitest::construct_test_window();
    auto const flags = window->d().main_window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowProperties, PlacementTwoCentresOnThePrimaryScreen)
{
    TestWindow::on_layout() = [](TestWindow& w) { stored_layout(w); };
    auto window = uitest::construct_test_window();
    QRect const screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect const frame = window->d().main_window()->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST_F(WindowProperties, BackColorShowsOnlyWithHasBackColor)
{
    auto window = make<Window>();
    window->set_BackColor({ 0xFF, 0x00, 0x00 });
    QWidget* content = window->d().content();
    EXPECT_FALSE(content->autoFillBackground());
    window->set_HasBackColor(true);
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(WindowProperties, NoEffectPropertiesAreKeptAndReadable)
{
    auto window = make<Window>();
    window->set_MacProcId(7);
    window->set_Composite(true);
    window->set_Frame(3);
    window->set_LiveResize(false);
    EXPECT_EQ(window->MacProcId(), 7);
    EXPECT_TRUE(window->Composite());
    EXPECT_EQ(window->Frame(), 3);
    EXPECT_FALSE(window->LiveResize());
}

}
