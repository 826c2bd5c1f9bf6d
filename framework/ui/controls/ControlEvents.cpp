#include "framework/ui/controls/ControlEvents_p.h"

#include "framework/ui/application/Gate_p.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace fw {

bool is_menu_widget(QWidget const* widget)
{
    return qobject_cast<QMenuBar const*>(widget) || qobject_cast<QMenu const*>(widget);
}

bool focus_moved_within_window(QWidget const& widget)
{
    // Qt has already made the new widget the focus widget when the old one
    // gets its FocusOut; a box or another program leaves it elsewhere or null.
    QWidget const* now = QApplication::focusWidget();
    return now && now != &widget && now->window() == widget.window();
}

ControlEventFilter::ControlEventFilter(RectControl& control, ControlEventIndices indices, QWidget& widget)
    : QObject(&widget)
    , m_control(control)
    , m_indices(indices)
    , m_widget(widget)
{
    widget.installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget); button && indices.action.value >= 0)
        connect(button, &QAbstractButton::clicked, this, [this] { raise(m_indices.action); });
    if (auto* edit = qobject_cast<QLineEdit*>(&widget); edit && indices.text_change.value >= 0)
        connect(edit, &QLineEdit::textChanged, this, [this] { raise(m_indices.text_change); });
    connect(qApp, &QApplication::focusChanged, this, &ControlEventFilter::focus_changed);
}

void ControlEventFilter::focus_changed(QWidget* /*old*/, QWidget* now)
{
    // Only a visit to the menus is followed here: the control's own focus
    // events answer every other road.
    if (!m_in_menus || !now || now == &m_widget || is_menu_widget(now))
        return;
    m_in_menus = false;
    if (now->window() == m_widget.window())
        raise(m_indices.lost_focus);
}

void ControlEventFilter::raise(EventIndex<void()> event)
{
    if (event.value >= 0)
        detail::run_event([&] { raise_control_event(m_control, event); });
}

bool ControlEventFilter::key_press(QKeyEvent const& event)
{
    if (m_indices.key_down.value < 0)
        return false;
    std::optional<String> const key = key_down_text(event);
    if (!key)
        return false;
    return detail::run_event([&] { return raise_control_event(m_control, m_indices.key_down, *key); }, false);
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_widget)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto const& key = static_cast<QKeyEvent const&>(*event);
        // A chord with Alt is a command (a menu's mnemonic, or a letter that
        // opens no menu), never typing: the control does not insert it.
        // AltGr, which types characters such as "@" on many layouts, is not
        // Alt to Qt.
        bool const alt_chord = key.modifiers().testFlag(Qt::AltModifier) && !key.text().isEmpty();
        return key_press(key) || alt_chord;
    }
    case QEvent::FocusIn:
        // Back from the menus: to the program the control never lost it.
        if (!std::exchange(m_in_menus, false))
            raise(m_indices.got_focus);
        break;
    case QEvent::FocusOut:
        // Looking into a menu is not leaving the control: the menu bar or a
        // menu holds the keyboard for a while, and the control loses the
        // focus only if it then goes to another control.
        if (is_menu_widget(QApplication::focusWidget()) || is_menu_widget(QApplication::activePopupWidget())) {
            m_in_menus = true;
            break;
        }
        if (focus_moved_within_window(m_widget))
            raise(m_indices.lost_focus);
        break;
    default:
        break;
    }
    return false;
}

}
