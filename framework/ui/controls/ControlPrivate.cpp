#include "framework/ui/controls/ControlEvents_p.h"
#include "framework/ui/window/Window_p.h"

namespace fw {

ControlPrivate::ControlPrivate(QWidget* widget)
    : m_widget(widget)
{
    widget->setGeometry(left, top, width, height);
}

ControlPrivate::~ControlPrivate()
{
    // The filter goes first, so nothing the widget does while it is being
    // deleted (losing focus, say) reaches a control that is half destroyed.
    delete m_filter;
    delete m_widget.data();
}

void ControlPrivate::watch(RectControl& control, ControlEventIndices indices)
{
    m_filter = new ControlEventFilter(control, indices, *m_widget);
}

void ControlPrivate::attach(Window* to, QWidget* content)
{
    window = to;
    if (!m_widget)
        return;
    m_widget->setParent(content);
    apply_geometry();
    apply_visible();
}

void ControlPrivate::apply_geometry()
{
    if (m_widget)
        m_widget->setGeometry(left, top, width, height);
}

void ControlPrivate::apply_visible()
{
    // A widget without a parent is a top-level window: showing it would
    // open a stray window before the control is placed in one.
    if (m_widget && m_widget->parentWidget())
        m_widget->setVisible(visible);
}

Qt::FocusPolicy ControlPrivate::focus_policy() const { return tab_stop ? Qt::StrongFocus : Qt::ClickFocus; }

void ControlPrivate::apply_focus_policy()
{
    if (m_widget)
        m_widget->setFocusPolicy(focus_policy());
}

void ControlPrivate::tab_order_changed()
{
    apply_focus_policy();
    if (window)
        window->d().rebuild_tab_order();
}

StyledControlPrivate::StyledControlPrivate(QWidget* widget, QPalette::ColorRole text_role)
    : ControlPrivate(widget)
    , m_text_role(text_role)
{
}

void StyledControlPrivate::apply_font()
{
    if (auto* w = widget())
        fw::apply_font(*w, style);
}

void StyledControlPrivate::apply_text_color()
{
    if (auto* w = widget())
        set_palette_color(*w, m_text_role, style.text_color);
}

}
