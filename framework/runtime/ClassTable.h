#pragma once

// The runtime's description of one class: name, base, finaliser, factory,
// virtual table, event table and the reflection entries (methods, properties,
// class attributes) that the framework searches by name.
//
// A class table is built once by its class's builder and never released.
// RuntimeNewClass makes one with room for a given number of entries of each
// kind and copies the parent's entries first; the builder writes its own
// entries after them. Lookups run from the most derived entry towards the
// base's, so a derived entry hides a base one of the same name.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Object;
class Variant;
struct PropertyEntry;

// A routine of any signature, stored untyped; whoever calls it casts it back
// to the one type it was made with (as moc's static_metacall does).
using AnyFunction = void (*)();

template<typename F>
AnyFunction any_function(F* function) noexcept
{
    return reinterpret_cast<AnyFunction>(function);
}
template<typename F>
F* typed_function(AnyFunction function) noexcept
{
    return reinterpret_cast<F*>(function);
}

// Reflection call adapter ("Introspection.Invoke"): calls a method's function
// on self with its arguments from a Variant list and gives the result back as
// a Variant. args may be null for a method without arguments.
using InvokeAdapter = Variant (*)(AnyFunction function, Object* self, std::vector<Variant> const* args);
// Reflection value adapters: read or write a property as a Variant.
using GetValueAdapter = Variant (*)(PropertyEntry const& property, Object* self);
using SetValueAdapter = void (*)(PropertyEntry const& property, Object* self, Variant const& value);
using Factory = Object* (*)();
using Finaliser = void (*)(Object* self);

// Member-kind marks kept in the reflection entries.
enum MemberMark : std::int32_t {
    MarkPublicMethod = 1,
    MarkReadOnlyProperty = 4,
    MarkReadWriteProperty = 5,
};

struct Attribute {
    std::string name;
    std::string value;
    bool has_value { false };
};
using AttributeList = std::vector<Attribute>;

struct MethodEntry {
    std::string name;
    std::int32_t mark { 0 };
    std::string signature;
    AnyFunction function { nullptr };
    InvokeAdapter invoke { nullptr };
    AttributeList attributes;
};

struct PropertyEntry {
    std::string name;
    std::int32_t mark { 0 };
    std::string type; // "b", "i4", "c", "s", "o<Date>", ...
    AnyFunction get { nullptr }; // typed by `type`: T (*)(Object*)
    AnyFunction set { nullptr }; // void (*)(Object*, T)
    GetValueAdapter get_value { nullptr };
    SetValueAdapter set_value { nullptr };
    AttributeList attributes;
};

struct EventEntry {
    std::string name;
    AnyFunction handler { nullptr };
};

struct VtableSlot {
    std::string name;
    AnyFunction entry { nullptr };
};

struct ClassTable {
    std::string name;
    ClassTable const* base { nullptr };
    bool is_interface { false };
    std::size_t instance_size { 0 };
    Finaliser finaliser { nullptr };
    Factory factory { nullptr };
    std::vector<VtableSlot> vtable;
    std::vector<MethodEntry> methods;
    std::vector<EventEntry> events;
    std::vector<PropertyEntry> properties;
    AttributeList attributes;

    bool is_subclass_of(ClassTable const& other) const noexcept;

    // Reflection lookups, most derived first; null when absent.
    MethodEntry const* find_method(std::string_view name) const noexcept;
    PropertyEntry const* find_property(std::string_view name) const noexcept;
    // Case-insensitive, as property streams name their properties.
    PropertyEntry const* find_property_nocase(std::string_view name) const noexcept;
    Attribute const* find_attribute(std::string_view name) const noexcept;
    std::int32_t event_index(std::string_view name) const noexcept; // -1 when absent
    std::int32_t vtable_index(std::string_view name) const noexcept; // -1 when absent
};

Attribute const* find_attribute(AttributeList const& list, std::string_view name) noexcept;

// Makes a class table with room for the given numbers of entries, the
// parent's entries copied first and no event handler set. The two zero
// arguments stand where the runtime keeps counts this program never uses.
ClassTable* RuntimeNewClass(ClassTable const* parent, std::int32_t methods, std::int32_t, std::int32_t events,
    std::int32_t, std::int32_t properties, std::int32_t class_attributes);

// An empty virtual table of the given length; the builder fills every slot.
std::vector<VtableSlot> RuntimeNewVtable(std::int32_t length);

