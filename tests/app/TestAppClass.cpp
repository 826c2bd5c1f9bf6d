// App's class table as the framework reads it: name, counts, its one own
// method with its attributes, its virtual table and its factory.

#include "ClassTableChecks.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Variant.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;
using namespace app_test;

namespace {

TEST(AppClass, NameBaseAndCounts)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    EXPECT_EQ(app.name, "App");
    EXPECT_EQ(app.base, &base);
    EXPECT_EQ(app.methods.size(), 48u);
    EXPECT_EQ(app.events.size(), 10u);
    EXPECT_EQ(app.properties.size(), 19u);
    EXPECT_TRUE(app.attributes.empty());
}

TEST(AppClass, OneOwnMethodAfterApplicationsAndNoEventHandler)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    ASSERT_EQ(base.methods.size(), 47u);
    expect_same_prefix(app.methods, base.methods);
    auto const& own = app.methods.back();
    EXPECT_EQ(own.name, "Constructor");
    EXPECT_EQ(own.signature, "%%");
    EXPECT_NE(own.function, nullptr);
    EXPECT_NE(own.invoke, nullptr);
    expect_public_scope(own.attributes, "Constructor");
    for (auto const& event : app.events)
        EXPECT_EQ(event.handler, nullptr) << event.name;
}

TEST(AppClass, VirtualTableIsApplicationsThenConstructor)
{
    auto const& app = App::__Lookup();
    auto const& base = Application::__Lookup();
    ASSERT_EQ(app.vtable.size(), base.vtable.size() + 1);
    for (std::size_t i = 0; i < base.vtable.size(); ++i) {
        EXPECT_EQ(app.vtable[i].name, base.vtable[i].name) << i;
        EXPECT_EQ(app.vtable[i].entry, base.vtable[i].entry) << i;
    }
    EXPECT_EQ(app.vtable.back().name, "Constructor");
}

TEST(AppClass, TheFactoryMakesAnAppThatCastsToItself)
{
    std::int64_t const before = Object::live_count();
    {
        auto app = RuntimeNewObject(App::__Lookup());
        EXPECT_EQ(RuntimeCheckCast(app.ptr(), App::__Lookup()), app.ptr());
        EXPECT_EQ(RuntimeCheckCast(app.ptr(), Application::__Lookup()), app.ptr());
    }
    EXPECT_EQ(Object::live_count(), before);
}

}
