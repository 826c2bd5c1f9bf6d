// The class table of Menu: MenuBar's, with its no-argument Constructor slot
// replaced and Untitled1 and Untitled2 after it.

#include "app/Menu.h"

#include "framework/runtime/Introspection.h"

using namespace fw;

ClassTable* Menu::__ctbl = nullptr;

namespace {

constexpr AttributeRow public_scope[] = { { "__Scope", "Public" } };

MethodRow const* own_methods()
{
    static MethodRow const rows[] = {
        method_row<&Menu::Untitled1>("Untitled1", "%%", &Introspection::Invoke<void()>, public_scope),
        method_row<&Menu::Untitled2>("Untitled2", "%%", &Introspection::Invoke<void()>, public_scope),
        method_row<&Menu::Constructor>("Constructor", "%%", &Introspection::Invoke<void()>, public_scope),
    };
    return rows;
}
constexpr std::size_t own_method_count = 3;

}

void Menu::__ctblinit()
{
    if (__ctbl)
        return;
    auto const& parent = MenuBar::__Lookup();
    auto* table = RuntimeNewClass(&parent, std::int32_t(parent.methods.size() + own_method_count), 0,
        std::int32_t(parent.events.size()), 0, std::int32_t(parent.properties.size()), 1);
    __ctbl = table;
    table->name = "Menu.Menu";
    table->instance_size = sizeof(Menu);
    table->factory = []() -> Object* { return new Menu; };

    table->vtable = RuntimeNewVtable(std::int32_t(parent.vtable.size() + 2));
    std::copy(parent.vtable.begin(), parent.vtable.end(), table->vtable.begin());
    // MenuBar's record has three "Constructor" slots; only the no-argument
    // one is replaced.
    table->vtable[MenuItemConstructorSlot].entry = method_entry<&Menu::Constructor>();
    table->vtable[parent.vtable.size()] = vtable_slot<&Menu::Untitled1>("Untitled1");
    table->vtable[parent.vtable.size() + 1] = vtable_slot<&Menu::Untitled2>("Untitled2");

    fill_methods(*table, parent.methods.size(), std::span(own_methods(), own_method_count));
    fill_attributes(table->attributes, public_scope);
}

ClassTable const& Menu::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
