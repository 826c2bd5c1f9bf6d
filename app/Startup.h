#pragma once

// The program's road from process start to exit.
//
// module_main brackets the run between the runtime's set-up and its exit:
// module_initialize builds every class table, _Main hands the start-up
// routine to the framework and runs the event loop, module_finalize releases
// the framework's lists and the menu bar, and RuntimeExit's result is the
// exit status.

#include <cstdint>

std::int32_t module_main();
void module_initialize();
void module_finalize();

void _Main();
void _Startup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();
