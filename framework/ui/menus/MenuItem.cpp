#include "framework/ui/menus/MenuItem.h"

#include "framework/ui/menus/MenuItem_p.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace fw {

MenuItem::MenuItem()
    : m_d(std::make_unique<MenuItemPrivate>())
{
}

MenuItem::~MenuItem()
{
    // A child that outlives its parent (someone else holds it) must not
    // point back at freed memory.
    for (auto& child : m_children)
        child->m_parent = nullptr;
    for (auto& view : m_d->views)
        delete view.data();
    for (auto& menu : m_d->menus)
        delete menu.data();
    for (auto& action : m_d->actions)
        delete action.data();
}

void MenuItem::Constructor() { }

void MenuItem::construct(String const& text, Variant const& tag)
{
    m_d->tag = tag;
    set_Text(text);
}

String MenuItem::Name() const { return m_d->name; }
String MenuItem::Text() const { return m_d->text; }
String MenuItem::KeyboardShortcut() const { return m_d->shortcut; }
bool MenuItem::AutoEnable() const { return m_d->auto_enable; }
bool MenuItem::Enabled() const { return m_d->enabled; }

void MenuItem::set_Name(String const& name)
{
    m_d->name = name;
    m_d->sync_actions();
}

void MenuItem::set_Text(String const& text)
{
    m_d->text = text;
    m_d->sync_actions();
}

void MenuItem::set_KeyboardShortcut(String const& shortcut)
{
    m_d->shortcut = shortcut;
    m_d->sync_actions();
}

void MenuItem::set_AutoEnable(bool on) { m_d->auto_enable = on; }

void MenuItem::set_Enabled(bool on)
{
    m_d->enabled = on;
    m_d->sync_actions();
}

void MenuItem::Append(MenuItem* child) { Insert(Count(), child); }

void MenuItem::Insert(std::int32_t index, MenuItem* child)
{
    checked(child);
    for (auto const* above = this; above; above = above->m_parent)
        if (above == child)
            raise(make<RuntimeException>("a menu item cannot be placed below itself"));
    Ref<MenuItem> keep(child);
    if (child->m_parent)
        child->m_parent->Remove(child);
    adopt_child(std::size_t(std::clamp(index, 0, Count())), child);
}

void MenuItem::Remove(std::int32_t index)
{
    if (index >= 0 && index < Count())
        release_child(std::size_t(index));
}

void MenuItem::Remove(MenuItem* child)
{
    auto it = std::find_if(m_children.begin(), m_children.end(), [&](auto const& c) { return c.ptr() == child; });
    if (it != m_children.end())
        release_child(std::size_t(it - m_children.begin()));
}

void MenuItem::Remove(String const& name) { Remove(Child(name).ptr()); }

Ref<MenuItem> MenuItem::Child(String const& name)
{
    for (auto const& child : m_children)
        if (child->m_d->name == name)
            return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(String const& name)
{
    for (auto const& child : m_children) {
        if (child->m_d->name == name)
            return child;
        if (auto below = child->_Lookup(name))
            return below;
    }
    return nullptr;
}

std::int32_t MenuItem::Count() const { return std::int32_t(m_children.size()); }

Ref<MenuItem> MenuItem::Item(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_children[std::size_t(index)];
}

MenuItem* MenuItem::parent() const noexcept { return m_parent; }

void MenuItem::adopt_child(std::size_t position, MenuItem* child)
{
    m_children.insert(m_children.begin() + std::ptrdiff_t(position), Ref<MenuItem>(child));
    child->m_parent = this;
    structure_changed();
}

void MenuItem::release_child(std::size_t position)
{
    Ref<MenuItem> child = std::move(m_children[position]);
    m_children.erase(m_children.begin() + std::ptrdiff_t(position));
    child->m_parent = nullptr;
    structure_changed();
}

// Qt bars show the whole tree, so any change of structure rebuilds every
// bar that shows the root.
void MenuItem::structure_changed()
{
    MenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    auto views = root->m_d->views;
    for (auto& view : views)
        if (view)
            view->rebuild();
}

void for_each_descendant(MenuItem& item, std::function<void(MenuItem&)> const& visit)
{
    for (std::int32_t i = 0; i < item.Count(); ++i) {
        auto child = item.Item(i);
        visit(*child);
        for_each_descendant(*child, visit);
    }
}

}
