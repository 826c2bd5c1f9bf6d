#pragma once

// Probes: subclasses of App, Menu and frmMain that note what start-up had
// done at the moment each of them was made or constructed, and that can be
// told to fail there. ProbeClasses makes the program's own class tables
// create them, so start-up goes its real road and meets the probes where it
// would meet the real objects.

#include "app/App.h"
#include "app/Menu.h"
#include "window/frmMain.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app_test {

// What start-up had done when a probe ran.
struct Step {
    std::string what;
    bool plugins_ready { false }; // the plug-in entry points are resolved
    bool bar_kept { false }; // Menu::_implicitInstance holds the bar
    bool app_registered { false };
    bool app_shows_bar { false }; // the registered object's MenuBar is that bar
    bool window_exists { false }; // the framework knows a frmMain window

    friend bool operator==(Step const&, Step const&) = default;
    friend void PrintTo(Step const& step, std::ostream* out);
};
Step snapshot(std::string what);

struct ProbeLog {
    std::vector<Step> steps;
    bool fail_app_constructor { false };
    bool fail_menu_constructor { false };
    bool raise_in_quit_handler { false };
    int quit_handler_calls { 0 };
};
ProbeLog& probe_log();

class ProbeApp final : public App {
public:
    void Constructor() override;
};

class ProbeMenu final : public Menu {
public:
    ~ProbeMenu() override;
    void Constructor() override;
};

class ProbeWindow final : public frmMain {
public:
    ProbeWindow();
    bool _FileQuit_Action() override;
};

// While it lives, App, Menu and frmMain's class tables make probes, and the
// log starts empty.
class ProbeClasses {
public:
    ProbeClasses();
    ~ProbeClasses();
    ProbeClasses(ProbeClasses const&) = delete;
    ProbeClasses& operator=(ProbeClasses const&) = delete;

private:
    fw::Factory m_app;
    fw::Factory m_menu;
    fw::Factory m_window;
};

}
