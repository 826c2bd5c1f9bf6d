#pragma once

// Menus: MenuItem (a menu or an item), MenuBar (the bar, a MenuItem whose
// children are the menus) and QuitMenuItem (the item that quits).
//
// A new item is empty and a new bar has no menus. An item with the text "-"
// shows as a separator. A shortcut is text such as "Cmd+Q"; "Cmd" is the
// platform's command key (Ctrl on Linux); empty or unset means none.
//
// A new item is enabled and has AutoEnable set. AutoEnable hands the item's
// Enabled to the framework: at every menu update it is first cleared, and
// then set again by the window's EnableMenuItems handler, by a menu handler
// registered for the item's name, or (for the standard editing items) by
// what the focused text field allows. An item without AutoEnable keeps the
// Enabled its program gives it.

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class MenuItemPrivate;

// The virtual-table record of MenuItem and its subclasses holds 25 slots, in
// the order the runtime gives them; a subclass that replaces the
// no-argument constructor writes its own entry into this slot.
inline constexpr std::int32_t MenuItemSlotCount = 25;
inline constexpr std::int32_t MenuItemConstructorSlot = 20;

class MenuItem : public Object {
    FW_OBJECT(MenuItem)
public:
    MenuItem();
    ~MenuItem() override;

    // The no-argument constructor; a new item needs nothing more.
    virtual void Constructor();
    // The two-argument constructor (text and tag). Not a C++ overload of
    // Constructor, so a subclass replacing that one hides nothing.
    void construct(String const& text, Variant const& tag);

    String Name() const;
    void set_Name(String const&);
    String Text() const;
    void set_Text(String const&);
    String KeyboardShortcut() const;
    void set_KeyboardShortcut(String const&);
    bool AutoEnable() const;
    void set_AutoEnable(bool);
    bool Enabled() const;
    void set_Enabled(bool);

    // Adds a child last; the item keeps a reference to it. A child that has a
    // parent already is moved. Raises NilObjectException for nil and
    // RuntimeException when the child is this item or one above it.
    virtual void Append(MenuItem* child);
    // Inserts a child before position `index` (clamped to 0 .. Count).
    virtual void Insert(std::int32_t index, MenuItem* child);
    // Removes a direct child; an index out of range or an absent child or
    // name changes nothing.
    virtual void Remove(std::int32_t index);
    virtual void Remove(MenuItem* child);
    virtual void Remove(String const& name);
    // A direct child by name, or nil.
    virtual Ref<MenuItem> Child(String const& name);
    // Any item below this one by name (depth first), or nil.
    virtual Ref<MenuItem> _Lookup(String const& name);
    std::int32_t Count() const;
    // The child at `index`, or nil when out of range.
    Ref<MenuItem> Item(std::int32_t index) const;
    MenuItem* parent() const noexcept;

    MenuItemPrivate& d() const noexcept { return *m_d; }

private:
    void adopt_child(std::size_t position, MenuItem* child);
    void release_child(std::size_t position);
    void structure_changed();

    std::unique_ptr<MenuItemPrivate> m_d;
    std::vector<Ref<MenuItem>> m_children;
    MenuItem* m_parent { nullptr };
};

class MenuBar : public MenuItem {
    FW_OBJECT(MenuBar)
};

// Chosen without a menu handler, or with one that answers False, it quits
// with the code 0.
class QuitMenuItem : public MenuItem {
    FW_OBJECT(QuitMenuItem)
};

}
