#pragma once

// frmMain windows for the tests that call the program's code directly,
// without the framework's construction.

#include "window/frmMain.h"

#include <array>
#include <string_view>

namespace test_support {

// The five fields the day count writes its results into.
inline constexpr std::array<char const*, 5> result_fields { "efStartDay", "efEndDay", "efWeekdays", "efWeekenddays",
    "efTotal" };

// A frmMain made by its class's factory and never constructed: no controls.
fw::Ref<frmMain> unconstructed_window();

// An unconstructed frmMain with plain controls of the stored layout's classes
// registered under its names, in its creation order: no stream applied, no
// event bound. The control named `missing` (if any) is left out.
fw::Ref<frmMain> window_with_plain_controls(std::string_view missing = {});

}
