// The class tables of MenuItem, MenuBar and QuitMenuItem.

#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace fw {

namespace {

    MenuItem& item(Object* self) { return checked_cast<MenuItem>(self); }

    // Slot entries: plain routines taking the object first.
    void enable(Object* s) { item(s).set_Enabled(true); }
    Ref<MenuItem> item_at(Object* s, std::int32_t i) { return item(s).Item(i); }
    std::int32_t count(Object* s) { return item(s).Count(); }
    Ref<MenuItem> child(Object* s, String const& name) { return item(s).Child(name); }
    void append(Object* s, MenuItem* c) { item(s).Append(c); }
    void insert(Object* s, std::int32_t i, MenuItem* c) { item(s).Insert(i, c); }
    void remove_at(Object* s, std::int32_t i) { item(s).Remove(i); }
    void remove_item(Object* s, MenuItem* c) { item(s).Remove(c); }
    void remove_named(Object* s, String const& name) { item(s).Remove(name); }
    Ref<MenuItem> lookup(Object* s, String const& name) { return item(s)._Lookup(name); }
    void construct(Object* s) { item(s).Constructor(); }
    void construct_text(Object* s, String const& text, Variant const& tag) { item(s).construct(text, tag); }

    // The runtime's record, in its order; see MenuItemConstructorSlot.
    constexpr OperationRow menu_item_slots[] = {
        slot<&enable>("Enable"),
        slot<&unsupported<void>>("Close"),
        slot<&item_at>("Item"),
        slot<&count>("Count"),
        slot<&child>("Child"),
        slot<&append>("Append"),
        slot<&insert>("Insert"),
        slot<&remove_at>("Remove"),
        slot<&remove_item>("Remove"),
        slot<&remove_named>("Remove"),
        slot<&lookup>("_Lookup"),
        slot<&unsupported<Ref<MenuItem>, String const&, std::int32_t>>("_Lookup"),
        slot<&construct>("MenuItem"),
        slot<&construct_text>("Constructor"),
        slot<&unsupported<void>>("PopUp"),
        slot<&unsupported<void, std::int32_t, std::int32_t>>("PopUp"),
        slot<&unsupported<void, String const&, MenuItem*>>("_Swap"),
        slot<&unsupported<void>>("_DisableEntirely"),
        slot<&unsupported<void>>("_SelfEnable"),
        slot<&construct_text>("MenuItem"),
        slot<&construct>("Constructor"),
        slot<&unsupported<Ref<MenuItem>>>("Clone"),
        slot<&unsupported<void, MenuItem*>>("Constructor"),
        slot<&unsupported<Ref<Object>>>("__DependencyList"),
        slot<&unsupported<void, MenuItem*>>("_InstallClone"),
    };
    static_assert(std::size(menu_item_slots) == MenuItemSlotCount);
    static_assert(menu_item_slots[MenuItemConstructorSlot].entry == &detail::routine_entry<&construct>);

    // The reflection entries, in their own order (not the record's): the
    // same routines as the slots above, each with its signature text.
    constexpr OperationRow menu_item_methods[] = {
        method_routine<&construct>("Constructor", "%%"),
        method_routine<&append>("Append", "%%o<MenuItem>"),
        method_routine<&insert>("Insert", "%%i4o<MenuItem>"),
        method_routine<&remove_at>("Remove", "%%i4"),
        method_routine<&child>("Child", "%o<MenuItem>%s"),
        method_routine<&lookup>("_Lookup", "%o<MenuItem>%s"),
        method_routine<&item_at>("Item", "%o<MenuItem>%i4"),
        method_routine<&count>("Count", "%i4%"),
    };
    constexpr bool has_its_slot(OperationRow const& method)
    {
        return std::ranges::any_of(menu_item_slots, [&](OperationRow const& slot) {
            return slot.entry == method.entry && std::string_view(slot.name) == method.name;
        });
    }
    static_assert(std::ranges::all_of(menu_item_methods, has_its_slot));

    // The class's one row table: the record's slots, then the entries.
    constexpr auto menu_item_operations = [] {
        std::array<OperationRow, std::size(menu_item_slots) + std::size(menu_item_methods)> rows {};
        auto end = std::copy(std::begin(menu_item_slots), std::end(menu_item_slots), rows.begin());
        std::copy(std::begin(menu_item_methods), std::end(menu_item_methods), end);
        return rows;
    }();

    std::span<PropertyRow const> menu_item_properties()
    {
        static PropertyRow const rows[] = {
            property_row<&MenuItem::Name, &MenuItem::set_Name>("s"),
            property_row<&MenuItem::Text, &MenuItem::set_Text>("s"),
            property_row<&MenuItem::KeyboardShortcut, &MenuItem::set_KeyboardShortcut>("s"),
            property_row<&MenuItem::AutoEnable, &MenuItem::set_AutoEnable>("b"),
            property_row<&MenuItem::Enabled, &MenuItem::set_Enabled>("b"),
        };
        return rows;
    }

    template<typename T>
    Object* make_item()
    {
        return new T;
    }

    template<typename T>
    ClassTable const* subclass(char const* class_name)
    {
        return build_class(ClassSpec {
            .name = class_name,
            .base = &MenuItem::__Lookup(),
            .instance_size = sizeof(T),
            .factory = make_item<T>,
        });
    }

}

ClassTable const& MenuItem::__Lookup()
{
    static ClassTable const* table = build_class(ClassSpec {
        .name = "MenuItem",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(MenuItem),
        .factory = make_item<MenuItem>,
        .operations = menu_item_operations,
        .properties = menu_item_properties(),
    });
    return *table;
}

ClassTable const& MenuBar::__Lookup()
{
    static ClassTable const* table = subclass<MenuBar>("MenuBar");
    return *table;
}

ClassTable const& QuitMenuItem::__Lookup()
{
    static ClassTable const* table = subclass<QuitMenuItem>("QuitMenuItem");
    return *table;
}

}
