#pragma once

// The background-task yield, for long computations on the main thread.

#include <cstdint>

namespace fw {

// Cheap enough to call once per day of a long walk: a counter check that at
// most a few times a second lets the window repaint. It never delivers
// input, a close request or anything else that runs program code, and it is
// not re-entered.
void RuntimeBackgroundTask();

// How many times RuntimeBackgroundTask has been called in this process, for
// tests that count a computation's yields. Costs the yield nothing.
std::uint64_t background_task_calls() noexcept;

}
