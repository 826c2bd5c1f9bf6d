#pragma once

// Menu: the program's menu bar, File (Quit) and Edit (Undo, Cut, Copy,
// Paste, Clear). One instance exists, made on first use by Menu_Menu and
// kept in Menu::_implicitInstance until the module finaliser releases it.
// What the Edit items do is the framework's: the program binds no handler to
// them.

#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"

class Menu : public fw::MenuBar {
    FW_OBJECT(Menu)
public:
    static fw::ClassTable* __ctbl;
    static void __ctblinit();

    // The one menu bar; nil before Menu_Menu first runs and after the
    // module finaliser.
    static fw::Ref<Menu> _implicitInstance;
    // Clears the global, then releases the reference it held.
    static void _implicitInstance___Exit();

    // Builds both menus; replaces the item's no-argument constructor.
    void Constructor() override;
    virtual void Untitled1();
    virtual void Untitled2();
};

// The menu bar, created and built on first use; a reference for the caller.
fw::Ref<Menu> Menu_Menu();

// The File menu's Quit item, found in the application object's menu bar.
fw::Ref<fw::QuitMenuItem> FileQuit();
