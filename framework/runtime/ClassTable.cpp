#include "framework/runtime/ClassTable.h"

#include "framework/runtime/Object.h"

#include <algorithm>
#include <memory>

namespace fw {

namespace {

    // Class tables live as long as the process; keeping them here rather than
    // leaking them keeps leak checkers quiet about tables that are never freed.
    std::vector<std::unique_ptr<ClassTable>>& all_tables()
    {
        static std::vector<std::unique_ptr<ClassTable>> tables;
        return tables;
    }

    bool equal_nocase(std::string_view a, std::string_view b) noexcept
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
            return lower(x) == lower(y);
        });
    }

    template<typename Entries, typename Match>
    auto find_last(Entries const& entries, Match match) -> decltype(&entries[0])
    {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (match(*it))
                return &*it;
        return nullptr;
    }

    template<typename Entry>
    std::size_t copy_prefix(std::vector<Entry>& into, std::vector<Entry> const* from, std::int32_t room)
    {
        into.resize(std::size_t(std::max(room, 0)));
        std::size_t n = from ? std::min(from->size(), into.size()) : 0;
        std::copy_n(from ? from->begin() : into.begin(), n, into.begin());
        return n;
    }

}

bool ClassTable::is_subclass_of(ClassTable const& other) const noexcept
{
    for (auto const* t = this; t; t = t->base)
        if (t == &other)
            return true;
    return false;
}

MethodEntry const* ClassTable::find_method(std::string_view n) const noexcept
{
    return find_last(methods, [&](MethodEntry const& e) { return e.name == n; });
}

PropertyEntry const* ClassTable::find_property(std::string_view n) const noexcept
{
    return find_last(properties, [&](PropertyEntry const& e) { return e.name == n; });
}

PropertyEntry const* ClassTable::find_property_nocase(std::string_view n) const noexcept
{
    return find_last(properties, [&](PropertyEntry const& e) { return !e.name.empty() && equal_nocase(e.name, n); });
}

Attribute const* find_attribute(AttributeList const& list, std::string_view n) noexcept
{
    return find_last(list, [&](Attribute const& a) { return a.name == n; });
}

Attribute const* ClassTable::find_attribute(std::string_view n) const noexcept
{
    return fw::find_attribute(attributes, n);
}

std::int32_t ClassTable::event_index(std::string_view n) const noexcept
{
    auto const* e = find_last(events, [&](EventEntry const& x) { return x.name == n; });
    return e ? std::int32_t(e - events.data()) : -1;
}

std::int32_t ClassTable::vtable_index(std::string_view n) const noexcept
{
    auto const* e = find_last(vtable, [&](VtableSlot const& x) { return x.name == n; });
    return e ? std::int32_t(e - vtable.data()) : -1;
}

ClassTable* RuntimeNewClass(ClassTable const* parent, std::int32_t methods, std::int32_t, std::int32_t events,
    std::int32_t, std::int32_t properties, std::int32_t class_attributes)
{
    auto table = std::make_unique<ClassTable>();
    table->base = parent;
    copy_prefix(table->methods, parent ? &parent->methods : nullptr, methods);
    copy_prefix(table->properties, parent ? &parent->properties : nullptr, properties);
    std::size_t inherited_events = copy_prefix(table->events, parent ? &parent->events : nullptr, events);
    for (std::size_t i = 0; i < inherited_events; ++i)
        table->events[i].handler = nullptr;
    table->attributes.reserve(std::size_t(std::max(class_attributes, 0)));
    if (parent)
        table->instance_size = parent->instance_size;
    all_tables().push_back(std::move(table));
    return all_tables().back().get();
}

std::vector<VtableSlot> RuntimeNewVtable(std::int32_t length)
{
    return std::vector<VtableSlot>(std::size_t(std::max(length, 0)));
}

AttributeList& RuntimeAllocateAttributeTable(std::vector<MethodEntry>&, MethodEntry& entry, std::int32_t count)
{
    entry.attributes.assign(std::size_t(std::max(count, 0)), Attribute {});
    return entry.attributes;
}

