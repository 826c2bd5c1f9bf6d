// frmMain's own answers to its window events and to File > Quit.

#include "WindowTestSupport.h"

#include "app/Menu.h"
#include "app/Startup.h"

#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/window/Window_p.h"

#include <QTest>

#include <cmath>
#include <cstdlib>

using namespace fw;
using window_test::WindowTest;

namespace {

// Quit can be asked for only once in a process, so the cases that watch it
// run in a child process of their own (see main.cpp). The child ends with
// _Exit: Qt is still up, and exit-time leak checks would fail it for that.
[[noreturn]] void exit_with_quit_state(bool answer)
{
    std::_Exit(quit_requested() && quit_code() == 0 && !answer ? 0 : 1);
}

Ref<frmMain> constructed_window()
{
    auto window = window_test::unconstructed_window();
    window->Constructor();
    return window;
}

}

class MainWindowEvents : public WindowTest { };

TEST_F(MainWindowEvents, OpenShowsTodayInTheStartFieldAndLeavesTheOthersEmpty)
{
    auto window = constructed_window();
    auto const today = make<Date>();
    ASSERT_TRUE(window->Start);
    ASSERT_TRUE(window->EndD);
    EXPECT_NE(window->Start.ptr(), window->EndD.ptr());
    EXPECT_EQ(window->Start->ref_count(), 1u);
    EXPECT_LE(std::abs(window->Start->TotalSeconds() - today->TotalSeconds()), 5.0);
    EXPECT_LE(std::abs(window->EndD->TotalSeconds() - today->TotalSeconds()), 5.0);
    EXPECT_EQ(window->efStart()->Text(), window->Start->ShortDate());
    EXPECT_EQ(window->efStart()->Text(), today->ShortDate());
    for (auto field : { window->efEnd(), window->efStartDay(), window->efEndDay(), window->efWeekdays(),
             window->efWeekenddays(), window->efTotal() }) {
        SCOPED_TRACE(field->Name());
        EXPECT_EQ(field->Text(), "");
    }
    window_test::close_window(*window);
}

TEST_F(MainWindowEvents, OpenWithoutAStartFieldRaisesNilObjectException)
{
    auto window = window_test::unconstructed_window();
    EXPECT_THROW(window->Event_Open(), RuntimeError);
    // Both dates were made before the field was looked for.
    EXPECT_TRUE(window->Start);
    EXPECT_TRUE(window->EndD);
}

TEST_F(MainWindowEvents, AddMenuHandlersBindsFileQuitToTheWindowsOwnHandler)
{
    auto window = constructed_window();
    auto const& table = frmMain::__Lookup();
    AnyFunction const quit = table.vtable.at(std::size_t(table.vtable_index("_FileQuit_Action"))).entry;
    EXPECT_EQ(window->d().menu_handler("FileQuit"), quit);
    EXPECT_EQ(window->d().menu_handlers().size(), 1u);
    // The kind 0 delegate is gone: it does not keep the window alive.
    EXPECT_EQ(window->ref_count(), 3u); // this test, the open list, the implicit list
    window_test::close_window(*window);
    EXPECT_EQ(window->ref_count(), 1u);
}

TEST_F(MainWindowEvents, EnableMenuItemsWithoutAQuitItemRaisesNilObjectException)
{
    auto window = window_test::unconstructed_window();
    EXPECT_THROW(window->Event_EnableMenuItems(), RuntimeError);
}

TEST_F(MainWindowEvents, BevelButtonActionRunsCalculate)
{
    auto window
        = RuntimeCheckCast<window_test::RecordingWindow>(RuntimeNewObject(window_test::RecordingWindow::__Lookup()));
    window->BevelButton1_Action(nullptr);
    ASSERT_EQ(window_test::handler_calls().size(), 1u);
    EXPECT_EQ(window_test::handler_calls()[0].handler, "Calculate");
}

using MainWindowEventsDeathTest = MainWindowEvents;

TEST_F(MainWindowEventsDeathTest, TheCloseBoxQuitsWithZeroAndTheCloseGoesAhead)
{
    EXPECT_EXIT(
        {
            auto window = constructed_window();
            window->d().main_window()->close();
            if (window->is_open() || _GetImplicitWindow("frmMain.frmMain"))
                std::_Exit(2);
            exit_with_quit_state(false);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowEventsDeathTest, CancelCloseAnswersFalseWhateverItIsGiven)
{
    EXPECT_EXIT(
        {
            auto window = window_test::unconstructed_window();
            bool const answer = window->Event_CancelClose(true);
            exit_with_quit_state(answer);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowEventsDeathTest, FileQuitQuitsWithZeroAndAnswersFalse)
{
    EXPECT_EXIT(
        {
            auto window = constructed_window();
            auto handler = typed_function<bool(Object*)>(window->d().menu_handler("FileQuit"));
            exit_with_quit_state(handler(window.ptr()));
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowEventsDeathTest, EnableMenuItemsEnablesTheQuitItem)
{
    EXPECT_EXIT(
        {
            _NewAppInstance(); // the application object and its menu bar
            FileQuit()->set_Enabled(false);
            window_test::unconstructed_window()->Event_EnableMenuItems();
            std::_Exit(FileQuit()->Enabled() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
