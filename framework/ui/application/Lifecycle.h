#pragma once

// The framework's runtime road: set-up, start-up hand-over, the event loop,
// quitting, the unhandled-exception report and exit.
//
// No C++ exception ever crosses Qt: wherever Qt calls into the framework
// (event filters, slots, timers) the framework catches a RuntimeError,
// keeps it, ends the event loop, and _RuntimeRun raises it again once the
// loop has returned.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"

#include <cstdint>

namespace fw {

// Sets up the runtime and the Qt application (made here unless one exists
// already) and gives the application the framework's own style and palette,
// kept whatever the desktop changes until RuntimeExit; first of all calls.
void RuntimeInit();
// Last of all calls: the code given to Quit, or 1 after an unhandled
// exception was reported. Drops the registered application object and the
// plug-in entry points, and tears down the Qt application if RuntimeInit
// made it; the next RuntimeInit starts afresh.
std::int32_t RuntimeExit();

// The guarded-call routine the framework uses for callbacks, given as a
// plain routine pointer (a delegate's pointer form); its type is that of
// _CallFunctionWithExceptionHandling. Null: callbacks are called directly.
using ExceptionHelper = Ref<RuntimeException> (*)(GuardedRoutine routine, void* argument);
void _RuntimeSetExceptionHelper(AnyFunction helper);
// Calls startup() once, before any event is handled. An exception it
// raises passes on to the caller.
void _RunFrameworkInitialization(AnyFunction startup);
// Runs the event loop until Quit; raises again an exception that a handler
// let escape while the loop ran.
void _RuntimeRun();
// Ends the event loop once the current event is done: what was queued
// behind it reaches no program code. Repeating it is harmless.
void Quit(std::int32_t code = 0);
bool quit_requested() noexcept;
std::int32_t quit_code() noexcept;

// Reports an exception nobody handled: one line naming its class on
// standard error, then a message box naming its class and message. Returns;
// RuntimeExit then answers 1.
void _UnhandledException(RuntimeException* exception);

}
