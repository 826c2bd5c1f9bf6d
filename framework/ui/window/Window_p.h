#pragma once

// Not part of the framework's API: the Qt side of a Window, and the
// framework's lists of open and implicit windows.
//
// The Qt widget is a QMainWindow whose central widget is the content area,
// sized to the stored Width and Height; the menu bar (setMenuBar) sits above
// it. The window owns the QMainWindow and, through its registry, its
// controls.

#include "framework/ui/window/Window.h"

#include <QMainWindow>

#include <map>
#include <vector>

namespace fw {

class ContentArea;
class WindowWidget;

struct RegisteredControl {
    String name;
    Ref<RectControl> control;
};

class WindowPrivate {
public:
    explicit WindowPrivate(Window& window);
    ~WindowPrivate();
    WindowPrivate(WindowPrivate const&) = delete;
    WindowPrivate& operator=(WindowPrivate const&) = delete;

    QMainWindow* main_window() const noexcept;
    QWidget* content() const noexcept;
    Window& window() const noexcept { return m_window; }

    // Menu handlers bound with _AddMenuHandler: MenuHandler pointer forms,
    // or null when the item has none.
    AnyFunction menu_handler(String const& item_name) const;
    std::map<String, AnyFunction> const& menu_handlers() const noexcept { return m_menu_handlers; }
    void set_menu_handler(String const& item_name, AnyFunction routine);

    std::vector<RegisteredControl> const& controls() const noexcept { return m_controls; }
    void add_control(String const& name, RectControl& control);
    RectControl* control_named(String const& name) const noexcept;

    // Tab order follows TabIndex (ties in registration order) over the
    // controls that Tab reaches; rebuilt whenever a TabIndex or TabStop
    // changes.
    void rebuild_tab_order();
    // The first control in tab order that can take focus, or null.
    QWidget* first_in_tab_order() const;

    void show();
    void apply_size();
    void apply_flags();
    void apply_back_color();
    void apply_menu_bar_visible();
    void centre_on_screen();

    bool open { false };
    bool accepting_close { false };

    std::int32_t placement { 0 };
    std::int32_t width { 300 };
    std::int32_t height { 300 };
    std::int32_t min_width { 64 };
    std::int32_t min_height { 64 };
    std::int32_t max_width { 32000 };
    std::int32_t max_height { 32000 };
    std::int32_t frame { 0 };
    bool composite { false };
    bool has_back_color { false };
    Color back_color { 255, 255, 255 };
    bool visible { true };
    bool full_screen { false };
    bool menu_bar_visible { true };
    bool close_button { true };
    bool resizeable { true };
    bool live_resize { true };
    bool maximize_button { true };
    bool minimize_button { true };
    std::int32_t mac_proc_id { 0 };

private:
    std::vector<RegisteredControl> sorted_tab_stops() const;

    Window& m_window;
    WindowWidget* m_main { nullptr };
    ContentArea* m_content { nullptr };
    std::vector<RegisteredControl> m_controls;
    std::map<String, AnyFunction> m_menu_handlers;
};

namespace detail {

    // The open windows, oldest first. Each holds one reference.
    std::vector<Ref<Window>> const& open_windows();
    // Registers a constructed window as open and as the implicit window of
    // its class.
    void register_window(Window& window);
    // Takes a closed window off both lists. Its last framework reference is
    // dropped later, from the event loop or by release_window_lists(), never
    // under an event of the window itself.
    void unregister_window(Window& window);
    // Drops the references of windows closed so far.
    void release_closed_windows();
    // Empties the window list, the implicit-window list and the closed
    // windows; the windows nobody else holds are destroyed.
    void release_window_lists();

}

}
