// The class table of Application: 47 methods, 10 events, 19 properties.

#include "framework/runtime/Introspection.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"

#include <chrono>
#include <iterator>
#include <thread>

namespace fw {

namespace {

    Application& app(Object* self)
    {
        RuntimeCheckCast(&checked(self), Application::__Lookup());
        return static_cast<Application&>(*self);
    }

    // Operations of the record that mean nothing on this platform.
    template<typename R, typename... A>
    R unsupported(Object*, A...)
    {
        raise(make<RuntimeException>("not supported"));
    }

    // Slot entries: plain routines taking the object first.
    void new_document(Object* s) { app(s).raise_event("NewDocument"); }
    void add_menu_handler(Object* s, String const& name, AnyFunction routine) { app(s)._AddMenuHandler(name, routine); }
    void yield_to_next_thread(Object* s) { app(s); }
    void sleep_current_thread(Object* s, std::int32_t milliseconds)
    {
        app(s);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
    }
    void enable_menu_items(Object* s) { app(s).raise_event("EnableMenuItems"); }
    void call_open(Object* s) { app(s).raise_event("Open"); }
    bool handle_menu_command(Object* s, String const& name)
    {
        auto routine = app(s).menu_handler(name);
        return routine && typed_function<bool(Object*)>(routine)(s);
    }
    Ref<MenuBar> menu_bar(Object* s) { return app(s).MenuBar(); }
    // The property's setter gives the bar index 0, the only one there is.
    void set_menu_bar(Object* s, MenuBar* bar) { app(s).set_MenuBar(0, bar); }

    template<typename F>
    VtableSlot slot(char const* slot_name, F* entry)
    {
        return { slot_name, any_function(entry) };
    }

    std::vector<VtableSlot> const& application_slots()
    {
        static std::vector<VtableSlot> const entries {
            slot("NewDocument", new_document),
            slot("OpenDocument", unsupported<void, Object*>),
            slot("DoEvents", unsupported<void, std::int32_t>),
            slot("_AddMenuHandler", add_menu_handler),
            slot("_AddPollableObject", unsupported<void, Object*>),
            slot("_RemovePollableObject", unsupported<void, Object*>),
            slot("AddTrayItem", unsupported<void, Object*>),
            slot("RemoveTrayItem", unsupported<void, Object*>),
            slot("YieldToNextThread", yield_to_next_thread),
            slot("SleepCurrentThread", sleep_current_thread),
            slot("_DoSingleEvent", unsupported<void>),
            slot("_EnableMenuItems", enable_menu_items),
            slot("_CallOpen", call_open),
            slot("_HandleMenuCommand", handle_menu_command),
            slot("_LoadPictureFromBundle", unsupported<Ref<Object>, String const&>),
            slot("_LoadBundleSound", unsupported<Ref<Object>, String const&>),
            slot("__DependencyList", unsupported<Ref<Object>>),
        };
        return entries;
    }

    // name, mark, signature, function, invoke
    using Introspection::Invoke;
    MethodRow const application_methods[] = {
        { "NewDocument", MarkPublicMethod, "%%", any_function(new_document), Invoke<void()>, {} },
        { "_AddMenuHandler", MarkPublicMethod, "%%sp", any_function(add_menu_handler), nullptr, {} },
        { "YieldToNextThread", MarkPublicMethod, "%%", any_function(yield_to_next_thread), Invoke<void()>, {} },
        { "SleepCurrentThread", MarkPublicMethod, "%%i4", any_function(sleep_current_thread),
            Invoke<void(std::int32_t)>, {} },
        { "_EnableMenuItems", MarkPublicMethod, "%%", any_function(enable_menu_items), Invoke<void()>, {} },
        { "_CallOpen", MarkPublicMethod, "%%", any_function(call_open), Invoke<void()>, {} },
        { "_HandleMenuCommand", MarkPublicMethod, "%b%s", any_function(handle_menu_command),
            Invoke<bool(String const&)>, {} },
    };
    constexpr std::int32_t application_method_count = 47;

    // name, mark, type, get, set, get_value, set_value, attributes
    PropertyRow const application_properties[] = {
        { "MenuBar", MarkReadWriteProperty, "o<MenuBar>", any_function(menu_bar), any_function(set_menu_bar),
            property_get_value<Ref<MenuBar>>, property_set_value<MenuBar*>, {} },
    };
    constexpr std::int32_t application_property_count = 19;

}

ClassTable const& Application::__Lookup()
{
    // The entries this platform has nothing behind stay reserved, so the
    // member counts are those a subclass's table is built on.
    static ClassTable const* table = build_class(ClassSpec {
        .name = "Application",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Application),
        .factory = []() -> Object* { return new Application; },
        .methods = application_methods,
        .events = ApplicationEvents,
        .properties = application_properties,
        .attributes = {},
        .vtable = application_slots(),
        .reserved_methods = application_method_count - std::int32_t(std::size(application_methods)),
        .reserved_properties = application_property_count - std::int32_t(std::size(application_properties)),
    });
    return *table;
}

}
