#pragma once

// Shared pieces of the window tests: a fixture that fails a case which
// leaks an object or frees one twice, a frmMain subclass that records the
// handlers it is called on instead of running them, and ways to build a
// window with or without the framework's construction.

#include "tests/support/program/ProgramWindows.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "window/frmMain.h"

#include <string>
#include <vector>

namespace window_test {

// One call of a recorded handler. The window and control are kept as plain
// addresses: a record must not keep either alive.
struct HandlerCall {
    std::string handler;
    void const* window { nullptr };
    void const* control { nullptr };
    std::string key;
    friend bool operator==(HandlerCall const&, HandlerCall const&) = default;
};
std::vector<HandlerCall>& handler_calls();

// A frmMain whose control handlers, menu handler, Calculate and CancelClose
// only record that they ran. Its class table is frmMain's under its own
// name; frmMain's slots dispatch virtually, so they reach these overrides.
class RecordingWindow : public frmMain {
    FW_OBJECT(RecordingWindow)
public:
    void efStart_LostFocus(fw::TextField* control) override;
    bool efStart_KeyDown(fw::TextField* control, fw::String const& key) override;
    void efEnd_LostFocus(fw::TextField* control) override;
    bool efEnd_KeyDown(fw::TextField* control, fw::String const& key) override;
    void Calculate() override;
    bool Event_CancelClose(bool app_quitting) override;

    // What the recorded KeyDown and CancelClose answer (frmMain's always
    // answer False).
    bool key_answer { false };
    bool cancel_close { false };

    // Runs the framework's construction: hooks, bindings, Open.
    static fw::Ref<RecordingWindow> construct();
};

// A frmMain made by its class's factory and never constructed: no controls.
using test_support::unconstructed_window;
// An unconstructed frmMain with its fourteen controls made and registered the
// way _CreateControls0 does it (streams and bindings included).
fw::Ref<frmMain> window_with_controls();
// Closes a constructed window as its close box does and lets the framework
// drop it; the test's own reference stays. The quit that the close asks for
// is taken back, so the next case starts with a fresh run.
void close_window(fw::Window& window);

// Starts each case with an empty handler record.
class WindowTest : public LiveCountTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

}
