#include "framework/ui/application/Lifecycle.h"

#include "framework/ui/application/Application_p.h"
#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/MsgBox.h"
#include "framework/ui/application/OwnLook_p.h"
#include "framework/ui/application/PluginEntrypoints_p.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

namespace fw {

namespace {

    // Where the run stands with respect to its event loop.
    enum class LoopPhase { Before, Running, Ended };

    struct RunState {
        QApplication* own_app { nullptr }; // made by RuntimeInit, so destroyed by RuntimeExit
        ExceptionHelper helper { nullptr };
        LoopPhase phase { LoopPhase::Before };
        bool quitting { false };
        std::int32_t quit_code { 0 };
        bool reported { false }; // an unhandled exception was reported
    };
    RunState s_state;

    void call_startup(void* routine) { (*static_cast<AnyFunction*>(routine))(); }

    // The report names the class: the one thing a user can pass on.
    std::string report_text(std::string const& class_name, std::string const& message)
    {
        std::string text = "An exception of class " + class_name + " was not handled";
        text += message.empty() ? "." : ": " + message;
        return text + "\nThe application must shut down.";
    }

}

void RuntimeInit()
{
    if (!QCoreApplication::instance()) {
        // QApplication keeps references to both for its whole life.
        static int argc = 1;
        static char program[] = "quorvel";
        static char* argv[] = { program, nullptr };
        s_state.own_app = new QApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
        // Only Quit ends the loop: Qt must not end it by itself when the
        // last window closes, which would bypass the code given to Quit.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    detail::hold_own_look();
}

std::int32_t RuntimeExit()
{
    std::int32_t code = s_state.reported ? 1 : s_state.quit_code;
    release_application_object();
    detail::clear_plugin_entry_points();
    // An exception kept after the loop had ended was never raised; with no
    // one left to report it, it goes with the run.
    (void)detail::take_exception();
    detail::release_own_look();
    delete s_state.own_app;
    s_state = RunState {};
    return code;
}

void _RuntimeSetExceptionHelper(AnyFunction helper)
{
    s_state.helper = typed_function<Ref<RuntimeException>(GuardedRoutine, void*)>(helper);
}

void _RunFrameworkInitialization(AnyFunction startup)
{
    if (!startup)
        return;
    if (!s_state.helper)
        return call_startup(&startup);
    if (auto exception = s_state.helper(call_startup, &startup))
        raise(std::move(exception));
}

void _RuntimeRun()
{
    if (!s_state.quitting && !detail::exception_pending() && QCoreApplication::instance()) {
        s_state.phase = LoopPhase::Running;
        QApplication::exec();
    }
    s_state.phase = LoopPhase::Ended;
    if (auto exception = detail::take_exception())
        std::rethrow_exception(exception);
}

void Quit(std::int32_t code)
{
    if (s_state.quitting)
        return;
    s_state.quitting = true;
    s_state.quit_code = code;
    // exit() lets the handler that called Quit finish: the loop returns once
    // control is back in it. Before the loop runs, the flag keeps it from
    // starting.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool quit_requested() noexcept { return s_state.quitting; }
std::int32_t quit_code() noexcept { return s_state.quit_code; }

// Before the loop, Quit only keeps it from starting: start-up still shows
// its window. Once the loop runs, Quit closes the door on what is queued.
bool detail::events_closed() noexcept
{
    return detail::exception_pending() || s_state.phase == LoopPhase::Ended
        || (s_state.phase == LoopPhase::Running && s_state.quitting);
}

void _UnhandledException(RuntimeException* exception)
{
    s_state.reported = true;
    std::string class_name = exception ? exception->class_table().name : "(unknown)";
    std::string message = exception ? exception->message() : std::string();
    std::fprintf(stderr, "quorvel: unhandled exception %s\n", class_name.c_str());
    std::fflush(stderr);
    MsgBox(report_text(class_name, message));
}

}
