#pragma once

// Not part of the framework's API: the standard editing commands, the one
// place where the framework knows menu-item names. Each acts on a text field
// and is allowed only when the field allows it.

#include "framework/ui/menus/MenuItem.h"

class QLineEdit;

namespace fw::detail {

struct EditCommand {
    char const* item_name;
    bool (*allowed)(QLineEdit const& field);
    void (*perform)(QLineEdit& field);
};

// The command for an item name, or null for any other item.
EditCommand const* edit_command(String const& item_name) noexcept;

}
