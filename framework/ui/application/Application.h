#pragma once

// Application: the program's one application object, holding the menu bar.
//
// The framework keeps the registered object (_RuntimeRegisterAppObject)
// until RuntimeExit, which drops that reference; whatever the program keeps
// beyond that is its own.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/EventDeclarations.h"
#include "framework/ui/menus/MenuItem.h"

#include <tuple>
#include <utility>
#include <vector>

namespace fw {

// The application events in their event-table order, each with the type of
// the handler the framework calls on the application object; those it never
// raises are listed only.
inline constexpr std::tuple application_events {
    event<void()>("Open"),
    listed_event("Close"),
    event<void()>("EnableMenuItems"),
    event<void()>("NewDocument"),
    listed_event("OpenDocument"),
    listed_event("HandleAppleEvent"),
    listed_event("Activate"),
    listed_event("Deactivate"),
    listed_event("UnhandledException"),
    listed_event("CancelClose"),
};
inline constexpr auto const& ApplicationEvents = event_names<application_events>;

// An application event by name.
template<EventName Name>
inline constexpr auto application_event = declared_event<application_events, Name>;

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

    // Binds a menu item name to a MenuHandler in pointer form, which runs
    // with the application object when the item is chosen in a window that
    // has no handler of its own.
    virtual void _AddMenuHandler(String const& item_name, AnyFunction routine);
    AnyFunction menu_handler(String const& item_name) const noexcept;

    // Raises an application event through the class's event table; no
    // handler, nothing happens.
    template<std::size_t Index>
    void raise_event(DeclaredEvent<Index, void()> event)
    {
        if (AnyFunction const handler = event_handler(event.name))
            typed_function<void(Object*)>(handler)(this);
    }
    // The handler in the class's event table, or null.
    AnyFunction event_handler(char const* name) const;

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
