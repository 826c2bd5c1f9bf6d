// A window event's handler has the type the event declares: a CancelClose
// handler that answers nothing does not build.
// Expected error: the handler's type is not the one its event declares
#include "framework/ui/window/Window.h"

struct Closing {
    void Event_CancelClose(bool app_quitting);
};

constexpr fw::EventHandlerRow row = fw::handles<&Closing::Event_CancelClose>(fw::window_event<"CancelClose">);
