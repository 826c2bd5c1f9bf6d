// frmMain's class table: counts, virtual table, method and event entries,
// properties, and the builder run a second time.

#include "WindowTestSupport.h"
#include "frmMainOperations.h"

#include "framework/runtime/Introspection.h"
#include "framework/ui/window/Window.h"

#include <iterator>

using namespace fw;
using window_test::WindowTest;

namespace {

constexpr OwnOperation const* own_rows = std::data(frm_main_operations);
constexpr std::size_t own_count = std::size(frm_main_operations);

ClassTable const& table() { return frmMain::__Lookup(); }
ClassTable const& window_table() { return Window::__Lookup(); }

AnyFunction slot(char const* name)
{
    auto index = table().vtable_index(name);
    EXPECT_GE(index, 0) << name;
    return table().vtable.at(std::size_t(index)).entry;
}

}

TEST(frmMainClassTable, IsMadeWithTheCountsOfWindowPlusItsOwnMembers)
{
    EXPECT_EQ(table().name, "frmMain.frmMain");
    EXPECT_EQ(table().base, &window_table());
    EXPECT_FALSE(table().is_interface);
    EXPECT_EQ(table().methods.size(), 159u);
    EXPECT_EQ(table().events.size(), 33u);
    EXPECT_EQ(table().properties.size(), 51u);
    EXPECT_EQ(table().attributes.size(), 1u);
    EXPECT_EQ(window_table().methods.size(), 130u);
    EXPECT_EQ(window_table().events.size(), 33u);
    EXPECT_EQ(window_table().properties.size(), 49u);
    EXPECT_EQ(table().instance_size, window_table().instance_size + 2 * sizeof(Ref<Date>));
    EXPECT_EQ(table().finaliser, &frmMain::__Exit);
}

TEST(frmMainClassTable, VirtualTableIsWindowsUnchangedThenTheOwnOperationsInOrder)
{
    auto const& inherited = window_table().vtable;
    ASSERT_FALSE(inherited.empty());
    ASSERT_EQ(table().vtable.size(), inherited.size() + own_count);
    for (std::size_t i = 0; i < inherited.size(); ++i) {
        SCOPED_TRACE(inherited[i].name);
        EXPECT_EQ(table().vtable[i].name, inherited[i].name);
        EXPECT_EQ(table().vtable[i].entry, inherited[i].entry);
    }
    for (std::size_t i = 0; i < own_count; ++i) {
        SCOPED_TRACE(own_rows[i].name);
        EXPECT_EQ(table().vtable[inherited.size() + i].name, own_rows[i].name);
        EXPECT_NE(table().vtable[inherited.size() + i].entry, nullptr);
    }
}

TEST(frmMainClassTable, OwnMethodEntriesFollowWindowsWithSignatureMarkFunctionAndScope)
{
    for (std::size_t i = 0; i < own_count; ++i) {
        auto const& entry = table().methods.at(130 + i);
        SCOPED_TRACE(own_rows[i].name);
        EXPECT_EQ(entry.name, own_rows[i].name);
        EXPECT_EQ(entry.signature, own_rows[i].signature);
        EXPECT_EQ(entry.mark, 1);
        EXPECT_EQ(entry.function, slot(own_rows[i].name));
        EXPECT_NE(entry.invoke, nullptr);
        auto const* scope = find_attribute(entry.attributes, "__Scope");
        ASSERT_NE(scope, nullptr);
        EXPECT_TRUE(scope->has_value);
        EXPECT_EQ(scope->value, "Public");
        EXPECT_EQ(entry.attributes.size(), entry.name == "_CreateControls0" ? 2u : 1u);
    }
}

TEST(frmMainClassTable, ReflectionFindsTheNamedMembers)
{
    auto const* calculate = table().find_method("Calculate");
    ASSERT_NE(calculate, nullptr);
    EXPECT_EQ(calculate->signature, "%%");
    EXPECT_EQ(find_attribute(calculate->attributes, "__Scope")->value, "Public");

    auto const* create = table().find_method("_CreateControls0");
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(find_attribute(create->attributes, "__Scope")->value, "Public");
    auto const* hidden = find_attribute(create->attributes, "Hidden");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->has_value);

    ASSERT_NE(table().find_method("WeekDay"), nullptr);
    EXPECT_EQ(table().find_method("WeekDay")->signature, "%s%i4");
    EXPECT_EQ(find_attribute(table().attributes, "__Scope")->value, "Public");
}

