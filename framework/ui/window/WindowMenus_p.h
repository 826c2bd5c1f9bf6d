#pragma once

// Not part of the framework's API: the glue between windows and menus.
//
// Every framework window shows the application object's menu bar as its Qt
// menu bar. Before a menu opens, and before a key that is one of the bar's
// shortcuts is matched, the window's menus are updated: entries with
// AutoEnable are cleared, the window's (then the application's)
// EnableMenuItems event is raised, and every entry with a menu handler, and
// every standard editing entry the focused text field allows, is enabled.
// Choosing an entry runs the window's menu handler for its name, else the
// application's; an entry no handler takes is carried out by the framework
// when it knows it (the editing entries, a QuitMenuItem).

namespace fw {
class MenuItem;
class Window;
}

namespace fw::detail {

// Shows the application's menu bar in every framework window (or none, when
// there is no application object or it has no bar).
void show_application_menu_bar();

// The update and the choice, as the Qt menus run them; exposed for tests.
void update_menus(Window& window);
void choose_menu_item(Window& window, MenuItem& item);

}
