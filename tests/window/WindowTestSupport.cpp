#include "WindowTestSupport.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/window/Window_p.h"

using namespace fw;

namespace window_test {

std::vector<HandlerCall>& handler_calls()
{
    static std::vector<HandlerCall> calls;
    return calls;
}

namespace {

    void record(char const* handler, void const* window, void const* control, std::string key = {})
    {
        handler_calls().push_back(HandlerCall { handler, window, control, std::move(key) });
    }

}

void RecordingWindow::efStart_LostFocus(TextField* control) { record("efStart_LostFocus", this, control); }

bool RecordingWindow::efStart_KeyDown(TextField* control, String const& key)
{
    record("efStart_KeyDown", this, control, key);
    return key_answer;
}

void RecordingWindow::efEnd_LostFocus(TextField* control) { record("efEnd_LostFocus", this, control); }

bool RecordingWindow::efEnd_KeyDown(TextField* control, String const& key)
{
    record("efEnd_KeyDown", this, control, key);
    return key_answer;
}

void RecordingWindow::Calculate() { record("Calculate", this, nullptr); }

bool RecordingWindow::Event_CancelClose(bool)
{
    record("Event_CancelClose", this, nullptr);
    return cancel_close;
}

ClassTable const& RecordingWindow::__Lookup()
{
    static ClassTable const* table = [] {
        auto const& base = frmMain::__Lookup();
        auto* t = RuntimeNewClass(&base, std::int32_t(base.methods.size()), 0, std::int32_t(base.events.size()), 0,
            std::int32_t(base.properties.size()), 0);
        t->name = "RecordingWindow";
        t->instance_size = sizeof(RecordingWindow);
        t->factory = []() -> Object* { return new RecordingWindow; };
        t->vtable = base.vtable;
        for (std::size_t i = 0; i < base.events.size(); ++i)
            t->events[i].handler = base.events[i].handler;
        return t;
    }();
    return *table;
}

Ref<RecordingWindow> RecordingWindow::construct()
{
    auto window = RuntimeCheckCast<RecordingWindow>(RuntimeNewObject(RecordingWindow::__Lookup()));
    window->Constructor();
    return window;
}

Ref<frmMain> window_with_controls()
{
    Ref<frmMain> window = unconstructed_window();
    window->_CreateControls0();
    return window;
}

// frmMain answers the close with Quit(0). No loop runs here to end, so the
// run's state is reset for the next case, which must not start out quitting.
void close_window(Window& window)
{
    window.close();
    detail::release_closed_windows();
    if (quit_requested())
        RuntimeExit();
}

void WindowTest::SetUp() { handler_calls().clear(); }

void WindowTest::TearDown()
{
    handler_calls().clear();
    LiveCountTest::TearDown();
}

}
