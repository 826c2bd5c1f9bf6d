// Application's class table: member counts, events and virtual table.

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"
#include "framework/ui/application/Lifecycle.h"
#include "tests/support/runtime/LiveCountTest.h"

using namespace fw;

namespace {

TEST(ApplicationClass, MemberCounts)
{
    auto const& cls = Application::__Lookup();
    EXPECT_EQ(cls.name, "Application");
    EXPECT_EQ(cls.methods.size(), 47u);
    EXPECT_EQ(cls.events.size(), 10u);
    EXPECT_EQ(cls.properties.size(), 19u);
    EXPECT_NE(cls.find_property("MenuBar"), nullptr);
}

TEST(ApplicationClass, EventsInOrder)
{
    char const* const expected[] = { "Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument",
        "HandleAppleEvent", "Activate", "Deactivate", "UnhandledException", "CancelClose" };
    auto const& events = Application::__Lookup().events;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(events[i].name, expected[i]) << i;
        EXPECT_EQ(events[i].handler, nullptr) << i;
    }
}

TEST(ApplicationClass, VirtualTableInTheRuntimesOrder)
{
    char const* const expected[] = { "NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler", "_AddPollableObject",
        "_RemovePollableObject", "AddTrayItem", "RemoveTrayItem", "YieldToNextThread", "SleepCurrentThread",
        "_DoSingleEvent", "_EnableMenuItems", "_CallOpen", "_HandleMenuCommand", "_LoadPictureFromBundle",
        "_LoadBundleSound", "__DependencyList" };
    auto const& vtable = Application::__Lookup().vtable;
    ASSERT_EQ(vtable.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(vtable[i].name, expected[i]) << i;
        EXPECT_NE(vtable[i].entry, nullptr) << i;
    }
}

}
