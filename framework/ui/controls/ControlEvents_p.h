#pragma once

// Not part of the framework's API: raising control events from Qt events.
//
// Each event is raised through the stub type its declaration gives
// (EventIndex::Stub): the control first, then the event's arguments. An
// event whose entry has no handler runs nothing and answers false. Only the
// low bit of a Boolean answer counts.

#include "framework/ui/controls/Control_p.h"

#include <QObject>

#include <optional>
#include <type_traits>

class QFocusEvent;
class QKeyEvent;

namespace fw {

template<typename R, typename... A>
R raise_control_event(RectControl& control, EventIndex<R(A...)> event, std::type_identity_t<A>... arguments)
{
    auto const* entry = control.event_entry(event.value);
    if (!entry || !entry->handler)
        return R();
    Ref<RectControl> const keep(&control);
    auto const stub = typed_function<std::remove_pointer_t<typename EventIndex<R(A...)>::Stub>>(entry->handler);
    if constexpr (std::is_same_v<R, bool>)
        return stub(&control, arguments...) & 1;
    else
        return stub(&control, arguments...);
}

// The text KeyDown passes for a key press, or nothing when the press raises
// no KeyDown. Keys that type text pass that text. Keys without text pass a
// control character: Return and Enter Chr(13), Tab and Shift+Tab Chr(9),
// Backspace Chr(8), Escape Chr(27), Delete Chr(127), Home Chr(1), End
// Chr(4), Page Up Chr(11), Page Down Chr(12), and the arrows Left, Right, Up,
// Down Chr(28) to Chr(31). Presses with Ctrl (editing commands, menu
// shortcuts), modifier keys alone and function keys raise no KeyDown.
std::optional<String> key_down_text(QKeyEvent const& event);

// Whether focus that left `widget` went to another widget of the same
// window: false when a message box, a popup, another window or another
// program took it.
bool focus_moved_within_window(QWidget const& widget);

// Whether the widget is a menu bar or a menu.
bool is_menu_widget(QWidget const* widget);

// Watches one control's widget and raises its events. A visit to the menus
// (the focus going to the menu bar or a menu and coming back) raises
// neither LostFocus nor GotFocus; LostFocus comes when the focus goes on
// from the menus to another control of the window.
class ControlEventFilter final : public QObject {
public:
    ControlEventFilter(RectControl& control, ControlEventIndices indices, QWidget& widget);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key_press(QKeyEvent const& event);
    void raise(EventIndex<void()> event);
    void focus_changed(QWidget* old, QWidget* now);

    RectControl& m_control;
    ControlEventIndices m_indices;
    QWidget& m_widget;
    bool m_in_menus { false }; // the focus left for the menu bar or a menu
};

}
