// The class table of Menu: MenuBar's, with its no-argument Constructor slot
// replaced and Untitled1 and Untitled2 after it.

#include "app/Menu.h"

#include "framework/runtime/ClassRows.h"

using namespace fw;

ClassTable* Menu::__ctbl = nullptr;

namespace {

// Constructor takes no slot of its own: it replaces MenuBar's.
constexpr OperationRow own_operations[] = {
    operation<&Menu::Untitled1>("%%", public_scope),
    operation<&Menu::Untitled2>("%%", public_scope),
    method<&Menu::Constructor>("%%", public_scope),
};

}

void Menu::__ctblinit()
{
    if (__ctbl)
        return;
    auto* table = build_class(ClassSpec {
        .name = "Menu.Menu",
        .base = &MenuBar::__Lookup(),
        .instance_size = sizeof(Menu),
        .factory = []() -> Object* { return new Menu; },
        .operations = own_operations,
        .attributes = public_scope,
    });
    // MenuBar's record has three "Constructor" slots; only the no-argument
    // one is replaced.
    table->vtable.at(MenuItemConstructorSlot).entry = operation_entry(own_operations, "Constructor");
    __ctbl = table;
}

ClassTable const& Menu::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
