#pragma once

// Shared pieces of the window and control tests: a window class of their
// own with handlers in its event table, control creation as a window class
// does it, and a fixture that proves every case released what it made.

#include "framework/runtime/Runtime.h"
#include "framework/ui/window/Window.h"
#include "framework/ui/window/Window_p.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <QCoreApplication>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// A window class built the way a program builds one: its own class table
// derived from Window's, handlers entered by event name. What each hook does
// is set per case.
class TestWindow final : public fw::Window {
    FW_OBJECT(TestWindow)
public:
    static constexpr char const* ClassName = "uitest.TestWindow";

    // Every hook and window event appends its name; AddMenuHandlers also
    // notes whether it got this window.
    static std::vector<std::string>& log();
    static std::function<void(TestWindow&)>& on_layout();
    static std::function<void(TestWindow&)>& on_create_controls();
    static std::function<void(TestWindow&)>& on_open();
    static bool& cancel_close();
    static void reset_hooks();
};

fw::Ref<TestWindow> construct_test_window();

// Allocates, constructs and registers a control under its name, as a
// window's control creation does.
template<typename T>
fw::Ref<T> add_control(fw::Window& window, std::string const& name)
{
    auto control = fw::RuntimeCheckCast<T>(window.__New(T::__Lookup()));
    control->Constructor();
    window._AddControl(name, control.ptr());
    return control;
}

// A quit that some earlier case asked for while no loop ran stays pending in
// Qt and would end the next nested loop (a message box) at once; running the
// application loop for a moment clears it.
void clear_pending_quit();

// Releases every window the case left open or closed, then checks counts.
class UiTest : public LiveCountTest {
protected:
    void SetUp() override { TestWindow::reset_hooks(); }
    // A fixture releases the objects it holds here, before the count.
    virtual void drop_members() { }
    void TearDown() override
    {
        drop_members();
        fw::detail::release_window_lists();
        QCoreApplication::processEvents();
        TestWindow::reset_hooks();
        LiveCountTest::TearDown();
    }
};

}
