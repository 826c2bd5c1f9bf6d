#pragma once

// Menu items made the way a program's menu builder makes them, and a small
// tree of them.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"

namespace uitest {

inline fw::Ref<fw::MenuItem> menu_entry(char const* name, char const* text = "", char const* shortcut = "",
    fw::ClassTable const& cls = fw::MenuItem::__Lookup())
{
    auto item = fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(cls));
    item->Constructor();
    item->set_Name(name);
    item->set_Text(text);
    item->set_KeyboardShortcut(shortcut);
    return item;
}

// bar > File(Quit, Recent > (One, Deep)) , Edit(Deep)
inline fw::Ref<fw::MenuBar> sample_bar()
{
    auto bar = fw::RuntimeCheckCast<fw::MenuBar>(fw::RuntimeNewObject(fw::MenuBar::__Lookup()));
    auto file = menu_entry("File", "File");
    file->Append(menu_entry("FileQuit", "Quit", "", fw::QuitMenuItem::__Lookup()).ptr());
    auto recent = menu_entry("Recent", "Recent");
    recent->Append(menu_entry("One").ptr());
    recent->Append(menu_entry("Deep").ptr());
    file->Append(recent.ptr());
    bar->Append(file.ptr());
    auto edit = menu_entry("Edit", "Edit");
    edit->Append(menu_entry("Deep", "edit's, found after File's").ptr());
    bar->Append(edit.ptr());
    return bar;
}

}
