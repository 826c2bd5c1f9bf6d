// Window's class table: member counts, event indices, method signatures and
// the slots a window class inherits.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TEST(WindowClass, HasTheMemberCountsAWindowClassBuildsOn)
{
    auto const& cls = Window::__Lookup();
    EXPECT_EQ(cls.name, "Window");
    EXPECT_EQ(cls.methods.size(), 130u);
    EXPECT_EQ(cls.events.size(), 33u);
    EXPECT_EQ(cls.properties.size(), 49u);
}

TEST(WindowClass, EventsStandInTheirOrder)
{
    auto const& cls = Window::__Lookup();
    EXPECT_EQ(cls.event_index("Layout"), 0);
    EXPECT_EQ(cls.event_index("AddMenuHandlers"), 2);
    EXPECT_EQ(cls.event_index("Open"), 4);
    EXPECT_EQ(cls.event_index("CancelClose"), 6);
    EXPECT_EQ(cls.event_index("EnableMenuItems"), 26);
    EXPECT_EQ(cls.event_index("ContentsChanged"), 32);
    for (auto const& event : cls.events)
        EXPECT_EQ(event.handler, nullptr) << event.name;
}

TEST(WindowClass, MethodsCarryTheirSignatures)
{
    auto const& cls = Window::__Lookup();
    struct Row {
        char const* name;
        char const* signature;
    };
    for (auto const& row : std::initializer_list<Row> {
             { "Constructor", "%%" },
             { "_AddControl", "%%so<RectControl>" },
             { "_ControlByName", "%o<RectControl>%s" },
             { "_AddMenuHandler", "%%sp" },
             { "Close", "%b%" },
         }) {
        SCOPED_TRACE(row.name);
        auto const* method = cls.find_method(row.name);
        ASSERT_NE(method, nullptr);
        EXPECT_EQ(method->signature, row.signature);
        EXPECT_EQ(method->mark, MarkPublicMethod);
        EXPECT_NE(method->function, nullptr);
    }
}

TEST(WindowClass, VirtualTableListsItsOperationsInOrder)
{
    auto const& vtable = Window::__Lookup().vtable;
    ASSERT_EQ(vtable.size(), 4u);
    EXPECT_EQ(vtable[0].name, "Constructor");
    EXPECT_EQ(vtable[1].name, "_AddControl");
    EXPECT_EQ(vtable[2].name, "_ControlByName");
    EXPECT_EQ(vtable[3].name, "_AddMenuHandler");
}

}
