// The class table of frmMain: Window's table, then the window's 29 own
// operations (virtual table and method entries from one row table), six
// event-table handlers, the two date properties and the class attribute.

#include "window/frmMain.h"

#include "window/ObjectField.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>
#include <type_traits>

using namespace fw;

// The program's own reflection adapters, one for each signature that the
// framework has no adapter for: the control accessors and control handlers.
namespace fw::Introspection {
template Variant Invoke<Ref<TextField>()>(AnyFunction, Object*, std::vector<Variant> const*); // "%o<TextField>%"
template Variant Invoke<Ref<Label>()>(AnyFunction, Object*, std::vector<Variant> const*); // "%o<Label>%"
template Variant Invoke<Ref<BevelButton>()>(AnyFunction, Object*, std::vector<Variant> const*); // "%o<BevelButton>%"
template Variant Invoke<void(TextField*)>(AnyFunction, Object*, std::vector<Variant> const*); // "%%o<TextField>"
template Variant Invoke<bool(TextField*, String const&)>(
    AnyFunction, Object*, std::vector<Variant> const*); // "%b%o<TextField>s"
template Variant Invoke<void(BevelButton*)>(AnyFunction, Object*, std::vector<Variant> const*); // "%%o<BevelButton>"
}

ClassTable* frmMain::__ctbl = nullptr;

