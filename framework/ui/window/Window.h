#pragma once

// Window: a top-level window with named controls, stored properties and the
// window events that a program class answers through its event table.
//
// A program window class derives from Window and enters its handlers in its
// class's event table (ClassTable::events, by the names in window_events,
// which gives each event its handler's type); the framework raises an event
// by finding the handler there, never through a C++ virtual call, and calls
// it through the declared type.
//
// Qt stays behind WindowPrivate; nothing here names a Qt type.

#include "framework/runtime/EventDeclarations.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Introspection.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <memory>
#include <string>
#include <tuple>

namespace fw {

class RectControl;
class Window;
class WindowPrivate;

// The window events in their event-table order, each with the type of the
// handler the framework calls on the window; those it never raises are
// listed only.
inline constexpr std::tuple window_events { event<void()>("Layout"), event<void()>("CreateControls"),
    event<void(Window* window)>("AddMenuHandlers"), listed_event("SetupBindings"), event<void()>("Open"),
    listed_event("Close"), event<bool(bool app_quitting)>("CancelClose"), listed_event("KeyDown"),
    listed_event("KeyUp"), listed_event("MouseMove"), listed_event("MouseEnter"), listed_event("MouseExit"),
    listed_event("Paint"), listed_event("MouseDown"), listed_event("MouseDrag"), listed_event("MouseUp"),
    listed_event("Resized"), listed_event("Resizing"), listed_event("Moved"), listed_event("DropObject"),
    listed_event("Activate"), listed_event("Deactivate"), listed_event("Minimize"), listed_event("Maximize"),
    listed_event("Restore"), listed_event("MouseWheel"), event<void()>("EnableMenuItems"),
    listed_event("ConstructContextualMenu"), listed_event("ContextualMenuAction"), listed_event("DragEnter"),
    listed_event("DragExit"), listed_event("DragOver"), listed_event("ContentsChanged") };
inline constexpr auto const& WindowEvents = event_names<window_events>;

// A window event by name, for raising it and entering its handler.
template<EventName Name>
inline constexpr auto window_event = declared_event<window_events, Name>;

// The member counts of Window's class table. A window class's own entries
// come after these.
inline constexpr std::int32_t WindowMethodCount = 130;
inline constexpr std::int32_t WindowEventCount = 33;
inline constexpr std::int32_t WindowPropertyCount = 49;

class Window : public Object {
    FW_OBJECT(Window)
public:
    Window();
    ~Window() override;

    // A new, unconstructed instance of a class (a control, a Date, ...).
    Ref<Object> __New(ClassTable const& cls);

    // Builds the window: raises Layout, CreateControls and AddMenuHandlers,
    // then Open; the window becomes the implicit window of its class and is
    // shown if its Visible property says so.
    virtual void Constructor();

    // Registers a control under its name; the window keeps a reference.
    virtual void _AddControl(String const& name, RectControl* control);
    // The control registered under the name, or nil.
    virtual Ref<RectControl> _ControlByName(String const& name);
    // _ControlByName as class Control: nil passes through, a control of
    // another class raises IllegalCastException. Nothing is cached: the
    // registry is asked on every call.
    template<typename Control>
    Ref<Control> control_named(String const& name)
    {
        return RuntimeCheckCast<Control>(_ControlByName(name));
    }

    // Binds a menu item name to a MenuHandler in pointer form: the framework
    // calls routine(this) when the item is chosen.
    virtual void _AddMenuHandler(String const& item_name, AnyFunction routine);

    // Asks to close the window, as its close box does: raises CancelClose,
    // and closes unless the handler answers True. Returns true when closed.
    bool close();
    bool is_open() const noexcept;

    // Stored properties (set by property streams and by code).
    std::int32_t Placement() const;
    void set_Placement(std::int32_t);
    std::int32_t Width() const;
    void set_Width(std::int32_t);
    std::int32_t Height() const;
    void set_Height(std::int32_t);
    std::int32_t MinWidth() const;
    void set_MinWidth(std::int32_t);
    std::int32_t MinHeight() const;
    void set_MinHeight(std::int32_t);
    std::int32_t MaxWidth() const;
    void set_MaxWidth(std::int32_t);
    std::int32_t MaxHeight() const;
    void set_MaxHeight(std::int32_t);
    std::int32_t Frame() const;
    void set_Frame(std::int32_t);
    bool Composite() const;
    void set_Composite(bool);
    bool HasBackColor() const;
    void set_HasBackColor(bool);
    Color BackColor() const;
    void set_BackColor(Color);
    String Title() const;
    void set_Title(String const&);
    bool Visible() const;
    void set_Visible(bool);
    bool FullScreen() const;
    void set_FullScreen(bool);
    bool MenuBarVisible() const;
    void set_MenuBarVisible(bool);
    bool CloseButton() const;
    void set_CloseButton(bool);
    bool Resizeable() const;
    void set_Resizeable(bool);
    bool LiveResize() const;
    void set_LiveResize(bool);
    bool MaximizeButton() const;
    void set_MaximizeButton(bool);
    bool MinimizeButton() const;
    void set_MinimizeButton(bool);
    std::int32_t MacProcId() const;
    void set_MacProcId(std::int32_t);

    WindowPrivate& d() const noexcept { return *m_d; }

    // Raises a window event through the class's event table, with the
    // arguments its declaration gives. An event with no handler does
    // nothing; a Boolean one answers False.
    template<std::size_t Index, typename R, typename... A>
    R raise_event(DeclaredEvent<Index, R(A...)> event, std::type_identity_t<A>... arguments)
    {
        static_assert(std::is_void_v<R> || std::is_same_v<R, bool>, "a window event answers nothing or a Boolean");
        AnyFunction const handler = event_handler(event.name);
        if constexpr (std::is_void_v<R>) {
            if (handler)
                typed_function<void(Object*, A...)>(handler)(this, arguments...);
        } else {
            return handler && (typed_function<bool(Object*, A...)>(handler)(this, arguments...) & 1);
        }
    }
    // The handler in the class's event table, or null.
    AnyFunction event_handler(char const* name) const;

private:
    std::unique_ptr<WindowPrivate> m_d;
};

// The implicit window of a class, by qualified class name: that window from
// its construction until it closes, or nil.
Ref<Window> _GetImplicitWindow(String const& class_name);

namespace Introspection {
    // The framework's call adapter for "%%o<Window>".
    extern template Variant Invoke<void(Window*)>(AnyFunction, Object*, std::vector<Variant> const*);
}

}
