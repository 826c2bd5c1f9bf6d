#include "framework/ui/controls/RectControl.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/Control_p.h"

namespace fw {

RectControl::RectControl(std::unique_ptr<ControlPrivate> d)
    : m_d(std::move(d))
{
}

RectControl::~RectControl() = default;

void RectControl::Constructor() { }

Window* RectControl::window() const noexcept { return m_d->window; }

String const& RectControl::name() const noexcept { return m_d->registered_name; }

std::vector<ControlEventEntry>& RectControl::event_table()
{
    if (m_events.empty())
        m_events.resize(class_table().events.size());
    return m_events;
}

ControlEventEntry const* RectControl::event_entry(std::int32_t index) const noexcept
{
    if (index < 0 || std::size_t(index) >= m_events.size())
        return nullptr;
    return &m_events[std::size_t(index)];
}

void RuntimeAddEventHandler(RectControl* control, std::int32_t index, AnyFunction stub, Delegate* delegate)
{
    auto& table = checked(control).event_table();
    if (index < 0 || std::size_t(index) >= table.size())
        raise(make<RuntimeException>(
            "RuntimeAddEventHandler: " + control->class_table().name + " has no event " + std::to_string(index)));
    table[std::size_t(index)] = ControlEventEntry { stub, Ref<Delegate>(delegate) };
}

}
