#pragma once

// A fixture that runs the whole program in this process, from module_main to
// its exit status, with the probes in place, message boxes captured and a
// watchdog that ends a run that would never end.
//
// RuntimeInit finds the test program's QApplication and RuntimeExit leaves
// it alone, so each case gets a run of its own.

#include "Probes.h"

#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/ui/MessageBoxCapture.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;

namespace app_test {

class ProgramRun : public LiveCountTest {
protected:
    void TearDown() override;

    // module_main with `first_event` queued as the loop's first event; its
    // result is the exit status. Standard error is kept in `err`.
    std::int32_t run(std::function<void()> first_event = {});
    // Lines of `err` that are unhandled-exception reports.
    std::vector<std::string> report_lines() const;
    // The run meets the program's own classes instead of the probes.
    void without_probes() { m_probes.reset(); }

    test_support::MessageBoxCapture boxes; // what MsgBox was given, in order
    std::string err;
    bool loop_entered { false };

private:
    std::unique_ptr<ProbeClasses> m_probes { std::make_unique<ProbeClasses>() };
    std::unique_ptr<QObject> m_context { std::make_unique<QObject>() };
};

// The Qt action that shows the named menu entry in the open window, or null.
QAction* shown_action(char const* name);
// Opens the named menu as a click on its title would (the framework updates
// the menus), then chooses the named item in it.
void choose(char const* menu, char const* item);

}
