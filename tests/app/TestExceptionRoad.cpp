// An exception that a handler lets escape while the event loop runs: kept by
// the framework, reported once, and followed by the normal shut-down with the
// exit status 1.

#include "ProgramRun.h"

#include "framework/runtime/Runtime.h"
#include "tests/support/runtime/RaisedClass.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace fw;
using test_support::raised_class;
using namespace app_test;

namespace {

using ExceptionRoad = ProgramRun;

// Chooses File > Quit, whose handler raises, and then chooses it again in
// the same event: the second choice must run no program code.
void quit_twice()
{
    choose("UntitledMenu2", "FileQuit");
    if (auto* action = shown_action("FileQuit"))
        action->trigger();
}

TEST_F(ExceptionRoad, AHandlerThatRaisesIsReportedOnceThenTheProgramShutsDown)
{
    probe_log().raise_in_quit_handler = true;
    boxes.on_box = [] { probe_log().steps.push_back(snapshot("report")); };
    EXPECT_EQ(run(quit_twice), 1) << "the handler's Quit(0) does not hide the failure";

    EXPECT_EQ(probe_log().quit_handler_calls, 1);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find("NilObjectException"), std::string::npos) << boxes.texts()[0];
    auto const lines = report_lines();
    ASSERT_EQ(lines.size(), 1u) << err;
    EXPECT_NE(lines[0].find("NilObjectException"), std::string::npos) << lines[0];

    // The report comes first, with everything still in place; the finaliser
    // and RuntimeExit follow it.
    auto const& steps = probe_log().steps;
    auto report = std::find_if(steps.begin(), steps.end(), [](Step const& s) { return s.what == "report"; });
    ASSERT_NE(report, steps.end());
    EXPECT_EQ(*report, (Step { "report", true, true, true, true, true }));
    EXPECT_EQ(steps.back().what, "Menu destroyed");
    EXPECT_FALSE(Menu::_implicitInstance);
    EXPECT_EQ(objects_left(), 0);
}

TEST_F(ExceptionRoad, AnExceptionRaisedByTheReportPassesOutOfTheMainRoutine)
{
    probe_log().raise_in_quit_handler = true;
    boxes.on_box = [] { raise(make<IllegalCastException>("raised by the report")); };
    EXPECT_EQ(raised_class([this] { (void)run(quit_twice); }), "IllegalCastException");
    EXPECT_EQ(boxes.texts().size(), 1u);
    EXPECT_TRUE(Menu::_implicitInstance) << "the finaliser does not run";
}

}
