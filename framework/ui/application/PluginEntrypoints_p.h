#pragma once

// Not part of the framework's API.

#include "framework/runtime/ClassTable.h"

#include <span>
#include <string_view>

namespace fw::detail {

// The signature texts the framework resolves at start-up, made from the
// plug-in classes' tables on first use.
std::span<char const* const> plugin_signatures();
// Resolves one text against the class tables; raises RuntimeException when
// the class, the property or the accessor is missing.
AnyFunction resolve_plugin_entry(std::string_view signature);
void clear_plugin_entry_points() noexcept;

}
