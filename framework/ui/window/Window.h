#pragma once

// Window: a top-level window with named controls, stored properties and the
// window events that a program class answers through its event table.
//
// A program window class derives from Window and enters its handlers in its
// class's event table (ClassTable::events, by the names in WindowEvents);
// the framework raises an event by finding the handler there, never through
// a C++ virtual call. Handler types:
//   Layout, CreateControls, Open, EnableMenuItems, ...: void (*)(Object* self)
//   AddMenuHandlers:                                    void (*)(Object* self, Window* window)
//   CancelClose:                                        bool (*)(Object* self, bool app_quitting)
//
// Qt stays behind WindowPrivate; nothing here names a Qt type.

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Introspection.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <memory>
#include <string>

namespace fw {

class RectControl;
class WindowPrivate;

// The window events in their event-table order.
inline constexpr char const* WindowEvents[] = {
    "Layout",
    "CreateControls",
    "AddMenuHandlers",
    "SetupBindings",
    "Open",
    "Close",
    "CancelClose",
    "KeyDown",
    "KeyUp",
    "MouseMove",
    "MouseEnter",
    "MouseExit",
    "Paint",
    "MouseDown",
    "MouseDrag",
    "MouseUp",
    "Resized",
    "Resizing",
    "Moved",
    "DropObject",
    "Activate",
    "Deactivate",
    "Minimize",
    "Maximize",
    "Restore",
    "MouseWheel",
    "EnableMenuItems",
    "ConstructContextualMenu",
    "ContextualMenuAction",
    "DragEnter",
    "DragExit",
    "DragOver",
    "ContentsChanged",
};

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

    // Binds a menu item name to a routine bool (*)(Object* window): the
    // framework calls routine(this) when the item is chosen.
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

    // Raises a window event through the class's event table. An event with
    // no handler does nothing; a Boolean one answers False.
    void raise_event(char const* name);
    bool raise_bool_event(char const* name, bool argument);
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
