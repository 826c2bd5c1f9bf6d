#pragma once

// The entry points of the framework's plug-in controls, found by signature
// text: "<Class>.<Property>.Get" or "<Class>.<Property>.Set", such as
// "BevelButton.Caption.Get". _InitPluginEntrypoints fills the table.

#include "framework/runtime/ClassTable.h"

#include <string_view>

namespace fw {

// The resolved entry (typed as the property's accessor), or null when the
// text is not in the table or the table has not been filled.
AnyFunction plugin_entry_point(std::string_view signature) noexcept;

// Resolves the plug-in controls' entry points by their signature texts; an
// unresolved text raises RuntimeException.
void _InitPluginEntrypoints();

}
