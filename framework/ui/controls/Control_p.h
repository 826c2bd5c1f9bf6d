#pragma once

// Not part of the framework's API: the Qt side of a control.
//
// A control owns its widget for its whole life: the widget is made with the
// control, parented to the window's content area when the control is
// registered (Window::_AddControl), and deleted with the control. A window
// that goes first hands the widgets of controls that outlive it back to no
// parent, so Qt never deletes a widget a control still points to.

#include "framework/ui/controls/RectControl.h"
#include "framework/ui/controls/TextStyle_p.h"

#include <QPointer>
#include <QWidget>

namespace fw {

class ControlEventFilter;

// Where a control class keeps the events that the framework raises from
// Qt, each with its declared type; -1 for an event the class does not have.
struct ControlEventIndices {
    EventIndex<bool(String const& key)> key_down {};
    EventIndex<void()> got_focus {};
    EventIndex<void()> lost_focus {};
    EventIndex<void()> text_change {};
    EventIndex<void()> action {};
};

class ControlPrivate {
public:
    explicit ControlPrivate(QWidget* widget);
    virtual ~ControlPrivate();
    ControlPrivate(ControlPrivate const&) = delete;
    ControlPrivate& operator=(ControlPrivate const&) = delete;

    QWidget* widget() const noexcept { return m_widget; }

    // Starts raising the class's events from the widget's Qt events.
    void watch(RectControl& control, ControlEventIndices indices);
    // Puts the widget into a window's content area, or takes it out (null).
    void attach(Window* window, QWidget* content);

    // A widget that is not shown gets no resize event until it is, so a
    // class whose drawing depends on its size hears of it here too.
    virtual void apply_geometry();
    void apply_visible();
    void apply_focus_policy();
    // The window's tab chain follows TabIndex; tell it something changed.
    void tab_order_changed();

    // How the control takes keyboard focus, from TabStop and its own rules.
    virtual Qt::FocusPolicy focus_policy() const;

    Window* window { nullptr };
    String registered_name;

    String name;
    std::int32_t index { 0 };
    std::int32_t left { 0 };
    std::int32_t top { 0 };
    std::int32_t width { 80 };
    std::int32_t height { 22 };
    bool lock_left { false };
    bool lock_top { false };
    bool lock_right { false };
    bool lock_bottom { false };
    std::int32_t tab_panel_index { 0 };
    std::int32_t tab_index { 0 };
    bool tab_stop { true };
    bool enabled { true };
    bool visible { true };
    String help_tag;
    bool auto_deactivate { true };
    String initial_parent;

private:
    QPointer<QWidget> m_widget;
    ControlEventFilter* m_filter { nullptr };
};

// A control that shows text: TextField, Label, BevelButton.
class StyledControlPrivate : public ControlPrivate {
public:
    StyledControlPrivate(QWidget* widget, QPalette::ColorRole text_role);

    // Gives the widget the font of `style`; a class that draws its text in a
    // font of its own making starts from that one.
    virtual void apply_font();
    void apply_text_color();

    TextStyle style;

private:
    QPalette::ColorRole m_text_role;
};

// The typed private part of a control class.
template<typename Private>
Private& private_of(RectControl const& control)
{
    return static_cast<Private&>(control.d());
}

}
