// The background-task yield: it repaints and delivers nothing that runs
// program code, holds close requests back and is not re-entered.

#include "framework/ui/application/BackgroundTask.h"
#include "framework/ui/application/Gate_p.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/TextField.h"
#include "tests/ui/UiTestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace fw;
using uitest::TestWindow;

namespace {

class BackgroundTaskTest : public uitest::UiTest {
protected:
    // Calls the yield until its clock says a yield has happened at least
    // once: enough calls to pass the counter, over more than the interval.
    static void yield_for(int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds)
            RuntimeBackgroundTask();
    }
};

TEST_F(BackgroundTaskTest, ControlEventsRaiseNothingDuringTheYield)
{
    TestWindow::on_create_controls() = [](TestWindow& w) { uitest::add_control<TextField>(w, "f"); };
    auto window = uitest::construct_test_window();
    int raised = 0;
    static int* s_raised = nullptr;
    s_raised = &raised;
    auto field = RuntimeCheckCast<TextField>(window->_ControlByName("f"));
    RuntimeAddEventHandler(field.ptr(), 20, any_function(+[](RectControl*) { ++*s_raised; }), nullptr);
    {
        detail::BackgroundYieldScope const yielding;
        field->d().widget()->setProperty("text", "typed");
        EXPECT_FALSE(detail::run_event([] { return true; }, false));
    }
    EXPECT_EQ(raised, 0);
    field->set_Text("after");
    EXPECT_EQ(raised, 1);
}

TEST_F(BackgroundTaskTest, ACloseRequestDuringTheYieldWaitsForTheEventLoop)
{
    auto window = uitest::construct_test_window();
    QMainWindow* main = window->d().main_window();
    {
        detail::BackgroundYieldScope const yielding;
        EXPECT_FALSE(main->close());
    }
    EXPECT_TRUE(window->is_open());
    EXPECT_TRUE(TestWindow::log().back() != "CancelClose");
    yield_for(450); // the yield asks again, from the loop, after it returns
    EXPECT_TRUE(window->is_open());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->is_open());
}

TEST_F(BackgroundTaskTest, TheYieldIsNotReentered)
{
    // A timer that fires inside the yield calls the yield again for a while;
    // a re-entered yield would run the inner timer there and then.
    bool in_callback = false;
    bool nested = false;
    bool saw_yield = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!detail::in_background_yield() || saw_yield)
            return;
        saw_yield = in_callback = true;
        QTimer::singleShot(0, [&] { nested = nested || in_callback; });
        yield_for(300);
        in_callback = false;
    });
    timer.start(1);
    yield_for(600);
    timer.stop();
    QCoreApplication::processEvents();
    EXPECT_TRUE(saw_yield);
    EXPECT_FALSE(nested);
}

}
