// A window event is named from the declared list: a misspelt name does not
// build.
// Expected error: no_such_event_in_the_list
#include "framework/ui/window/Window.h"

void raise_misspelt(fw::Window& window) { window.raise_event(fw::window_event<"CancelClos">, false); }
