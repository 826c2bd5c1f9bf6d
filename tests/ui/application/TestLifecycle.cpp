// The runtime road: start-up hand-over, the event loop, Quit, the
// unhandled-exception report and the exit code.

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/PluginEntrypoints.h"
#include "framework/ui/application/PluginEntrypoints_p.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/support/runtime/RaisedClass.h"
#include "tests/ui/application/LifecycleTest.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <vector>

using namespace fw;
using test_support::raised_class;

namespace {

using EventLoop = uitest::LifecycleTest;

TEST_F(EventLoop, QuitEndsTheLoopAfterTheCurrentEvent)
{
    bool handler_finished = false;
    bool later_event = false;
    on_next_event([&] {
        Quit(3);
        handler_finished = true;
    });
    on_next_event([&] { later_event = true; }, 5000);
    _RuntimeRun();
    EXPECT_TRUE(handler_finished);
    EXPECT_FALSE(later_event);
    EXPECT_TRUE(quit_requested());
    EXPECT_EQ(exit_code(), 3);
}

// Events queued before the Quit (input that came in one batch, say) are
// still handed out by Qt before exec() returns; none of them may reach
// program code.
TEST_F(EventLoop, QuitLetsNoEventQueuedBehindItRunProgramCode)
{
    int later_events = 0;
    on_next_event([] { Quit(0); });
    on_next_event([&] { ++later_events; });
    on_next_event([&] { ++later_events; });
    _RuntimeRun();
    EXPECT_EQ(later_events, 0);
    EXPECT_EQ(exit_code(), 0);
}

// What the loop left queued is handed out by the next loop that runs, such
// as the unhandled-exception report's message box: it must find the door
// shut, after a quit and after an exception alike.
TEST_F(EventLoop, EventsLeftQueuedAfterTheLoopRunNoProgramCode)
{
    for (bool by_exception : { false, true }) {
        SCOPED_TRACE(by_exception ? "exception" : "quit");
        RuntimeInit();
        int left_over = 0;
        on_next_event([&] {
            on_next_event([&] { ++left_over; }); // queued behind this event's pass
            if (by_exception)
                raise(make<NilObjectException>("ends the loop"));
            Quit(0);
        });
        EXPECT_EQ(raised_class([] { _RuntimeRun(); }), by_exception ? "NilObjectException" : "nothing");
        QCoreApplication::processEvents();
        EXPECT_EQ(left_over, 0);
        EXPECT_EQ(exit_code(), 0);
    }
}

TEST_F(EventLoop, QuitAgainWhileQuittingIsHarmless)
{
    on_next_event([] {
        Quit(0);
        Quit(7);
    });
    _RuntimeRun();
    EXPECT_EQ(quit_code(), 0);
    _RuntimeRun(); // after a quit the loop is not entered again
    EXPECT_EQ(exit_code(), 0);
}

TEST_F(EventLoop, QuitBeforeTheLoopKeepsItFromRunning)
{
    bool ran = false;
    on_next_event([&] { ran = true; });
    Quit(0);
    _RuntimeRun();
    EXPECT_FALSE(ran);
    EXPECT_EQ(exit_code(), 0);
}

TEST_F(EventLoop, ExceptionInAHandlerEndsTheLoopAndIsRaisedOnce)
{
    int after = 0;
    on_next_event([] { raise(make<IllegalCastException>("from a handler")); });
    on_next_event([&] { ++after; }, 100);
    try {
        _RuntimeRun();
        ADD_FAILURE() << "_RuntimeRun returned normally";
    } catch (RuntimeError const& error) {
        EXPECT_EQ(error.exception().class_table().name, "IllegalCastException");
        EXPECT_EQ(error.exception().message(), "from a handler");
    }
    EXPECT_FALSE(detail::exception_pending());
    EXPECT_EQ(after, 0);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(exit_code(), 0) << "nothing reported yet";
}

// An exception kept while no loop runs (an event Qt sends straight from
// start-up) must not leave Qt a quit request that would close the report's
// message box at once.
TEST_F(EventLoop, AnExceptionKeptWithNoLoopRunningLeavesTheReportsLoopAlone)
{
    detail::deliver([] { raise(make<NilObjectException>("before the loop")); });
    EXPECT_EQ(raised_class([] { _RuntimeRun(); }), "NilObjectException");
    QEventLoop report_box;
    bool ran = false;
    QTimer::singleShot(0, &report_box, [&] {
        ran = true;
        report_box.exit(0);
    });
    EXPECT_EQ(report_box.exec(), 0);
    EXPECT_TRUE(ran);
}

TEST_F(EventLoop, UnhandledExceptionReportsOnceAndExitsWithOne)
{
    auto exception = make<NilObjectException>("no field");
    ::testing::internal::CaptureStderr();
    _UnhandledException(exception.ptr());
    std::string const err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "quorvel: unhandled exception NilObjectException\n");
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find("NilObjectException"), std::string::npos) << boxes.texts()[0];
    EXPECT_NE(boxes.texts()[0].find("no field"), std::string::npos) << boxes.texts()[0];
    EXPECT_EQ(exit_code(), 1);
}

TEST_F(EventLoop, UnhandledExceptionWinsOverTheQuitCode)
{
    Quit(0);
    ::testing::internal::CaptureStderr();
    _UnhandledException(nullptr);
    (void)::testing::internal::GetCapturedStderr();
    EXPECT_EQ(exit_code(), 1);
}

TEST_F(EventLoop, ExitStartsTheNextRunAfresh)
{
    ::testing::internal::CaptureStderr();
    _UnhandledException(nullptr);
    (void)::testing::internal::GetCapturedStderr();
    Quit(4);
    EXPECT_EQ(exit_code(), 1);
    RuntimeInit();
    EXPECT_FALSE(quit_requested());
    EXPECT_EQ(RuntimeExit(), 0);
}

int s_startup_calls = 0;
void counting_startup() { ++s_startup_calls; }
void failing_startup()
{
    ++s_startup_calls;
    raise(make<NilObjectException>("in start-up"));
}

TEST_F(EventLoop, StartupRunsOnceThroughTheHelper)
{
    s_startup_calls = 0;
    _RuntimeSetExceptionHelper(any_function(&_CallFunctionWithExceptionHandling));
    _RunFrameworkInitialization(any_function(&counting_startup));
    EXPECT_EQ(s_startup_calls, 1);
}

TEST_F(EventLoop, StartupExceptionPassesOnWithItsClass)
{
    for (bool with_helper : { true, false }) {
        SCOPED_TRACE(with_helper ? "helper" : "no helper");
        s_startup_calls = 0;
        _RuntimeSetExceptionHelper(with_helper ? any_function(&_CallFunctionWithExceptionHandling) : nullptr);
        try {
            _RunFrameworkInitialization(any_function(&failing_startup));
            ADD_FAILURE() << "no exception";
        } catch (RuntimeError const& error) {
            EXPECT_EQ(error.exception().class_table().name, "NilObjectException");
        }
        EXPECT_EQ(s_startup_calls, 1);
    }
}

TEST_F(EventLoop, NilStartupDoesNothing) { EXPECT_NO_THROW(_RunFrameworkInitialization(nullptr)); }

}