AttributeList& RuntimeAllocateAttributeTable(std::vector<PropertyEntry>&, PropertyEntry& entry, std::int32_t count)
{
    entry.attributes.assign(std::size_t(std::max(count, 0)), Attribute {});
    return entry.attributes;
}

void fill_attributes(AttributeList& list, std::span<AttributeRow const> rows)
{
    list.resize(std::max(list.size(), rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        list[i] = Attribute { rows[i].name, rows[i].value ? rows[i].value : "", rows[i].value != nullptr };
}

std::vector<PropertyRow> joined_rows(std::initializer_list<std::span<PropertyRow const>> parts)
{
    std::vector<PropertyRow> rows;
    for (auto const& part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

void fill_properties(ClassTable& table, std::size_t first, std::span<PropertyRow const> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto& entry = table.properties.at(first + i);
        auto const& row = rows[i];
        entry.name = row.name;
        entry.mark = row.mark;
        entry.type = row.type;
        entry.get = row.get;
        entry.set = row.set;
        entry.get_value = row.get_value;
        entry.set_value = row.set_value;
        fill_attributes(RuntimeAllocateAttributeTable(table.properties, entry, std::int32_t(row.attributes.size())),
            row.attributes);
    }
}

AnyFunction operation_entry(std::span<OperationRow const> rows, std::string_view name)
{
    for (auto const& row : rows)
        if (row.name == name)
            return row.entry();
    return nullptr;
}

void fill_methods(ClassTable& table, std::size_t first, std::span<OperationRow const> rows)
{
    for (auto const& row : rows) {
        if (!row.has_method())
            continue;
        auto& entry = table.methods.at(first++);
        entry.name = row.name;
        entry.mark = row.mark;
        entry.signature = row.signature;
        entry.function = row.entry();
        entry.invoke = row.invoke;
        fill_attributes(
            RuntimeAllocateAttributeTable(table.methods, entry, std::int32_t(row.attributes.size())), row.attributes);
    }
}

void fill_slots(ClassTable& table, std::size_t first, std::span<OperationRow const> rows)
{
    for (auto const& row : rows)
        if (row.has_slot())
            table.vtable.at(first++) = VtableSlot { row.name, row.entry() };
}

AnyFunction virtual_entry(Object const& object, char const* operation)
{
    auto const& cls = object.class_table();
    return cls.vtable.at(std::size_t(cls.vtable_index(operation))).entry;
}

ClassTable* build_class(ClassSpec const& spec)
{
    auto count = [](auto const& parent_entries, std::size_t own, std::int32_t reserved) {
        return std::int32_t(parent_entries.size() + own) + reserved;
    };
    std::vector<MethodEntry> const no_methods;
    std::vector<EventEntry> const no_events;
    std::vector<PropertyEntry> const no_properties;
    auto const& pm = spec.base ? spec.base->methods : no_methods;
    auto const& pe = spec.base ? spec.base->events : no_events;
    auto const& pp = spec.base ? spec.base->properties : no_properties;

    std::size_t const own_methods = method_count(spec.operations);
    std::size_t const own_slots = slot_count(spec.operations);
    auto* table
        = RuntimeNewClass(spec.base, count(pm, own_methods, spec.reserved_methods), 0, count(pe, spec.events.size(), 0),
            0, count(pp, spec.properties.size(), spec.reserved_properties), std::int32_t(spec.attributes.size()));
    table->name = spec.name;
    table->instance_size = spec.instance_size;
    table->factory = spec.factory;
    table->finaliser = spec.finaliser;

    std::size_t inherited_slots = spec.base ? spec.base->vtable.size() : 0;
    table->vtable = RuntimeNewVtable(std::int32_t(inherited_slots + own_slots));
    for (std::size_t i = 0; i < inherited_slots; ++i)
        table->vtable[i] = spec.base->vtable[i];
    fill_slots(*table, inherited_slots, spec.operations);

    fill_methods(*table, pm.size(), spec.operations);
    for (std::size_t i = 0; i < spec.events.size(); ++i)
        table->events[pe.size() + i].name = spec.events[i];
    fill_properties(*table, pp.size(), spec.properties);
    fill_attributes(table->attributes, spec.attributes);
    return table;
}

}
