#include "app/Menu.h"

#include "app/App.h"

using fw::Ref;

namespace {

// One entry of the tree: created, named, texted, and appended to its menu
// (found again by name) or to the bar.
struct Entry {
    fw::ClassTable const& (*cls)();
    char const* name;
    char const* text;
    char const* shortcut; // null: never set (the separator)
    char const* menu; // null: appended to the bar itself
};

void build(Menu& bar, Ref<fw::MenuItem>& item, Entry const& entry)
{
    item = fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(entry.cls()));
    fw::checked(item).Constructor();
    fw::checked(item).set_Name(entry.name);
    fw::checked(item).set_AutoEnable(true);
    fw::checked(item).set_Text(entry.text);
    if (entry.shortcut)
        fw::checked(item).set_KeyboardShortcut(entry.shortcut);
    if (!entry.menu) {
        bar.Append(item.ptr());
        return;
    }
    auto menu = bar.Child(entry.menu);
    fw::checked(menu).Append(item.ptr());
}

void build_all(Menu& bar, std::span<Entry const> entries)
{
    Ref<fw::MenuItem> item;
    for (auto const& entry : entries)
        build(bar, item, entry);
}

constexpr auto item = &fw::MenuItem::__Lookup;
constexpr auto quit = &fw::QuitMenuItem::__Lookup;

constexpr Entry file_menu[] = {
    { item, "UntitledMenu2", "File", "", nullptr },
    { quit, "FileQuit", "Quit", "Cmd+Q", "UntitledMenu2" },
};

constexpr Entry edit_menu[] = {
    { item, "UntitledMenu0", "Edit", "", nullptr },
    { item, "EditUndo", "Undo", "Cmd+Z", "UntitledMenu0" },
    { item, "UntitledMenu1", "-", nullptr, "UntitledMenu0" },
    { item, "EditCut", "Cut", "Cmd+X", "UntitledMenu0" },
    { item, "EditCopy", "Copy", "Cmd+C", "UntitledMenu0" },
    { item, "EditPaste", "Paste", "Cmd+V", "UntitledMenu0" },
    { item, "EditClear", "Clear", "", "UntitledMenu0" },
};

}

Ref<Menu> Menu::_implicitInstance;

void Menu::Constructor()
{
    Untitled1();
    Untitled2();
}

void Menu::Untitled1() { build_all(*this, file_menu); }

void Menu::Untitled2() { build_all(*this, edit_menu); }

Ref<Menu> Menu_Menu()
{
    if (!Menu::_implicitInstance) {
        auto bar = fw::RuntimeCheckCast<Menu>(fw::RuntimeNewObject(Menu::__Lookup()));
        fw::checked(bar).Constructor();
        Menu::_implicitInstance = bar;
    }
    return Menu::_implicitInstance;
}

void Menu::_implicitInstance___Exit()
{
    auto held = std::move(_implicitInstance);
    _implicitInstance = nullptr;
}

Ref<fw::QuitMenuItem> FileQuit()
{
    auto app = App();
    auto bar = fw::checked(app).MenuBar();
    auto found = fw::checked(bar)._Lookup("FileQuit");
    return fw::RuntimeCheckCast<fw::QuitMenuItem>(found);
}