// An empty attribute list of `count` records attached to `entry` of `table`.
AttributeList& RuntimeAllocateAttributeTable(std::vector<MethodEntry>& table, MethodEntry& entry, std::int32_t count);
AttributeList& RuntimeAllocateAttributeTable(
    std::vector<PropertyEntry>& table, PropertyEntry& entry, std::int32_t count);

// Declarative rows for a class's own entries, so that a builder is a table
// walk rather than a run of repeated calls.
struct AttributeRow {
    char const* name;
    char const* value; // null: the attribute carries no value
};
// The attribute list of a public member or class, "__Scope" "Public".
inline constexpr AttributeRow public_scope[] = { { "__Scope", "Public" } };

struct PropertyRow {
    char const* name;
    std::int32_t mark;
    char const* type;
    AnyFunction get;
    AnyFunction set;
    GetValueAdapter get_value;
    SetValueAdapter set_value;
    std::span<AttributeRow const> attributes;
};

// One operation of a class as a constant row, so that one table feeds both
// the virtual table and the method entries: a row gives a method entry, a
// virtual-table slot, or both, each in row order. The entry column names the
// thunk's maker, since a function pointer cannot be made untyped inside a
// constant expression. operation<>, method<>, routine<> and slot<>
// (ClassRows.h) make rows whose entry and adapter follow from the
// member's type and whose signature text is checked against it.
struct OperationRow {
    enum Kind : std::uint8_t { SlotAndMethod, MethodOnly, SlotOnly };

    char const* name;
    Kind kind;
    char const* signature;
    AnyFunction (*entry)() noexcept;
    InvokeAdapter invoke;
    std::span<AttributeRow const> attributes;
    std::int32_t mark;

    constexpr bool has_slot() const noexcept { return kind != MethodOnly; }
    constexpr bool has_method() const noexcept { return kind != SlotOnly; }
};

// How many method entries and virtual-table slots rows give.
constexpr std::size_t method_count(std::span<OperationRow const> rows) noexcept
{
    std::size_t n = 0;
    for (auto const& row : rows)
        n += row.has_method();
    return n;
}
constexpr std::size_t slot_count(std::span<OperationRow const> rows) noexcept
{
    std::size_t n = 0;
    for (auto const& row : rows)
        n += row.has_slot();
    return n;
}
// Whether rows have an operation of that name.
constexpr bool has_operation(std::span<OperationRow const> rows, std::string_view name) noexcept
{
    for (auto const& row : rows)
        if (row.name == name)
            return true;
    return false;
}
// The entry of the named operation, or null.
AnyFunction operation_entry(std::span<OperationRow const> rows, std::string_view name);

// Fills properties[first ...] from rows, each with its attribute list.
void fill_properties(ClassTable& table, std::size_t first, std::span<PropertyRow const> rows);
// The rows of several lists one after another, for a class whose properties
// take in a run of rows that other classes share.
std::vector<PropertyRow> joined_rows(std::initializer_list<std::span<PropertyRow const>> parts);
void fill_attributes(AttributeList& list, std::span<AttributeRow const> rows);
// Fills methods[first ...] from the rows that give a method entry, each with
// its attribute list.
void fill_methods(ClassTable& table, std::size_t first, std::span<OperationRow const> rows);
// Writes the slots of the rows that give one into vtable[first ...].
void fill_slots(ClassTable& table, std::size_t first, std::span<OperationRow const> rows);

// The function that a virtual call of the named operation on `object` would
// reach, from its class's virtual table.
AnyFunction virtual_entry(Object const& object, char const* operation);

// Builds a class from rows: RuntimeNewClass with the parent's counts plus
// the rows, then the own entries appended. Event names are added after the
// parent's, and the slots of `operations` after the parent's slots. A block
// names only what the class has.
struct ClassSpec {
    char const* name { nullptr };
    ClassTable const* base { nullptr };
    std::size_t instance_size { 0 };
    Finaliser finaliser { nullptr };
    Factory factory { nullptr };
    std::span<OperationRow const> operations {};
    std::span<char const* const> events {};
    std::span<PropertyRow const> properties {};
    std::span<AttributeRow const> attributes {};
    std::int32_t reserved_methods { 0 }; // entries kept empty after the rows
    std::int32_t reserved_properties { 0 };
};
ClassTable* build_class(ClassSpec const& spec);

}
