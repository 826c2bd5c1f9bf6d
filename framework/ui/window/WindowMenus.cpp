// Windows show the application's menu bar, and update their menus before a
// shortcut is matched.

#include "framework/ui/application/Application.h"
#include "framework/ui/application/Gate_p.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "framework/ui/window/WindowMenus_p.h"
#include "framework/ui/window/Window_p.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace fw::detail {

namespace {

    Window* framework_window(QWidget const* top_level)
    {
        for (auto const& window : open_windows())
            if (window->d().main_window() == top_level)
                return window.ptr();
        return nullptr;
    }

    MenuCallbacks callbacks_for(Window& window)
    {
        return {
            .chosen =
                [weak = WeakRef<Window>(&window)](MenuItem& item) {
                    if (auto target = weak.strong())
                        choose_menu_item(*target, item);
                },
            .about_to_show =
                [weak = WeakRef<Window>(&window)] {
                    if (auto target = weak.strong())
                        update_menus(*target);
                },
        };
    }

    void show_bar_in(Window& window, MenuBar* bar)
    {
        QMainWindow* main = window.d().main_window();
        auto* current = qobject_cast<QMenuBar*>(main->menuWidget());
        auto* view = view_for(current);
        if (view && view->bar().ptr() == bar)
            return;
        if (!bar) {
            delete view;
            return;
        }
        QMenuBar* qbar = main->menuBar();
        show_menu_bar(*bar, *qbar, callbacks_for(window));
        qbar->setVisible(window.d().menu_bar_visible);
    }

    void show_application_bar_in(Window& window)
    {
        auto app = _GetAppObject();
        auto bar = app ? app->MenuBar() : nullptr;
        show_bar_in(window, bar.ptr());
    }

    bool is_bar_shortcut(Window& window, QKeyEvent const& key)
    {
        auto* view = view_for(qobject_cast<QMenuBar*>(window.d().main_window()->menuWidget()));
        auto bar = view ? view->bar() : nullptr;
        if (!bar)
            return false;
        QKeySequence const pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
        bool found = false;
        for_each_descendant(*bar, [&](MenuItem& item) {
            found = found || (!item.KeyboardShortcut().empty() && key_sequence(item.KeyboardShortcut()) == pressed);
        });
        return found;
    }

    // Watches every widget of the application: a framework window being
    // shown gets the menu bar, and a key that is one of its bar's shortcuts
    // updates the menus before Qt matches it (ShortcutOverride comes first),
    // so the shortcut meets the enabled state the menu would show.
    class MenuEventFilter final : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::Show && event->type() != QEvent::ShortcutOverride)
                return false;
            auto* widget = qobject_cast<QWidget*>(watched);
            Window* window = widget ? framework_window(widget->window()) : nullptr;
            if (!window)
                return false;
            if (event->type() == QEvent::Show && widget->isWindow())
                run_event([&] { show_application_bar_in(*window); });
            else if (event->type() == QEvent::ShortcutOverride
                && is_bar_shortcut(*window, static_cast<QKeyEvent&>(*event)))
                run_event([&] { update_menus(*window); });
            return false;
        }
    };

    void ensure_event_filter()
    {
        static QPointer<MenuEventFilter> filter;
        auto* app = QCoreApplication::instance();
        if (filter || !app)
            return;
        filter = new MenuEventFilter(app);
        app->installEventFilter(filter);
    }

}

void show_application_menu_bar()
{
    ensure_event_filter();
    for (auto const& window : open_windows())
        show_application_bar_in(*window);
}

}
