#include "framework/ui/window/Window.h"

#include "framework/runtime/Introspection.h"
#include "framework/ui/controls/RectControl.h"
#include "framework/ui/window/Window_p.h"

namespace fw {

namespace Introspection {
    template Variant Invoke<void(Window*)>(AnyFunction, Object*, std::vector<Variant> const*);
}

Window::Window()
    : m_d(std::make_unique<WindowPrivate>(*this))
{
}

Window::~Window() = default;

Ref<Object> Window::__New(ClassTable const& cls) { return RuntimeNewObject(cls); }

void Window::Constructor()
{
    Ref<Window> const keep(this);
    raise_event(window_event<"Layout">);
    raise_event(window_event<"CreateControls">);
    raise_event(window_event<"AddMenuHandlers">, this);
    raise_event(window_event<"Open">);
    detail::register_window(*this);
    m_d->open = true;
    if (m_d->visible)
        m_d->show();
}

void Window::_AddControl(String const& name, RectControl* control) { m_d->add_control(name, checked(control)); }

Ref<RectControl> Window::_ControlByName(String const& name) { return Ref<RectControl>(m_d->control_named(name)); }

void Window::_AddMenuHandler(String const& item_name, AnyFunction routine)
{
    m_d->set_menu_handler(item_name, routine);
}

bool Window::close()
{
    if (!m_d->open)
        return false;
    Ref<Window> const keep(this);
    if (raise_event(window_event<"CancelClose">, false))
        return false;
    m_d->accepting_close = true;
    m_d->main_window()->close();
    m_d->accepting_close = false;
    detail::unregister_window(*this);
    return true;
}

bool Window::is_open() const noexcept { return m_d->open; }

AnyFunction Window::event_handler(char const* name) const
{
    auto const& cls = class_table();
    std::int32_t const index = cls.event_index(name);
    return index < 0 ? nullptr : cls.events[std::size_t(index)].handler;
}

}
