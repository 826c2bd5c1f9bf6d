// The program's window opens centred on the primary screen as the user sees
// it: the menu bar above the content area and the frame around both count.

#include "ProgramRun.h"

#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/window/Window_p.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;

namespace {

class WindowPlacement : public app_test::ProgramRun { };

void check_centred()
{
    // Let whatever start-up left queued settle first: the user sees the
    // window after that.
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(detail::open_windows().size(), 1u);
    QMainWindow const* main = detail::open_windows().front()->d().main_window();
    ASSERT_TRUE(main->isVisible());
    QWidget const* bar = main->menuWidget();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());

    // What is centred is the whole window, not the 772 by 84 content area.
    QRect const frame = main->frameGeometry();
    EXPECT_EQ(main->geometry().size(), QSize(772, 84 + bar->height()));
    EXPECT_GE(frame.height(), main->geometry().height());

    QRect const screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Twice the distance between the centres: an odd leftover pixel may go
    // either way.
    int const dx = (frame.left() + frame.right()) - (screen.left() + screen.right());
    int const dy = (frame.top() + frame.bottom()) - (screen.top() + screen.bottom());
    EXPECT_LE(std::abs(dx), 2) << "frame left " << frame.left() << " on a screen " << screen.width() << " wide";
    EXPECT_LE(std::abs(dy), 2) << "frame top " << frame.top() << ", height " << frame.height() << " on a screen "
                               << screen.height() << " high";
}

TEST_F(WindowPlacement, TheWholeWindowIsCentredOnThePrimaryScreen)
{
    without_probes();
    EXPECT_EQ(run([] {
        check_centred();
        Quit(0);
    }),
        0);
    EXPECT_EQ(objects_left(), 0);
}

}
