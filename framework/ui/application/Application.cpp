#include "framework/ui/application/Application.h"

#include "framework/ui/application/Application_p.h"
#include "framework/ui/window/WindowMenus_p.h"

#include <algorithm>

namespace fw {

namespace {
    Ref<Application>& registered()
    {
        static Ref<Application> app;
        return app;
    }
}

Ref<MenuBar> Application::MenuBar() const { return m_menu_bar; }

void Application::set_MenuBar(std::int32_t index, fw::MenuBar* bar)
{
    if (index != 0)
        raise(make<RuntimeException>("menu bar index " + std::to_string(index) + " is out of range"));
    m_menu_bar = Ref<fw::MenuBar>(bar);
    if (registered().ptr() == this)
        detail::show_application_menu_bar();
}

void Application::_AddMenuHandler(String const& item_name, AnyFunction routine)
{
    auto it = std::find_if(
        m_menu_handlers.begin(), m_menu_handlers.end(), [&](auto const& entry) { return entry.first == item_name; });
    if (it != m_menu_handlers.end())
        it->second = routine;
    else
        m_menu_handlers.emplace_back(item_name, routine);
}

AnyFunction Application::menu_handler(String const& item_name) const noexcept
{
    for (auto const& [name, routine] : m_menu_handlers)
        if (name == item_name)
            return routine;
    return nullptr;
}

AnyFunction Application::event_handler(char const* name) const
{
    auto const& table = class_table();
    auto index = table.event_index(name);
    return index < 0 ? nullptr : table.events[std::size_t(index)].handler;
}

void _RuntimeRegisterAppObject(Application* app)
{
    registered() = Ref<Application>(app);
    detail::show_application_menu_bar();
}

Ref<Application> _GetAppObject() { return registered(); }

void release_application_object() noexcept
{
    // Moved out first: the object's finaliser may look for the registration.
    Ref<Application> app = std::move(registered());
}

}
