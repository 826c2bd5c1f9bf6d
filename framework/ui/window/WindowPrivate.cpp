#include "framework/ui/window/Window_p.h"

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/controls/Control_p.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace fw {

// The content area: the stored Width by Height, below the menu bar.
class ContentArea final : public QWidget {
public:
    explicit ContentArea(WindowPrivate const& d)
        : m_d(d)
    {
    }
    QSize sizeHint() const override { return { m_d.width, m_d.height }; }

private:
    WindowPrivate const& m_d;
};

// The top-level widget. A close from the window system (the close box) asks
// the window first, as Window::close() does.
class WindowWidget final : public QMainWindow {
public:
    explicit WindowWidget(WindowPrivate& d)
        : m_d(d)
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (m_d.accepting_close || !m_d.open)
            return event->accept();
        event->ignore();
        if (detail::in_background_yield())
            return detail::defer_close(this);
        Window& window = m_d.window();
        bool const closed = detail::run_event(
            [&] {
                if (window.raise_event(window_event<"CancelClose">, false))
                    return false;
                detail::unregister_window(window);
                return true;
            },
            false);
        event->setAccepted(closed);
    }

private:
    WindowPrivate& m_d;
};

WindowPrivate::WindowPrivate(Window& window)
    : m_window(window)
    , m_main(new WindowWidget(*this))
    , m_content(new ContentArea(*this))
{
    m_main->setCentralWidget(m_content);
    apply_flags();
    apply_size();
}

WindowPrivate::~WindowPrivate()
{
    // Controls that someone else still holds take their widgets out of the
    // window first, so deleting the window's widgets leaves theirs alone.
    for (auto& entry : m_controls) {
        if (entry.control->ref_count() > 1)
            entry.control->d().attach(nullptr, nullptr);
        else
            entry.control->d().window = nullptr;
    }
    m_controls.clear();
    delete m_main;
}

QMainWindow* WindowPrivate::main_window() const noexcept { return m_main; }
QWidget* WindowPrivate::content() const noexcept { return m_content; }

AnyFunction WindowPrivate::menu_handler(String const& item_name) const
{
    auto const it = m_menu_handlers.find(item_name);
    return it == m_menu_handlers.end() ? nullptr : it->second;
}

void WindowPrivate::set_menu_handler(String const& item_name, AnyFunction routine)
{
    m_menu_handlers[item_name] = routine;
}

void WindowPrivate::add_control(String const& name, RectControl& control)
{
    control.d().registered_name = name;
    control.d().attach(&m_window, m_content);
    control.d().apply_focus_policy();
    m_controls.push_back({ name, Ref<RectControl>(&control) });
    rebuild_tab_order();
}

RectControl* WindowPrivate::control_named(String const& name) const noexcept
{
    // Most recent first: registering a name again replaces what it finds.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it)
        if (it->name == name)
            return it->control.ptr();
    return nullptr;
}

std::vector<RegisteredControl> WindowPrivate::sorted_tab_stops() const
{
    std::vector<RegisteredControl> stops;
    for (auto const& entry : m_controls)
        if (auto* widget = entry.control->d().widget(); widget && (widget->focusPolicy() & Qt::TabFocus))
            stops.push_back(entry);
    std::stable_sort(stops.begin(), stops.end(),
        [](auto const& a, auto const& b) { return a.control->TabIndex() < b.control->TabIndex(); });
    return stops;
}

void WindowPrivate::rebuild_tab_order()
{
    auto const stops = sorted_tab_stops();
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].control->d().widget(), stops[i].control->d().widget());
}

QWidget* WindowPrivate::first_in_tab_order() const
{
    for (auto const& entry : sorted_tab_stops()) {
        QWidget* widget = entry.control->d().widget();
        if (widget->isEnabled() && widget->isVisibleTo(m_main))
            return widget;
    }
    return nullptr;
}

void WindowPrivate::show()
{
    apply_menu_bar_visible();
    m_main->layout()->activate();
    if (placement >= 1 && placement <= 3)
        centre_on_screen();
    if (full_screen)
        m_main->showFullScreen();
    else
        m_main->show();
    // The menu bar joins the window as it is shown, and the frame's size is
    // known only then: lay the window out at its full size now, not after
    // the next turn of the event loop, and place it again.
    m_main->layout()->activate();
    if (placement >= 1 && placement <= 3)
        centre_on_screen();
    m_main->raise();
    m_main->activateWindow();
    if (QWidget* first = first_in_tab_order())
        first->setFocus(Qt::TabFocusReason);
}

void WindowPrivate::apply_size()
{
    QLayout* layout = m_main->layout();
    if (!resizeable) {
        m_content->setFixedSize(width, height);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        m_content->setMinimumSize(min_width, min_height);
        m_content->setMaximumSize(max_width, max_height);
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        m_main->setMinimumSize(0, 0);
        m_main->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_content->updateGeometry();
        layout->activate();
        m_main->resize(m_main->sizeHint());
    }
    layout->activate();
}

void WindowPrivate::apply_flags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (close_button)
        flags |= Qt::WindowCloseButtonHint;
    if (minimize_button)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximize_button && resizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    bool const was_visible = m_main->isVisible();
    m_main->setWindowFlags(flags);
    if (was_visible)
        m_main->show();
}

void WindowPrivate::apply_back_color()
{
    m_content->setAutoFillBackground(has_back_color);
    if (has_back_color)
        set_palette_color(*m_content, QPalette::Window, back_color);
    else
        reset_palette_color(*m_content, QPalette::Window);
}

void WindowPrivate::apply_menu_bar_visible()
{
    if (QWidget* bar = m_main->menuWidget())
        bar->setVisible(menu_bar_visible);
}

void WindowPrivate::centre_on_screen()
{
    QScreen const* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect const frame = QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, m_main->frameGeometry().size(), screen->availableGeometry());
    m_main->move(frame.topLeft());
}

}