TEST(frmMainClassTable, PropertiesStartAndEndDFollowWindowsAsReadWriteDates)
{
    char const* const names[] = { "Start", "EndD" };
    for (std::size_t i = 0; i < 2; ++i) {
        auto const& property = table().properties.at(49 + i);
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(property.name, names[i]);
        EXPECT_EQ(property.type, "o<Date>");
        EXPECT_EQ(property.mark, 5);
        EXPECT_TRUE(property.get && property.set && property.get_value && property.set_value);
        EXPECT_EQ(find_attribute(property.attributes, "__Scope")->value, "Public");
    }
    EXPECT_EQ(table().find_property("EndD"), &table().properties[50]);
}

TEST(frmMainClassTable, EventTableHoldsSixHandlersAndNoEventOfItsOwn)
{
    struct {
        char const* event;
        char const* handler;
    } const handled[] = {
        { "Layout", "Layout" },
        { "CreateControls", "CreateControls" },
        { "AddMenuHandlers", "AddMenuHandlers" },
        { "Open", "Event_Open" },
        { "CancelClose", "Event_CancelClose" },
        { "EnableMenuItems", "Event_EnableMenuItems" },
    };
    ASSERT_EQ(table().events.size(), std::size(WindowEvents));
    std::size_t with_handler = 0;
    for (std::size_t i = 0; i < table().events.size(); ++i) {
        EXPECT_EQ(table().events[i].name, WindowEvents[i]);
        with_handler += table().events[i].handler != nullptr;
    }
    EXPECT_EQ(with_handler, std::size(handled));
    for (auto const& row : handled) {
        SCOPED_TRACE(row.event);
        auto index = table().event_index(row.event);
        ASSERT_GE(index, 0);
        EXPECT_EQ(table().events[std::size_t(index)].handler, slot(row.handler));
    }
}

TEST(frmMainClassTable, ASecondBuildChangesNothing)
{
    ClassTable const* before = &frmMain::__Lookup();
    auto const vtable_size = before->vtable.size();
    auto const first_own = before->vtable.at(vtable_size - own_count).entry;
    frmMain::__ctblinit();
    EXPECT_EQ(frmMain::__ctbl, before);
    EXPECT_EQ(&frmMain::__Lookup(), before);
    EXPECT_EQ(before->vtable.size(), vtable_size);
    EXPECT_EQ(before->vtable.at(vtable_size - own_count).entry, first_own);
    EXPECT_EQ(before->methods.size(), 159u);
}

class frmMainTableCalls : public WindowTest { };

TEST_F(frmMainTableCalls, CalculateThroughTheTableReachesTheWindowsCalculate)
{
    auto window
        = RuntimeCheckCast<window_test::RecordingWindow>(RuntimeNewObject(window_test::RecordingWindow::__Lookup()));
    typed_function<void(Object*)>(slot("Calculate"))(window.ptr());
    ASSERT_EQ(window_test::handler_calls().size(), 1u);
    EXPECT_EQ(window_test::handler_calls()[0].handler, "Calculate");
    EXPECT_EQ(window_test::handler_calls()[0].window, window.ptr());
}

TEST_F(frmMainTableCalls, CalculateThroughTheTableRunsTheDayCount)
{
    auto window = window_test::window_with_controls();
    auto first = make<Date>(civil::YearMonthDay { 2026, 1, 1 });
    auto last = make<Date>(civil::YearMonthDay { 2026, 1, 7 });
    window->efStart()->set_Text(first->ShortDate());
    window->efEnd()->set_Text(last->ShortDate());
    typed_function<void(Object*)>(slot("Calculate"))(window.ptr());
    EXPECT_EQ(window->efTotal()->Text(), "7");
}

TEST_F(frmMainTableCalls, EfTotalThroughTheTableReachesEfTotal)
{
    auto window = window_test::window_with_controls();
    Ref<RectControl> registered = window->_ControlByName("efTotal");
    Ref<TextField> found = typed_function<Ref<TextField>(Object*)>(slot("efTotal"))(window.ptr());
    EXPECT_EQ(found.ptr(), registered.ptr());
}

TEST_F(frmMainTableCalls, ReflectionAdaptersCallAccessorsAndTakeArguments)
{
    auto window = window_test::window_with_controls();
    for (char const* name : { "efWeekenddays", "StaticText5", "BevelButton1" }) {
        SCOPED_TRACE(name);
        auto const* method = table().find_method(name);
        Variant result = method->invoke(method->function, window.ptr(), nullptr);
        Ref<RectControl> registered = window->_ControlByName(name);
        EXPECT_EQ(result.to_object(), registered.ptr());
    }
    auto const* week_day = table().find_method("WeekDay");
    std::vector<Variant> const args { Variant(std::int32_t(1)) };
    EXPECT_FALSE(week_day->invoke(week_day->function, window.ptr(), &args).to_string().empty());
    EXPECT_THROW(week_day->invoke(week_day->function, window.ptr(), nullptr), RuntimeError);
}
