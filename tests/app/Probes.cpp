#include "Probes.h"

#include "framework/ui/application/PluginEntrypoints.h"
#include "framework/ui/window/Window.h"

#include <ostream>

using namespace fw;

namespace app_test {

void PrintTo(Step const& step, std::ostream* out)
{
    *out << "{" << step.what << ": plugins " << step.plugins_ready << ", bar kept " << step.bar_kept
         << ", app registered " << step.app_registered << ", app shows bar " << step.app_shows_bar << ", window "
         << step.window_exists << "}";
}

Step snapshot(std::string what)
{
    auto app = _GetAppObject();
    auto const& bar = Menu::_implicitInstance;
    return Step {
        .what = std::move(what),
        .plugins_ready = plugin_entry_point("BevelButton.Caption.Get") != nullptr,
        .bar_kept = bool(bar),
        .app_registered = bool(app),
        .app_shows_bar = app && bar && app->MenuBar().ptr() == bar.ptr(),
        .window_exists = bool(_GetImplicitWindow("frmMain.frmMain")),
    };
}

ProbeLog& probe_log()
{
    static ProbeLog log;
    return log;
}

void ProbeApp::Constructor()
{
    probe_log().steps.push_back(snapshot("App.Constructor"));
    if (probe_log().fail_app_constructor)
        RaiseNilObjectException();
}

ProbeMenu::~ProbeMenu() { probe_log().steps.push_back(snapshot("Menu destroyed")); }

void ProbeMenu::Constructor()
{
    probe_log().steps.push_back(snapshot("Menu.Constructor"));
    if (probe_log().fail_menu_constructor)
        RaiseNilObjectException();
    Menu::Constructor();
}

ProbeWindow::ProbeWindow() { probe_log().steps.push_back(snapshot("frmMain made")); }

bool ProbeWindow::_FileQuit_Action()
{
    ++probe_log().quit_handler_calls;
    bool const answer = frmMain::_FileQuit_Action(); // asks to quit with 0
    if (probe_log().raise_in_quit_handler)
        RaiseNilObjectException();
    return answer;
}

namespace {
    // The program's builders keep their tables writable through __ctbl.
    template<typename C>
    ClassTable& table()
    {
        (void)C::__Lookup();
        return *C::__ctbl;
    }
}

ProbeClasses::ProbeClasses()
    : m_app(table<class App>().factory)
    , m_menu(table<Menu>().factory)
    , m_window(table<frmMain>().factory)
{
    probe_log() = ProbeLog {};
    table<class App>().factory = []() -> Object* { return new ProbeApp; };
    table<Menu>().factory = []() -> Object* { return new ProbeMenu; };
    table<frmMain>().factory = []() -> Object* { return new ProbeWindow; };
}

ProbeClasses::~ProbeClasses()
{
    table<class App>().factory = m_app;
    table<Menu>().factory = m_menu;
    table<frmMain>().factory = m_window;
}

}
