#pragma once

// Not part of the framework's API: the Qt side of menus.
//
// The menu tree is plain framework data and may be built before any window
// exists. Its Qt objects are made when a bar is shown in a window (one set of
// QMenus and QActions for each window that shows it) and are kept in step
// with the tree: a property change updates every action that shows the
// entry, a change of structure rebuilds every Qt bar that shows the tree.

#include "framework/runtime/Variant.h"
#include "framework/runtime/WeakRef.h"
#include "framework/ui/menus/MenuItem.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace fw {

class MenuBarView;

class MenuItemPrivate {
public:
    String name;
    String text;
    String shortcut;
    Variant tag;
    bool auto_enable { true };
    bool enabled { true };

    // The Qt objects that show this entry: an action for an item, a QMenu
    // (whose menu action carries text and state) for an entry with children.
    std::vector<QPointer<QAction>> actions;
    std::vector<QPointer<QMenu>> menus;
    // For a bar: the Qt bars that show it.
    std::vector<QPointer<MenuBarView>> views;

    bool is_separator() const noexcept { return text == "-"; }
    void add_action(QAction* action);
    void add_menu(QMenu* menu);
    // Brings every Qt object that shows the entry up to date.
    void sync_actions() const;
};

// "Cmd+Q" as a key sequence: "Cmd" is the platform's command key (Ctrl
// here), "Option" is Alt; empty or unreadable text gives no shortcut.
QKeySequence key_sequence(String const& shortcut);

// What a window does with its menus; WindowMenus.cpp supplies it.
struct MenuCallbacks {
    std::function<void(MenuItem&)> chosen; // an item was chosen, by click or shortcut
    std::function<void()> about_to_show; // a menu is about to open
};

// Shows `bar` in `qbar` (replacing what qbar showed) and keeps it in step
// with the tree until either is destroyed: the view goes with whichever
// goes first.
MenuBarView* show_menu_bar(MenuBar& bar, QMenuBar& qbar, MenuCallbacks callbacks);
// The view showing a bar in `qbar`, or null.
MenuBarView* view_for(QMenuBar const* qbar);

// Every entry below `item` (depth first, the item itself excluded).
void for_each_descendant(MenuItem& item, std::function<void(MenuItem&)> const& visit);

// One Qt menu bar showing one framework bar: its top-level QMenus, their
// actions and the connections back to the window.
class MenuBarView final : public QObject {
public:
    MenuBarView(MenuBar& bar, QMenuBar& qbar, MenuCallbacks callbacks);
    ~MenuBarView() override;

    // Drops the Qt menus and makes them again from the tree.
    void rebuild();
    QMenuBar* qbar() const noexcept { return m_qbar; }
    // The Qt bar is being destroyed: from here on it must not be touched,
    // not even cast to its class.
    void forget_qbar() noexcept { m_qbar = nullptr; }
    Ref<MenuBar> bar() const { return m_bar.strong(); }

private:
    void clear();
    QMenu* make_menu(QWidget& parent, MenuItem& item);
    void add_entries(QMenu& menu, MenuItem& parent);
    void add_item(QMenu& menu, MenuItem& item);
    void give_back_keyboard();
    void focus_changed(QWidget* old, QWidget* now);

    WeakRef<MenuBar> m_bar;
    // Not its parent: a child would be destroyed after QMenuBar's own
    // destructor has run, when the bar can no longer be touched.
    QPointer<QMenuBar> m_qbar;
    MenuCallbacks m_callbacks;
    QPointer<QWidget> m_focus_before; // the widget the keyboard left for the bar or a menu
    std::vector<QPointer<QMenu>> m_menus;
};

}
