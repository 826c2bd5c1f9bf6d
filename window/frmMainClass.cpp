// The class table of frmMain: Window's table, then the window's 29 own
// operations (virtual table and method entries from one row table), six
// event-table handlers, the two date properties and the class attribute.

#include "window/frmMain.h"

#include "framework/runtime/ClassRows.h"
#include "window/frmMainOperations.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

using namespace fw;

ClassTable* frmMain::__ctbl = nullptr;

namespace {

using frm_main::operations;
using frm_main::public_scope;

// The window events the class answers, and the own operation that answers
// each; a handler of another type than its event declares does not build.
// clang-format off
constexpr EventHandlerRow event_handlers[] = {
    handles<&frmMain::Layout>(               window_event<"Layout">),
    handles<&frmMain::CreateControls>(       window_event<"CreateControls">),
    handles<&frmMain::AddMenuHandlers>(      window_event<"AddMenuHandlers">),
    handles<&frmMain::Event_Open>(           window_event<"Open">),
    handles<&frmMain::Event_CancelClose>(    window_event<"CancelClose">),
    handles<&frmMain::Event_EnableMenuItems>(window_event<"EnableMenuItems">),
};
// clang-format on

// Window's 130 methods, 33 events and 49 properties, then the class's own
// 29 methods and 2 properties; the class adds no events.
static_assert(WindowMethodCount + method_count(operations) == 159);

static_assert(std::ranges::all_of(event_handlers, [](auto const& row) { return frm_main::is_operation(row.handler); }));

void fill_event_handlers(ClassTable& table)
{
    for (auto const& row : event_handlers)
        table.events.at(std::size_t(table.event_index(row.event))).handler = operation_entry(operations, row.handler);
}

std::span<PropertyRow const> own_properties()
{
    static PropertyRow const rows[] = {
        object_field_row<&frmMain::Start>("o<Date>", public_scope, MarkReadWriteProperty),
        object_field_row<&frmMain::EndD>("o<Date>", public_scope, MarkReadWriteProperty),
    };
    static_assert(WindowPropertyCount + std::extent_v<decltype(rows)> == 51);
    return rows;
}

}

void frmMain::__ctblinit()
{
    if (__ctbl)
        return;
    auto const& parent = Window::__Lookup();
    auto* table = build_class(ClassSpec {
        .name = "frmMain.frmMain",
        .base = &parent,
        .instance_size = parent.instance_size + sizeof(Start) + sizeof(EndD),
        .finaliser = &frmMain::__Exit,
        .factory = []() -> Object* { return new frmMain; },
        .operations = operations,
        .properties = own_properties(),
        .attributes = public_scope,
    });
    fill_event_handlers(*table);
    __ctbl = table;
}

ClassTable const& frmMain::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
