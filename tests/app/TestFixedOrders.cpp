// Every row of every class table, in its order: virtual-table slots, method
// entries, properties, events and class attributes, written out here class
// by class. Each class's inherited entries must be its base's, unchanged
// except for the slots it replaces, and its own follow in the order below,
// so that two rows swapped in any class's table fail here.
//
// A slot's name alone does not tell MenuItem's three Remove slots apart, so
// each slot is also confirmed as the operation it stands for: by the method
// entry that shares its function and carries its signature text, as the
// unsupported routine of its type, or, where neither exists, by calling it
// as that operation.

#include "ClassTableChecks.h"
#include "tests/window/frmMainOperations.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/date/Date.h"
#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/menus/MenuItem.h"
#include "framework/ui/window/Window.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace fw;
using namespace app_test;

namespace {

// One slot as the class's record lists it.
struct SlotRow {
    std::string name;
    std::string signature; // confirmed by a method entry over the same function
    AnyFunction unsupported { nullptr }; // confirmed as that routine
};
SlotRow op(char const* name, char const* signature) { return { name, signature }; }
// A slot the platform has nothing behind: unsupported<R, A...>.
template<typename R, typename... A>
SlotRow none(char const* name)
{
    return { name, {}, any_function(&unsupported<R, A...>) };
}
// A slot with no method entry of its own: the class's probe calls it.
SlotRow probed(char const* name) { return { name, {} }; }

// Calls `entry`, the slot at `index`, as the operation the record lists
// there, and answers whether it acted as that operation.
using Probe = bool (*)(AnyFunction entry, std::size_t index);

struct ClassOrders {
    std::string name; // the test's name for the class
    ClassTable const& (*lookup)();
    std::vector<SlotRow> slots {}; // own slots, after the base's
    std::vector<std::pair<std::size_t, SlotRow>> replaced {}; // base slots the class replaces
    std::vector<std::string> methods {}; // own entries, then those kept empty
    std::vector<std::string> properties {};
    std::vector<std::string> events {};
    std::string attributes {};
    Probe probe { nullptr };
};
void PrintTo(ClassOrders const& orders, std::ostream* out) { *out << orders.name; }

// The rows, then entries kept empty up to `count`.
std::vector<std::string> padded(std::vector<std::string> rows, std::size_t count)
{
    rows.resize(count);
    return rows;
}

std::vector<SlotRow> slots_of(std::initializer_list<OwnOperation> rows)
{
    std::vector<SlotRow> slots;
    for (auto const& row : rows)
        slots.push_back(op(row.name, row.signature));
    return slots;
}
std::vector<std::string> methods_of(std::initializer_list<OwnOperation> rows)
{
    std::vector<std::string> methods;
    for (auto const& row : rows)
        methods.push_back(joined({ row.name, row.signature, row.attributes }));
    return methods;
}

// The text style's properties, which TextField, Label and BevelButton take
// after their first.
std::vector<std::string> with_text_style(char const* first, std::vector<std::string> const& own)
{
    std::vector<std::string> rows { first, "TextSize f4 5", "TextUnit u1 5", "TextFont s 5", "Bold b 5", "Italic b 5",
        "Underline b 5", "TextColor c 5" };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

// A menu holding items named "A" and "B".
Ref<MenuItem> menu_of_two()
{
    auto menu = make<MenuItem>();
    for (char const* name : { "A", "B" }) {
        auto item = make<MenuItem>();
        item->set_Name(name);
        menu->Append(item.ptr());
    }
    return menu;
}
bool only_b_left(MenuItem const& menu) { return menu.Count() == 1 && menu.Item(0)->Name() == "B"; }

// MenuItem's slots without a method entry of their own.
bool probe_menu_item(AnyFunction entry, std::size_t index)
{
    switch (index) {
    case 0: { // Enable
        auto item = make<MenuItem>();
        item->set_Enabled(false);
        typed_function<void(Object*)>(entry)(item.ptr());
        return item->Enabled();
    }
    case 8: { // Remove (MenuItem)
        auto menu = menu_of_two();
        auto first = menu->Item(0);
        typed_function<void(Object*, MenuItem*)>(entry)(menu.ptr(), first.ptr());
        return only_b_left(*menu);
    }
    case 9: { // Remove (String)
        auto menu = menu_of_two();
        typed_function<void(Object*, String const&)>(entry)(menu.ptr(), String("A"));
        return only_b_left(*menu);
    }
    case 13: // Constructor (String, Variant)
    case 19: { // MenuItem (String, Variant)
        auto item = make<MenuItem>();
        typed_function<void(Object*, String const&, Variant const&)>(entry)(
            item.ptr(), String("Text"), Variant(std::int32_t(7)));
        return item->Text() == "Text";
    }
    default:
        return false;
    }
}

std::vector<ClassOrders> const& classes()
{
    static std::vector<ClassOrders> const all = {
        {
            .name = "Date",
            .lookup = &Date::__Lookup,
            .properties
            = { "Year i4 5", "DayOfYear i4 4", "DayOfWeek i4 4", "TotalSeconds f8 5", "ShortDate s 4" },
        },
        {
            .name = "Window",
            .lookup = &Window::__Lookup,
            .slots = { op("Constructor", "%%"), op("_AddControl", "%%so<RectControl>"),
                op("_ControlByName", "%o<RectControl>%s"), op("_AddMenuHandler", "%%sp") },
            .methods = padded({ "Constructor %%", "__New %o<Object>%p", "_AddControl %%so<RectControl>",
                                  "_ControlByName %o<RectControl>%s", "_AddMenuHandler %%sp", "Close %b%" },
                130),
            .properties = padded({ "Placement i4 5", "Width i4 5", "Height i4 5", "MinWidth i4 5", "MinHeight i4 5",
                                     "MaxWidth i4 5", "MaxHeight i4 5", "Frame i4 5", "Composite b 5",
                                     "HasBackColor b 5", "BackColor c 5", "Title s 5", "Visible b 5",
                                     "FullScreen b 5", "MenuBarVisible b 5", "CloseButton b 5", "Resizeable b 5",
                                     "LiveResize b 5", "MaximizeButton b 5", "MinimizeButton b 5", "MacProcId i4 5" },
                49),
            .events = { "Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close",
                "CancelClose", "KeyDown", "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown",
                "MouseDrag", "MouseUp", "Resized", "Resizing", "Moved", "DropObject", "Activate", "Deactivate",
                "Minimize", "Maximize", "Restore", "MouseWheel", "EnableMenuItems", "ConstructContextualMenu",
                "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "ContentsChanged" },
        },
        {
            .name = "frmMain",
            .lookup = &frmMain::__Lookup,
            .slots = slots_of(frm_main_operations),
            .methods = methods_of(frm_main_operations),
            .properties = { "Start o<Date> 5 __Scope=Public", "EndD o<Date> 5 __Scope=Public" },
            .attributes = "__Scope=Public",
        },
        {
            .name = "RectControl",
            .lookup = &RectControl::__Lookup,
            .slots = { op("Constructor", "%%") },
            .methods = { "Constructor %%" },
            .properties = { "Name s 5", "Index i4 5", "Left i4 5", "Top i4 5", "Width i4 5", "Height i4 5",
                "LockLeft b 5", "LockTop b 5", "LockRight b 5", "LockBottom b 5", "TabPanelIndex i4 5",
                "TabIndex i4 5", "TabStop b 5", "Enabled b 5", "Visible b 5", "HelpTag s 5", "AutoDeactivate b 5",
                "InitialParent s 5" },
            .events = { "CreatePane", "Open", "Close", "MouseMove", "MouseEnter", "MouseExit", "DropObject",
                "MouseWheel", "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
                "KeyDown", "KeyUp" },
        },
        {
            .name = "TextField",
            .lookup = &TextField::__Lookup,
            .properties = with_text_style("Text s 5",
                { "BackColor c 5", "Border b 5", "Password b 5", "UseFocusRing b 5", "Format s 5", "CueText s 5",
                    "Mask s 5", "ReadOnly b 5", "LimitText i4 5", "AcceptTabs b 5", "Alignment i4 5",
                    "AutomaticallyCheckSpelling b 5", "DataSource s 5", "DataField s 5" }),
            .events = { "GotFocus", "LostFocus", "MouseDown", "MouseUp", "SelChange", "TextChange", "EnableMenuItems",
                "ValidationError" },
        },
        {
            .name = "Label",
            .lookup = &Label::__Lookup,
            .properties = with_text_style("Text s 5",
                { "TextAlign i4 5", "MultiLine b 5", "Selectable b 5", "Transparent b 5", "DataSource s 5",
                    "DataField s 5" }),
        },
        {
            .name = "BevelButton",
            .lookup = &BevelButton::__Lookup,
            .methods = { "Push %%" },
            .properties = with_text_style("Caption s 5",
                { "HasBackColor b 5", "BackColor c 5", "CaptionAlign i4 5", "CaptionPlacement i4 5",
                    "CaptionDelta i4 5", "IconAlign i4 5", "IconDX i4 5", "IconDY i4 5", "Bevel i4 5",
                    "HasMenu i4 5", "Value b 5", "MenuValue i4 5", "ButtonType i4 5", "AcceptFocus b 5" }),
            .events = { "MouseUp", "MouseDown", "Action", "GotFocus", "LostFocus" },
        },
        {
            .name = "MenuItem",
            .lookup = &MenuItem::__Lookup,
            .slots = {
                probed("Enable"),
                none<void>("Close"),
                op("Item", "%o<MenuItem>%i4"),
                op("Count", "%i4%"),
                op("Child", "%o<MenuItem>%s"),
                op("Append", "%%o<MenuItem>"),
                op("Insert", "%%i4o<MenuItem>"),
                op("Remove", "%%i4"),
                probed("Remove"), // (MenuItem)
                probed("Remove"), // (String)
                op("_Lookup", "%o<MenuItem>%s"),
                none<Ref<MenuItem>, String const&, std::int32_t>("_Lookup"),
                op("MenuItem", "%%"),
                probed("Constructor"), // (String, Variant)
                none<void>("PopUp"),
                none<void, std::int32_t, std::int32_t>("PopUp"),
                none<void, String const&, MenuItem*>("_Swap"),
                none<void>("_DisableEntirely"),
                none<void>("_SelfEnable"),
                probed("MenuItem"), // (String, Variant)
                op("Constructor", "%%"),
                none<Ref<MenuItem>>("Clone"),
                none<void, MenuItem*>("Constructor"),
                none<Ref<Object>>("__DependencyList"),
                none<void, MenuItem*>("_InstallClone"),
            },
            .methods = { "Constructor %%", "Append %%o<MenuItem>", "Insert %%i4o<MenuItem>", "Remove %%i4",
                "Child %o<MenuItem>%s", "_Lookup %o<MenuItem>%s", "Item %o<MenuItem>%i4", "Count %i4%" },
            .properties = { "Name s 5", "Text s 5", "KeyboardShortcut s 5", "AutoEnable b 5", "Enabled b 5" },
            .probe = &probe_menu_item,
        },
        { .name = "MenuBar", .lookup = &MenuBar::__Lookup },
        { .name = "QuitMenuItem", .lookup = &QuitMenuItem::__Lookup },
        {
            .name = "Menu",
            .lookup = &Menu::__Lookup,
            .slots = { op("Untitled1", "%%"), op("Untitled2", "%%") },
            .replaced = { { std::size_t(MenuItemConstructorSlot), op("Constructor", "%%") } },
            .methods = { "Untitled1 %% __Scope=Public", "Untitled2 %% __Scope=Public",
                "Constructor %% __Scope=Public" },
            .attributes = "__Scope=Public",
        },
        {
            .name = "Application",
            .lookup = &Application::__Lookup,
            .slots = {
                op("NewDocument", "%%"),
                none<void, Object*>("OpenDocument"),
                none<void, std::int32_t>("DoEvents"),
                op("_AddMenuHandler", "%%sp"),
                none<void, Object*>("_AddPollableObject"),
                none<void, Object*>("_RemovePollableObject"),
                none<void, Object*>("AddTrayItem"),
                none<void, Object*>("RemoveTrayItem"),
                op("YieldToNextThread", "%%"),
                op("SleepCurrentThread", "%%i4"),
                none<void>("_DoSingleEvent"),
                op("_EnableMenuItems", "%%"),
                op("_CallOpen", "%%"),
                op("_HandleMenuCommand", "%b%s"),
                none<Ref<Object>, String const&>("_LoadPictureFromBundle"),
                none<Ref<Object>, String const&>("_LoadBundleSound"),
                none<Ref<Object>>("__DependencyList"),
            },
            .methods = padded({ "NewDocument %%", "_AddMenuHandler %%sp", "YieldToNextThread %%",
                                  "SleepCurrentThread %%i4", "_EnableMenuItems %%", "_CallOpen %%",
                                  "_HandleMenuCommand %b%s" },
                47),
            .properties = padded({ "MenuBar o<MenuBar> 5" }, 19),
            .events = { "Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent",
                "Activate", "Deactivate", "UnhandledException", "CancelClose" },
        },
        {
            .name = "App",
            .lookup = &App::__Lookup,
            .slots = { op("Constructor", "%%") },
            .methods = { "Constructor %% __Scope=Public" },
        },
    };
    return all;
}

class FixedOrder : public testing::TestWithParam<ClassOrders> {
protected:
    ClassOrders const& expected() const { return GetParam(); }
    ClassTable const& table() const { return expected().lookup(); }
    ClassTable const* base() const { return table().base; }
    template<typename Entry>
    std::size_t inherited(std::vector<Entry> ClassTable::*entries) const
    {
        return base() ? (base()->*entries).size() : 0;
    }

    // Whether a method entry of the class shares the slot's function and
    // carries the row's signature, or the slot is the row's unsupported routine.
    bool confirmed(SlotRow const& row, AnyFunction entry) const
    {
        if (row.unsupported)
            return entry == row.unsupported;
        return std::ranges::any_of(table().methods,
            [&](MethodEntry const& method) { return method.function == entry && method.signature == row.signature; });
    }
};

TEST_P(FixedOrder, VirtualTable)
{
    auto const& vtable = table().vtable;
    std::size_t const first = inherited(&ClassTable::vtable);
    ASSERT_EQ(vtable.size(), first + expected().slots.size());

    std::vector<std::pair<std::size_t, SlotRow const*>> rows;
    for (std::size_t i = 0; i < first; ++i) {
        auto const& parent = base()->vtable[i];
        EXPECT_EQ(vtable[i].name, parent.name) << "inherited slot " << i;
        auto replaced = std::ranges::find(expected().replaced, i, &std::pair<std::size_t, SlotRow>::first);
        if (replaced == expected().replaced.end())
            EXPECT_EQ(vtable[i].entry, parent.entry) << "inherited slot " << i << " " << parent.name;
        else
            rows.emplace_back(i, &replaced->second);
    }
    for (std::size_t i = 0; i < expected().slots.size(); ++i)
        rows.emplace_back(first + i, &expected().slots[i]);

    std::vector<std::size_t> to_probe;
    for (auto const& [index, row] : rows) {
        SCOPED_TRACE("slot " + std::to_string(index) + " " + row->name);
        EXPECT_EQ(vtable[index].name, row->name);
        EXPECT_NE(vtable[index].entry, nullptr);
        if (row->signature.empty() && !row->unsupported)
            to_probe.push_back(index);
        else
            EXPECT_TRUE(confirmed(*row, vtable[index].entry)) << "not the operation " << row->signature;
    }
    // A slot is only called once every name and every other slot is as
    // listed, last first, so that a slot swapped with an earlier one gets
    // arguments it can take; the first that does not act stops the test.
    if (to_probe.empty() || HasFailure())
        return;
    ASSERT_NE(expected().probe, nullptr);
    std::ranges::reverse(to_probe);
    for (std::size_t index : to_probe)
        ASSERT_TRUE(expected().probe(vtable[index].entry, index)) << "slot " << index << " " << vtable[index].name;
}

TEST_P(FixedOrder, MethodEntries)
{
    std::size_t const first = inherited(&ClassTable::methods);
    for (std::size_t i = 0; i < first; ++i) {
        EXPECT_EQ(describe(table().methods.at(i)), describe(base()->methods[i])) << i;
        EXPECT_EQ(table().methods.at(i).function, base()->methods[i].function) << i;
    }
    EXPECT_EQ(described(table().methods, first), expected().methods);
}

TEST_P(FixedOrder, Properties)
{
    std::size_t const first = inherited(&ClassTable::properties);
    for (std::size_t i = 0; i < first; ++i) {
        EXPECT_EQ(describe(table().properties.at(i)), describe(base()->properties[i])) << i;
        EXPECT_EQ(table().properties.at(i).get, base()->properties[i].get) << i;
    }
    EXPECT_EQ(described(table().properties, first), expected().properties);
}

TEST_P(FixedOrder, Events)
{
    std::size_t const first = inherited(&ClassTable::events);
    for (std::size_t i = 0; i < first; ++i)
        EXPECT_EQ(table().events.at(i).name, base()->events[i].name) << i;
    EXPECT_EQ(described(table().events, first), expected().events);
}

TEST_P(FixedOrder, ClassAttributes) { EXPECT_EQ(describe(table().attributes), expected().attributes); }

INSTANTIATE_TEST_SUITE_P(Classes, FixedOrder, testing::ValuesIn(classes()),
    [](testing::TestParamInfo<ClassOrders> const& info) { return info.param.name; });

}
