#pragma once

// Application: the program's one application object, holding the menu bar.
//
// The framework keeps the registered object (_RuntimeRegisterAppObject)
// until RuntimeExit, which drops that reference; whatever the program keeps
// beyond that is its own.

#include "framework/runtime/ClassTable.h"
#include "framework/ui/menus/MenuItem.h"

#include <utility>
#include <vector>

namespace fw {

// The application events in their event-table order.
inline constexpr char const* ApplicationEvents[] = {
    "Open",
    "Close",
    "EnableMenuItems",
    "NewDocument",
    "OpenDocument",
    "HandleAppleEvent",
    "Activate",
    "Deactivate",
    "UnhandledException",
    "CancelClose",
};

// The member counts of Application's class table; an application class's
// own entries come after these.
inline constexpr std::int32_t ApplicationMethodCount = 47;
inline constexpr std::int32_t ApplicationEventCount = 10;
inline constexpr std::int32_t ApplicationPropertyCount = 19;

class Application : public Object {
    FW_OBJECT(Application)
public:
    Application() = default;

    Ref<fw::MenuBar> MenuBar() const;
    // The Int32 argument is the bar's index; only 0 exists, any other raises
    // RuntimeException. Windows already open show the new bar.
    void set_MenuBar(std::int32_t index, fw::MenuBar* bar);

    // Binds a menu item name to a routine bool (*)(Object* app), which runs
    // when the item is chosen in a window that has no handler of its own.
    virtual void _AddMenuHandler(String const& item_name, AnyFunction routine);
    AnyFunction menu_handler(String const& item_name) const noexcept;

    // Raises an application event through the class's event table
    // (handler: void (*)(Object* self)); no handler, nothing happens.
    void raise_event(char const* name);

private:
    Ref<fw::MenuBar> m_menu_bar;
    std::vector<std::pair<String, AnyFunction>> m_menu_handlers;
};

// Keeps the object as the application object (one reference); registering
// another object replaces it and drops the reference to the first.
void _RuntimeRegisterAppObject(Application* app);
// The registered application object with a reference for the caller, or nil.
Ref<Application> _GetAppObject();

}
