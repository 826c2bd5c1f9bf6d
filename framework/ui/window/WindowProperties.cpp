#include "framework/ui/controls/TextStyle_p.h"
#include "framework/ui/window/Window_p.h"

// Window's stored properties. Sizes are the content area's, in pixels;
// Placement 1 to 3 centre the window on the primary screen when it opens
// (0 and 4 leave the place to the window system). Frame, Composite,
// LiveResize and MacProcId have no effect here and are only kept.

namespace fw {

std::int32_t Window::Placement() const { return m_d->placement; }
void Window::set_Placement(std::int32_t value)
{
    m_d->placement = value;
    if (m_d->open && value >= 1 && value <= 3)
        m_d->centre_on_screen();
}

std::int32_t Window::Width() const { return m_d->width; }
void Window::set_Width(std::int32_t value)
{
    m_d->width = value;
    m_d->apply_size();
}
std::int32_t Window::Height() const { return m_d->height; }
void Window::set_Height(std::int32_t value)
{
    m_d->height = value;
    m_d->apply_size();
}
std::int32_t Window::MinWidth() const { return m_d->min_width; }
void Window::set_MinWidth(std::int32_t value)
{
    m_d->min_width = value;
    m_d->apply_size();
}
std::int32_t Window::MinHeight() const { return m_d->min_height; }
void Window::set_MinHeight(std::int32_t value)
{
    m_d->min_height = value;
    m_d->apply_size();
}
std::int32_t Window::MaxWidth() const { return m_d->max_width; }
void Window::set_MaxWidth(std::int32_t value)
{
    m_d->max_width = value;
    m_d->apply_size();
}
std::int32_t Window::MaxHeight() const { return m_d->max_height; }
void Window::set_MaxHeight(std::int32_t value)
{
    m_d->max_height = value;
    m_d->apply_size();
}
bool Window::Resizeable() const { return m_d->resizeable; }
void Window::set_Resizeable(bool value)
{
    m_d->resizeable = value;
    m_d->apply_size();
    m_d->apply_flags();
}

std::int32_t Window::Frame() const { return m_d->frame; }
void Window::set_Frame(std::int32_t value) { m_d->frame = value; }
bool Window::Composite() const { return m_d->composite; }
void Window::set_Composite(bool value) { m_d->composite = value; }
bool Window::LiveResize() const { return m_d->live_resize; }
void Window::set_LiveResize(bool value) { m_d->live_resize = value; }
std::int32_t Window::MacProcId() const { return m_d->mac_proc_id; }
void Window::set_MacProcId(std::int32_t value) { m_d->mac_proc_id = value; }

bool Window::HasBackColor() const { return m_d->has_back_color; }
void Window::set_HasBackColor(bool value)
{
    m_d->has_back_color = value;
    m_d->apply_back_color();
}
Color Window::BackColor() const { return m_d->back_color; }
void Window::set_BackColor(Color value)
{
    m_d->back_color = value;
    m_d->apply_back_color();
}

String Window::Title() const { return from_qstring(m_d->main_window()->windowTitle()); }
void Window::set_Title(String const& value) { m_d->main_window()->setWindowTitle(to_qstring(value)); }

// Until the window has been built, Visible only says whether it will show.
bool Window::Visible() const { return m_d->visible; }
void Window::set_Visible(bool value)
{
    m_d->visible = value;
    if (!m_d->open)
        return;
    if (value)
        m_d->show();
    else
        m_d->main_window()->hide();
}
bool Window::FullScreen() const { return m_d->full_screen; }
void Window::set_FullScreen(bool value)
{
    m_d->full_screen = value;
    if (m_d->open && m_d->visible)
        value ? m_d->main_window()->showFullScreen() : m_d->main_window()->showNormal();
}
bool Window::MenuBarVisible() const { return m_d->menu_bar_visible; }
void Window::set_MenuBarVisible(bool value)
{
    m_d->menu_bar_visible = value;
    m_d->apply_menu_bar_visible();
}

bool Window::CloseButton() const { return m_d->close_button; }
void Window::set_CloseButton(bool value)
{
    m_d->close_button = value;
    m_d->apply_flags();
}
bool Window::MaximizeButton() const { return m_d->maximize_button; }
void Window::set_MaximizeButton(bool value)
{
    m_d->maximize_button = value;
    m_d->apply_flags();
}
bool Window::MinimizeButton() const { return m_d->minimize_button; }
void Window::set_MinimizeButton(bool value)
{
    m_d->minimize_button = value;
    m_d->apply_flags();
}

}