namespace {

// Room for Window's 130 methods, 33 events and 49 properties and the class's
// own 29 methods and 2 properties; the class adds no events.
constexpr std::int32_t method_entries = 159;
constexpr std::int32_t event_entries = 33;
constexpr std::int32_t property_entries = 51;
constexpr std::int32_t class_attributes = 1;

constexpr AttributeRow public_scope[] = { { "__Scope", "Public" } };
constexpr AttributeRow public_hidden[] = { { "__Scope", "Public" }, { "Hidden", nullptr } };

// One own operation: its virtual-table slot and its method entry. The entry
// column names the thunk's maker, since a function pointer cannot be made
// untyped inside a constant expression.
struct OwnOperation {
    char const* name;
    std::int32_t mark;
    char const* signature;
    AnyFunction (*entry)() noexcept;
    InvokeAdapter invoke;
    std::span<AttributeRow const> attributes;
};

namespace adapter {
    using Introspection::Invoke;
    constexpr InvokeAdapter none = &Invoke<void()>; // "%%"
    constexpr InvokeAdapter window = &Invoke<void(Window*)>; // "%%o<Window>"
    constexpr InvokeAdapter bool_bool = &Invoke<bool(bool)>; // "%b%b"
    constexpr InvokeAdapter to_bool = &Invoke<bool()>; // "%b%"
    constexpr InvokeAdapter week_day = &Invoke<String(std::int32_t)>; // "%s%i4"
    constexpr InvokeAdapter text_field = &Invoke<Ref<TextField>()>; // "%o<TextField>%"
    constexpr InvokeAdapter label = &Invoke<Ref<Label>()>; // "%o<Label>%"
    constexpr InvokeAdapter bevel_button = &Invoke<Ref<BevelButton>()>; // "%o<BevelButton>%"
    constexpr InvokeAdapter on_field = &Invoke<void(TextField*)>; // "%%o<TextField>"
    constexpr InvokeAdapter key_down = &Invoke<bool(TextField*, String const&)>; // "%b%o<TextField>s"
    constexpr InvokeAdapter on_button = &Invoke<void(BevelButton*)>; // "%%o<BevelButton>"
}

template<auto M>
constexpr auto entry = &method_entry<M>;

// clang-format off
constexpr OwnOperation own_operations[] = {
    // name                  mark signature             entry                                    adapter                 attributes
    { "Layout",                 1, "%%",                 entry<&frmMain::Layout>,                 adapter::none,          public_scope },
    { "CreateControls",         1, "%%",                 entry<&frmMain::CreateControls>,         adapter::none,          public_scope },
    { "_CreateControls0",       1, "%%",                 entry<&frmMain::_CreateControls0>,       adapter::none,          public_hidden },
    { "efStart",                1, "%o<TextField>%",     entry<&frmMain::efStart>,                adapter::text_field,    public_scope },
    { "efEnd",                  1, "%o<TextField>%",     entry<&frmMain::efEnd>,                  adapter::text_field,    public_scope },
    { "StaticText1",            1, "%o<Label>%",         entry<&frmMain::StaticText1>,            adapter::label,         public_scope },
    { "StaticText2",            1, "%o<Label>%",         entry<&frmMain::StaticText2>,            adapter::label,         public_scope },
    { "StaticText3",            1, "%o<Label>%",         entry<&frmMain::StaticText3>,            adapter::label,         public_scope },
    { "efStartDay",             1, "%o<TextField>%",     entry<&frmMain::efStartDay>,             adapter::text_field,    public_scope },
    { "efEndDay",               1, "%o<TextField>%",     entry<&frmMain::efEndDay>,               adapter::text_field,    public_scope },
    { "efWeekdays",             1, "%o<TextField>%",     entry<&frmMain::efWeekdays>,             adapter::text_field,    public_scope },
    { "efWeekenddays",          1, "%o<TextField>%",     entry<&frmMain::efWeekenddays>,          adapter::text_field,    public_scope },
    { "StaticText4",            1, "%o<Label>%",         entry<&frmMain::StaticText4>,            adapter::label,         public_scope },
    { "StaticText5",            1, "%o<Label>%",         entry<&frmMain::StaticText5>,            adapter::label,         public_scope },
    { "efTotal",                1, "%o<TextField>%",     entry<&frmMain::efTotal>,                adapter::text_field,    public_scope },
    { "StaticText6",            1, "%o<Label>%",         entry<&frmMain::StaticText6>,            adapter::label,         public_scope },
    { "BevelButton1",           1, "%o<BevelButton>%",   entry<&frmMain::BevelButton1>,           adapter::bevel_button,  public_scope },
    { "efStart_LostFocus",      1, "%%o<TextField>",     entry<&frmMain::efStart_LostFocus>,      adapter::on_field,      public_scope },
    { "efStart_KeyDown",        1, "%b%o<TextField>s",   entry<&frmMain::efStart_KeyDown>,        adapter::key_down,      public_scope },
    { "efEnd_LostFocus",        1, "%%o<TextField>",     entry<&frmMain::efEnd_LostFocus>,        adapter::on_field,      public_scope },
    { "efEnd_KeyDown",          1, "%b%o<TextField>s",   entry<&frmMain::efEnd_KeyDown>,          adapter::key_down,      public_scope },
    { "BevelButton1_Action",    1, "%%o<BevelButton>",   entry<&frmMain::BevelButton1_Action>,    adapter::on_button,     public_scope },
    { "AddMenuHandlers",        1, "%%o<Window>",        entry<&frmMain::AddMenuHandlers>,        adapter::window,        public_scope },
    { "Event_Open",             1, "%%",                 entry<&frmMain::Event_Open>,             adapter::none,          public_scope },
    { "Event_CancelClose",      1, "%b%b",               entry<&frmMain::Event_CancelClose>,      adapter::bool_bool,     public_scope },
    { "Event_EnableMenuItems",  1, "%%",                 entry<&frmMain::Event_EnableMenuItems>,  adapter::none,          public_scope },
    { "_FileQuit_Action",       1, "%b%",                entry<&frmMain::_FileQuit_Action>,       adapter::to_bool,       public_scope },
    { "WeekDay",                1, "%s%i4",              entry<&frmMain::WeekDay>,                adapter::week_day,      public_scope },
    { "Calculate",              1, "%%",                 entry<&frmMain::Calculate>,              adapter::none,          public_scope },
};

// The window events the class answers, and the own operation that answers each.
constexpr struct { char const* event; char const* handler; } event_handlers[] = {
    { "Layout",          "Layout" },
    { "CreateControls",  "CreateControls" },
    { "AddMenuHandlers", "AddMenuHandlers" },
    { "Open",            "Event_Open" },
    { "CancelClose",     "Event_CancelClose" },
    { "EnableMenuItems", "Event_EnableMenuItems" },
};
// clang-format on

constexpr std::int32_t own_method_count = std::int32_t(std::size(own_operations));
constexpr std::int32_t own_property_count = 2;
static_assert(own_method_count == 29);

constexpr bool is_own_operation(std::string_view name)
{
    return std::ranges::any_of(own_operations, [&](OwnOperation const& op) { return op.name == name; });
}
static_assert(std::ranges::all_of(event_handlers, [](auto const& row) { return is_own_operation(row.handler); }));

AnyFunction own_entry(char const* name)
{
    auto const* row = std::find_if(std::begin(own_operations), std::end(own_operations),
        [&](OwnOperation const& op) { return std::strcmp(op.name, name) == 0; });
    return row->entry();
}

void fill_vtable(ClassTable& table, ClassTable const& parent)
{
    table.vtable = RuntimeNewVtable(std::int32_t(parent.vtable.size()) + own_method_count);
    std::copy(parent.vtable.begin(), parent.vtable.end(), table.vtable.begin());
    auto slot = table.vtable.begin() + std::ptrdiff_t(parent.vtable.size());
    for (auto const& op : own_operations)
        *slot++ = VtableSlot { op.name, op.entry() };
}

void fill_own_methods(ClassTable& table, std::size_t first)
{
    std::vector<MethodRow> rows;
    rows.reserve(std::size(own_operations));
    for (auto const& op : own_operations)
        rows.push_back(MethodRow { op.name, op.mark, op.signature, op.entry(), op.invoke, op.attributes });
    fill_methods(table, first, rows);
}

void fill_event_handlers(ClassTable& table)
{
    for (auto const& row : event_handlers)
        table.events.at(std::size_t(table.event_index(row.event))).handler = own_entry(row.handler);
}

void fill_own_properties(ClassTable& table, std::size_t first)
{
    PropertyRow const rows[] = {
        object_field_row<&frmMain::Start>("Start", "o<Date>", public_scope, MarkReadWriteProperty),
        object_field_row<&frmMain::EndD>("EndD", "o<Date>", public_scope, MarkReadWriteProperty),
    };
    static_assert(std::extent_v<decltype(rows)> == own_property_count);
    fill_properties(table, first, rows);
}

}

void frmMain::__ctblinit()
{
    if (__ctbl)
        return;
    auto const& parent = Window::__Lookup();
    auto* table = RuntimeNewClass(&parent, method_entries, 0, event_entries, 0, property_entries, class_attributes);
    __ctbl = table;
    table->name = "frmMain.frmMain";
    table->is_interface = false;
    table->instance_size = parent.instance_size + sizeof(Start) + sizeof(EndD);
    table->finaliser = &frmMain::__Exit;
    table->factory = []() -> Object* { return new frmMain; };

    fill_vtable(*table, parent);
    // The own entries follow Window's: the table has room for exactly these.
    fill_own_methods(*table, std::size_t(method_entries - own_method_count));
    fill_event_handlers(*table);
    fill_own_properties(*table, std::size_t(property_entries - own_property_count));
    fill_attributes(table->attributes, public_scope);
}

ClassTable const& frmMain::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
