// The menu update and the choice of an item, for one window.

#include "framework/ui/application/Application.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/controls/EditCommands_p.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "framework/ui/window/WindowMenus_p.h"
#include "framework/ui/window/Window_p.h"

#include <QLineEdit>
#include <QMenuBar>

namespace fw::detail {

namespace {

    QLineEdit* focused_field(Window& window)
    {
        return qobject_cast<QLineEdit*>(window.d().main_window()->focusWidget());
    }

    Ref<MenuBar> shown_bar(Window& window)
    {
        auto* view = view_for(qobject_cast<QMenuBar*>(window.d().main_window()->menuWidget()));
        return view ? view->bar() : nullptr;
    }

    bool has_handler(Window& window, Application const* app, String const& name)
    {
        return window.d().menu_handler(name) || (app && app->menu_handler(name));
    }

    // Whether the framework would carry the item out with no handler.
    bool framework_allows(MenuItem& item, QLineEdit const* field)
    {
        if (dynamic_cast<QuitMenuItem*>(&item))
            return true;
        auto const* command = edit_command(item.Name());
        return command && field && command->allowed(*field);
    }

    // Runs the handler bound to the item's name, the window's before the
    // application's; true when one ran and answered True.
    bool run_handler(Window& window, Application* app, String const& name)
    {
        if (auto routine = window.d().menu_handler(name))
            return run_menu_handler(routine, &window);
        if (auto routine = app ? app->menu_handler(name) : nullptr)
            return run_menu_handler(routine, app);
        return false;
    }

}

void update_menus(Window& window)
{
    Ref<Window> const keep(&window);
    auto bar = shown_bar(window);
    if (!bar)
        return;
    for_each_descendant(*bar, [](MenuItem& item) {
        if (item.AutoEnable() && item.Count() == 0)
            item.set_Enabled(false);
    });
    window.raise_event(window_event<"EnableMenuItems">);
    auto app = _GetAppObject();
    if (app)
        app->raise_event(application_event<"EnableMenuItems">);
    QLineEdit const* field = focused_field(window);
    for_each_descendant(*bar, [&](MenuItem& item) {
        if (has_handler(window, app.ptr(), item.Name()) || (item.AutoEnable() && framework_allows(item, field)))
            item.set_Enabled(true);
    });
}

// A QuitMenuItem that no handler takes (none bound, or it answered False)
// quits with the code 0; a program that wants to stop the quit answers True.
void choose_menu_item(Window& window, MenuItem& item)
{
    Ref<Window> const keep(&window);
    Ref<MenuItem> const keep_item(&item);
    auto app = _GetAppObject();
    if (run_handler(window, app.ptr(), item.Name()))
        return;
    if (auto const* command = edit_command(item.Name())) {
        if (auto* field = focused_field(window); field && command->allowed(*field))
            command->perform(*field);
        return;
    }
    if (dynamic_cast<QuitMenuItem*>(&item))
        Quit(0);
}

}
