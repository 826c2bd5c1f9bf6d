#pragma once

// RectControl: the base of every control placed in a window.
//
// A control is made unconstructed (Window::__New), constructed
// (Constructor), registered with its window under its name (_AddControl),
// then given its stored properties. Each control has an event table of its
// own: one entry per event of its class, in the class's event order, each a
// handler (a stub) and the delegate bound with it (RuntimeAddEventHandler).

#include "framework/runtime/Delegate.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Window;
class ControlPrivate;
class RectControl;

// Events of every control, in their event-table order.
inline constexpr char const* RectControlEvents[] = {
    "CreatePane",
    "Open",
    "Close",
    "MouseMove",
    "MouseEnter",
    "MouseExit",
    "DropObject",
    "MouseWheel",
    "ConstructContextualMenu",
    "ContextualMenuAction",
    "DragEnter",
    "DragExit",
    "DragOver",
    "KeyDown",
    "KeyUp",
};

namespace detail {
    // Not constexpr, and never defined: an event index for a name that is not
    // an event of the class fails to compile, naming this.
    void no_such_control_event();
}

// The index of the named event in the event table of a control class whose
// own events are `own`: RectControl's come first, then the class's, and a
// class's own event hides one of RectControl's with the same name.
template<std::size_t N>
consteval std::int32_t control_event_index(char const* const (&own)[N], std::string_view name)
{
    constexpr std::size_t inherited = std::size(RectControlEvents);
    for (std::size_t i = N; i-- > 0;)
        if (name == own[i])
            return std::int32_t(inherited + i);
    for (std::size_t i = inherited; i-- > 0;)
        if (name == RectControlEvents[i])
            return std::int32_t(i);
    detail::no_such_control_event();
    return -1;
}

// Where in a control's event table an event is, with the type of what
// raises it: the handler the framework calls there, its stub, is
// R (*)(RectControl* control, A...). -1: the class has no such event.
template<typename F>
struct EventIndex;
template<typename R, typename... A>
struct EventIndex<R(A...)> {
    using Stub = R (*)(RectControl* control, A...);

    constexpr EventIndex() noexcept = default;
    // Explicit, so that an event of another type never passes for this one
    // through its index.
    constexpr explicit EventIndex(std::int32_t index) noexcept
        : value(index)
    {
    }

    std::int32_t value { -1 };
};

// A control event, declared with its handler's type: event `Index` of
// class C's event table, raised with the arguments A after the control and
// answering R. A method bound to it is R (W::*)(C*, A...) on the window W,
// and its stub is Stub. Where an index is wanted the event gives its own.
template<typename C, std::int32_t Index, typename F>
struct ControlEvent;
template<typename C, std::int32_t Index, typename R, typename... A>
struct ControlEvent<C, Index, R(A...)> : EventIndex<R(A...)> {
    using Control = C;
    using Signature = R(A...);
    using Handler = R(C*, A...);
    using Stub = typename EventIndex<R(A...)>::Stub;
    static constexpr std::int32_t index = Index;

    constexpr ControlEvent() noexcept
        : EventIndex<R(A...)>(Index)
    {
    }
    constexpr operator std::int32_t() const noexcept { return Index; }
};

struct ControlEventEntry {
    AnyFunction handler { nullptr };
    Ref<Delegate> delegate;
};

class RectControl : public Object {
    FW_OBJECT(RectControl)
public:
    ~RectControl() override;

    virtual void Constructor();

    Window* window() const noexcept; // the window it is registered with, or null
    String const& name() const noexcept;

    // Its event table, sized for its class's events on first use.
    std::vector<ControlEventEntry>& event_table();
    ControlEventEntry const* event_entry(std::int32_t index) const noexcept;

    String Name() const;
    void set_Name(String const&);
    std::int32_t Index() const;
    void set_Index(std::int32_t);
    std::int32_t Left() const;
    void set_Left(std::int32_t);
    std::int32_t Top() const;
    void set_Top(std::int32_t);
    std::int32_t Width() const;
    void set_Width(std::int32_t);
    std::int32_t Height() const;
    void set_Height(std::int32_t);
    bool LockLeft() const;
    void set_LockLeft(bool);
    bool LockTop() const;
    void set_LockTop(bool);
    bool LockRight() const;
    void set_LockRight(bool);
    bool LockBottom() const;
    void set_LockBottom(bool);
    std::int32_t TabPanelIndex() const;
    void set_TabPanelIndex(std::int32_t);
    std::int32_t TabIndex() const;
    void set_TabIndex(std::int32_t);
    bool TabStop() const;
    void set_TabStop(bool);
    bool Enabled() const;
    void set_Enabled(bool);
    bool Visible() const;
    void set_Visible(bool);
    String HelpTag() const;
    void set_HelpTag(String const&);
    bool AutoDeactivate() const;
    void set_AutoDeactivate(bool);
    String InitialParent() const;
    void set_InitialParent(String const&);

    ControlPrivate& d() const noexcept { return *m_d; }

protected:
    explicit RectControl(std::unique_ptr<ControlPrivate> d);

private:
    friend class Window;
    std::unique_ptr<ControlPrivate> m_d;
    std::vector<ControlEventEntry> m_events;
};

// Binds a stub and a delegate to event `index` of this one control; the
// control keeps a reference to the delegate for as long as the binding lasts.
// An index outside the class's events raises RuntimeException.
//
// The framework calls the stub with the control that raised the event, and
// the stub finds its delegate in the same entry:
//   events without arguments (LostFocus, GotFocus, Action, TextChange):
//       void (*)(RectControl* control)
//   KeyDown (13):
//       bool (*)(RectControl* control, String const& key)
// An entry without a handler runs nothing, and KeyDown then answers False.
void RuntimeAddEventHandler(RectControl* control, std::int32_t index, AnyFunction stub, Delegate* delegate);

}
