// The class tables of MenuItem, MenuBar and QuitMenuItem.

#include "framework/runtime/Introspection.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/menus/MenuItem.h"

#include <iterator>

namespace fw {

namespace {

    MenuItem& item(Object* self)
    {
        RuntimeCheckCast(&checked(self), MenuItem::__Lookup());
        return static_cast<MenuItem&>(*self);
    }

    // Operations of the record that mean nothing on this platform.
    template<typename R, typename... A>
    R unsupported(Object*, A...)
    {
        raise(make<RuntimeException>("not supported"));
    }

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

    template<typename F>
    VtableSlot slot(char const* slot_name, F* entry)
    {
        return { slot_name, any_function(entry) };
    }

    // In the order of the runtime's record; see MenuItemConstructorSlot.
    std::vector<VtableSlot> const& menu_item_slots()
    {
        static std::vector<VtableSlot> const entries {
            slot("Enable", enable),
            slot("Close", unsupported<void>),
            slot("Item", item_at),
            slot("Count", count),
            slot("Child", child),
            slot("Append", append),
            slot("Insert", insert),
            slot("Remove", remove_at),
            slot("Remove", remove_item),
            slot("Remove", remove_named),
            slot("_Lookup", lookup),
            slot("_Lookup", unsupported<Ref<MenuItem>, String const&, std::int32_t>),
            slot("MenuItem", construct),
            slot("Constructor", construct_text),
            slot("PopUp", unsupported<void>),
            slot("PopUp", unsupported<void, std::int32_t, std::int32_t>),
            slot("_Swap", unsupported<void, String const&, MenuItem*>),
            slot("_DisableEntirely", unsupported<void>),
            slot("_SelfEnable", unsupported<void>),
            slot("MenuItem", construct_text),
            slot("Constructor", construct),
            slot("Clone", unsupported<Ref<MenuItem>>),
            slot("Constructor", unsupported<void, MenuItem*>),
            slot("__DependencyList", unsupported<Ref<Object>>),
            slot("_InstallClone", unsupported<void, MenuItem*>),
        };
        return entries;
    }

    // name, mark, signature, function, invoke
    std::span<MethodRow const> menu_item_methods()
    {
        using Introspection::Invoke;
        static MethodRow const rows[] = {
            { "Constructor", MarkPublicMethod, "%%", any_function(construct), Invoke<void()>, {} },
            { "Append", MarkPublicMethod, "%%o<MenuItem>", any_function(append), Invoke<void(MenuItem*)>, {} },
            { "Insert", MarkPublicMethod, "%%i4o<MenuItem>", any_function(insert),
                Invoke<void(std::int32_t, MenuItem*)>, {} },
            { "Remove", MarkPublicMethod, "%%i4", any_function(remove_at), Invoke<void(std::int32_t)>, {} },
            { "Child", MarkPublicMethod, "%o<MenuItem>%s", any_function(child), Invoke<Ref<MenuItem>(String const&)>,
                {} },
            { "_Lookup", MarkPublicMethod, "%o<MenuItem>%s", any_function(lookup), Invoke<Ref<MenuItem>(String const&)>,
                {} },
            { "Item", MarkPublicMethod, "%o<MenuItem>%i4", any_function(item_at), Invoke<Ref<MenuItem>(std::int32_t)>,
                {} },
            { "Count", MarkPublicMethod, "%i4%", any_function(count), Invoke<std::int32_t()>, {} },
        };
        return rows;
    }

    std::span<PropertyRow const> menu_item_properties()
    {
        static PropertyRow const rows[] = {
            property_row<&MenuItem::Name, &MenuItem::set_Name>("Name", "s"),
            property_row<&MenuItem::Text, &MenuItem::set_Text>("Text", "s"),
            property_row<&MenuItem::KeyboardShortcut, &MenuItem::set_KeyboardShortcut>("KeyboardShortcut", "s"),
            property_row<&MenuItem::AutoEnable, &MenuItem::set_AutoEnable>("AutoEnable", "b"),
            property_row<&MenuItem::Enabled, &MenuItem::set_Enabled>("Enabled", "b"),
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
            .methods = {},
            .events = {},
            .properties = {},
            .attributes = {},
            .vtable = {},
        });
    }

}

ClassTable const& MenuItem::__Lookup()
{
    static ClassTable const* table = [] {
        auto const& entries = menu_item_slots();
        static_assert(MenuItemSlotCount == 25);
        return build_class(ClassSpec {
            .name = "MenuItem",
            .base = &Object::__Lookup(),
            .instance_size = sizeof(MenuItem),
            .factory = make_item<MenuItem>,
            .methods = menu_item_methods(),
            .events = {},
            .properties = menu_item_properties(),
            .attributes = {},
            .vtable = entries,
        });
    }();
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
