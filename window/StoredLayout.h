#pragma once

// The stored layout of frmMain: one property stream for the window and one
// for each of its fourteen controls, and the order in which the controls are
// created. Applying them (_SetProperties) and creating the controls
// (_CreateControls0) are the window's business; this file only holds data.

#include "framework/ui/streams/PropertyStreamFormat.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace stored_layout {

// The window's own stream: size, frame flags and title.
fw::ByteView window_stream();

// The stream of the control registered under control_name (compared exactly,
// as stored), or an empty view when frmMain has no such control.
fw::ByteView control_stream(std::string_view control_name);

// A control as _CreateControls0 makes it: its name, its class, and the font
// size and unit set in code before its stream is applied (no stream holds them).
struct StoredControl {
    std::string_view name;
    std::string_view class_name;
    float text_size;
    std::uint8_t text_unit; // FontUnits
};

// Creation order, which is also the order the streams are applied in.
// clang-format off
inline constexpr std::array<StoredControl, 14> creation_order { {
    // name            class          size   unit
    { "efStart",       "TextField",   12.0F, 0 },
    { "efEnd",         "TextField",   12.0F, 0 },
    { "StaticText1",   "Label",       12.0F, 0 },
    { "StaticText2",   "Label",       12.0F, 0 },
    { "StaticText3",   "Label",        9.0F, 0 },
    { "efStartDay",    "TextField",   12.0F, 0 },
    { "efEndDay",      "TextField",   12.0F, 0 },
    { "efWeekdays",    "TextField",   36.0F, 0 },
    { "efWeekenddays", "TextField",   36.0F, 0 },
    { "StaticText4",   "Label",       12.0F, 0 },
    { "StaticText5",   "Label",       12.0F, 0 },
    { "efTotal",       "TextField",   36.0F, 0 },
    { "StaticText6",   "Label",       12.0F, 0 },
    { "BevelButton1",  "BevelButton", 36.0F, 0 },
} };
// clang-format on

}
