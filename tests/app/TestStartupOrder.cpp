// The program's start-up, run for real: the application object first, its
// menu bar built inside its making, then registration, then the window; a
// step that fails stops the ones after it.

#include "ProgramRun.h"

#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/window/Window.h"

#include <QAction>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

using namespace fw;
using namespace app_test;

namespace {

using StartupOrder = ProgramRun;

long count_steps(char const* what)
{
    auto const& steps = probe_log().steps;
    return std::count_if(steps.begin(), steps.end(), [&](Step const& s) { return s.what == what; });
}

TEST_F(StartupOrder, AppThenItsMenuBarThenRegistrationThenTheWindow)
{
    EXPECT_EQ(run([] {
        probe_log().steps.push_back(snapshot("first event"));
        Quit(0);
    }),
        0);
    // what, plug-ins, bar kept, app registered, app shows bar, window
    std::vector<Step> const expected {
        { "App.Constructor", true, false, false, false, false },
        { "Menu.Constructor", true, false, false, false, false },
        { "frmMain made", true, true, true, true, false },
        { "first event", true, true, true, true, true },
    };
    auto const& steps = probe_log().steps;
    ASSERT_GE(steps.size(), expected.size());
    EXPECT_EQ(std::vector<Step>(steps.begin(), steps.begin() + std::ptrdiff_t(expected.size())), expected);
}

TEST_F(StartupOrder, TheBarIsReleasedAfterTheWindowsAndTheGlobal)
{
    EXPECT_EQ(run([] { Quit(0); }), 0);
    ASSERT_FALSE(probe_log().steps.empty());
    auto const& last = probe_log().steps.back();
    EXPECT_EQ(last.what, "Menu destroyed");
    EXPECT_FALSE(last.window_exists);
    EXPECT_FALSE(last.bar_kept);
    EXPECT_EQ(objects_left(), 0);
}

TEST_F(StartupOrder, OneApplicationObjectOneBarOneWindowWhileRunning)
{
    EXPECT_EQ(run([] {
        auto app = App();
        ASSERT_TRUE(app);
        EXPECT_EQ(app, App());
        EXPECT_EQ(app.ptr(), _GetAppObject().ptr());
        auto bar = app->MenuBar();
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar.ptr(), Menu::_implicitInstance.ptr());
        EXPECT_EQ(bar->Count(), 2);
        auto window = frmMain_frmMain();
        EXPECT_EQ(window, frmMain_frmMain());
        EXPECT_EQ(window.ptr(), _GetImplicitWindow("frmMain.frmMain").ptr());
        EXPECT_NE(shown_action("UntitledMenu2"), nullptr) << "the window shows the bar";
        EXPECT_NE(shown_action("EditPaste"), nullptr);
        Quit(0);
    }),
        0);
    EXPECT_EQ(count_steps("App.Constructor"), 1);
    EXPECT_EQ(count_steps("Menu.Constructor"), 1);
    EXPECT_EQ(count_steps("frmMain made"), 1);
}

TEST_F(StartupOrder, FileQuitEndsTheRunWithStatusZero)
{
    EXPECT_EQ(run([] { choose("UntitledMenu2", "FileQuit"); }), 0);
    EXPECT_EQ(probe_log().quit_handler_calls, 1);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_TRUE(report_lines().empty()) << err;
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_EQ(objects_left(), 0);
}

TEST_F(StartupOrder, NothingQueuedBehindFileQuitReachesTheProgram)
{
    EXPECT_EQ(run([] {
        auto* quit = shown_action("FileQuit");
        ASSERT_NE(quit, nullptr);
        // Two choices in one batch of input: the first ends the run.
        QMetaObject::invokeMethod(
            quit, [] { choose("UntitledMenu2", "FileQuit"); }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(quit, &QAction::trigger, Qt::QueuedConnection);
    }),
        0);
    EXPECT_EQ(probe_log().quit_handler_calls, 1);
    EXPECT_EQ(objects_left(), 0);
}

TEST_F(StartupOrder, TheProgramsOwnClassesRunAndQuitWithStatusZero)
{
    without_probes();
    EXPECT_EQ(run([] { choose("UntitledMenu2", "FileQuit"); }), 0);
    EXPECT_TRUE(probe_log().steps.empty());
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_TRUE(report_lines().empty()) << err;
    EXPECT_EQ(objects_left(), 0);
}

struct FailingStep {
    char const* name;
    bool ProbeLog::*flag;
    std::vector<Step> steps; // up to and including the report
    friend void PrintTo(FailingStep const& row, std::ostream* out) { *out << row.name; }
};

class FailingStartup : public ProgramRun, public testing::WithParamInterface<FailingStep> { };

TEST_P(FailingStartup, StopsTheLaterStepsAndIsReportedOnce)
{
    probe_log().*GetParam().flag = true;
    boxes.on_box = [] { probe_log().steps.push_back(snapshot("report")); };
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(probe_log().steps, GetParam().steps);
    EXPECT_FALSE(loop_entered);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find("NilObjectException"), std::string::npos) << boxes.texts()[0];
    auto const lines = report_lines();
    ASSERT_EQ(lines.size(), 1u) << err;
    EXPECT_NE(lines[0].find("NilObjectException"), std::string::npos) << lines[0];
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_EQ(objects_left(), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStartup,
    testing::Values(
        FailingStep {
            "AppConstructor",
            &ProbeLog::fail_app_constructor,
            {
                { "App.Constructor", true, false, false, false, false },
                { "report", true, false, false, false, false },
            },
        },
        FailingStep {
            "MenuBar",
            &ProbeLog::fail_menu_constructor,
            {
                { "App.Constructor", true, false, false, false, false },
                { "Menu.Constructor", true, false, false, false, false },
                { "Menu destroyed", true, false, false, false, false },
                { "report", true, false, false, false, false },
            },
        }),
    [](auto const& info) { return std::string(info.param.name); });

}
