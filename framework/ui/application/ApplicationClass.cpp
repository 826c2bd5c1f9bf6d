// The class table of Application, with the member counts Application.h gives.

#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"

#include <chrono>
#include <iterator>
#include <thread>

namespace fw {

namespace {

    Application& app(Object* self) { return checked_cast<Application>(self); }

    // Slot entries: plain routines taking the object first.
    void new_document(Object* s) { app(s).raise_event(application_event<"NewDocument">); }
    void add_menu_handler(Object* s, String const& name, AnyFunction routine) { app(s)._AddMenuHandler(name, routine); }
    void yield_to_next_thread(Object* s) { app(s); }
    void sleep_current_thread(Object* s, std::int32_t milliseconds)
    {
        app(s);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
    }
    void enable_menu_items(Object* s) { app(s).raise_event(application_event<"EnableMenuItems">); }
    void call_open(Object* s) { app(s).raise_event(application_event<"Open">); }
    bool handle_menu_command(Object* s, String const& name)
    {
        auto routine = app(s).menu_handler(name);
        return routine && run_menu_handler(routine, s);
    }
    // The property's setter gives the bar index 0, the only one there is.
    void set_menu_bar(Object* s, MenuBar* bar) { app(s).set_MenuBar(0, bar); }

    // The runtime's record in order: every operation has a slot, and those
    // with a signature text have a method entry too, in the same order.
    constexpr OperationRow application_operations[] = {
        routine<&new_document>("NewDocument", "%%"),
        slot<&unsupported<void, Object*>>("OpenDocument"),
        slot<&unsupported<void, std::int32_t>>("DoEvents"),
        routine<&add_menu_handler>("_AddMenuHandler", "%%sp"),
        slot<&unsupported<void, Object*>>("_AddPollableObject"),
        slot<&unsupported<void, Object*>>("_RemovePollableObject"),
        slot<&unsupported<void, Object*>>("AddTrayItem"),
        slot<&unsupported<void, Object*>>("RemoveTrayItem"),
        routine<&yield_to_next_thread>("YieldToNextThread", "%%"),
        routine<&sleep_current_thread>("SleepCurrentThread", "%%i4"),
        slot<&unsupported<void>>("_DoSingleEvent"),
        routine<&enable_menu_items>("_EnableMenuItems", "%%"),
        routine<&call_open>("_CallOpen", "%%"),
        routine<&handle_menu_command>("_HandleMenuCommand", "%b%s"),
        slot<&unsupported<Ref<Object>, String const&>>("_LoadPictureFromBundle"),
        slot<&unsupported<Ref<Object>, String const&>>("_LoadBundleSound"),
        slot<&unsupported<Ref<Object>>>("__DependencyList"),
    };
    static_assert(slot_count(application_operations) == 17);

    PropertyRow const application_properties[] = {
        property_row<&Application::MenuBar, &set_menu_bar>("o<MenuBar>"),
    };

}

ClassTable const& Application::__Lookup()
{
    // The entries this platform has nothing behind stay reserved, so the
    // member counts are those a subclass's table is built on.
    static_assert(std::size(ApplicationEvents) == ApplicationEventCount);
    static ClassTable const* table = build_class(ClassSpec {
        .name = "Application",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Application),
        .factory = []() -> Object* { return new Application; },
        .operations = application_operations,
        .events = ApplicationEvents,
        .properties = application_properties,
        .reserved_methods = ApplicationMethodCount - std::int32_t(method_count(application_operations)),
        .reserved_properties = ApplicationPropertyCount - std::int32_t(std::size(application_properties)),
    });
    return *table;
}

}
