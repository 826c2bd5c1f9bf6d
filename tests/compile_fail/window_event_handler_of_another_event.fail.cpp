// A window event's handler is named for its event: Event_EnableMenuItems,
// of the same type as Open's handler, entered for Open does not build.
// Expected error: handler_is_named_for_another_event
#include "framework/ui/window/Window.h"

struct Opening {
    void Event_Open();
    void Event_EnableMenuItems();
};

constexpr fw::EventHandlerRow row = fw::handles<&Opening::Event_EnableMenuItems>(fw::window_event<"Open">);
