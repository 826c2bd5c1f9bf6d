#include "framework/ui/controls/Control_p.h"

// RectControl's stored properties: position and size within the window's
// content area, in pixels; tab order; enabled, visible, help tag.

namespace fw {

String RectControl::Name() const { return m_d->name; }
void RectControl::set_Name(String const& value) { m_d->name = value; }
std::int32_t RectControl::Index() const { return m_d->index; }
void RectControl::set_Index(std::int32_t value) { m_d->index = value; }

std::int32_t RectControl::Left() const { return m_d->left; }
void RectControl::set_Left(std::int32_t value)
{
    m_d->left = value;
    m_d->apply_geometry();
}
std::int32_t RectControl::Top() const { return m_d->top; }
void RectControl::set_Top(std::int32_t value)
{
    m_d->top = value;
    m_d->apply_geometry();
}
std::int32_t RectControl::Width() const { return m_d->width; }
void RectControl::set_Width(std::int32_t value)
{
    m_d->width = value;
    m_d->apply_geometry();
}
std::int32_t RectControl::Height() const { return m_d->height; }
void RectControl::set_Height(std::int32_t value)
{
    m_d->height = value;
    m_d->apply_geometry();
}

// The window's size is fixed, so the locks (which keep an edge at its
// distance from the window's edge on resizing) have nothing to act on.
bool RectControl::LockLeft() const { return m_d->lock_left; }
void RectControl::set_LockLeft(bool value) { m_d->lock_left = value; }
bool RectControl::LockTop() const { return m_d->lock_top; }
void RectControl::set_LockTop(bool value) { m_d->lock_top = value; }
bool RectControl::LockRight() const { return m_d->lock_right; }
void RectControl::set_LockRight(bool value) { m_d->lock_right = value; }
bool RectControl::LockBottom() const { return m_d->lock_bottom; }
void RectControl::set_LockBottom(bool value) { m_d->lock_bottom = value; }

std::int32_t RectControl::TabPanelIndex() const { return m_d->tab_panel_index; }
void RectControl::set_TabPanelIndex(std::int32_t value) { m_d->tab_panel_index = value; }
std::int32_t RectControl::TabIndex() const { return m_d->tab_index; }
void RectControl::set_TabIndex(std::int32_t value)
{
    m_d->tab_index = value;
    m_d->tab_order_changed();
}
bool RectControl::TabStop() const { return m_d->tab_stop; }
void RectControl::set_TabStop(bool value)
{
    m_d->tab_stop = value;
    m_d->tab_order_changed();
}

bool RectControl::Enabled() const { return m_d->enabled; }
void RectControl::set_Enabled(bool value)
{
    m_d->enabled = value;
    if (auto* widget = m_d->widget())
        widget->setEnabled(value);
}
bool RectControl::Visible() const { return m_d->visible; }
void RectControl::set_Visible(bool value)
{
    m_d->visible = value;
    m_d->apply_visible();
}
String RectControl::HelpTag() const { return m_d->help_tag; }
void RectControl::set_HelpTag(String const& value)
{
    m_d->help_tag = value;
    if (auto* widget = m_d->widget())
        widget->setToolTip(to_qstring(value));
}
bool RectControl::AutoDeactivate() const { return m_d->auto_deactivate; }
void RectControl::set_AutoDeactivate(bool value) { m_d->auto_deactivate = value; }
String RectControl::InitialParent() const { return m_d->initial_parent; }
void RectControl::set_InitialParent(String const& value) { m_d->initial_parent = value; }

}
