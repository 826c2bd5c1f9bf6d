// The builders of the program's class tables: a second build changes
// nothing, and a lookup before the module initialiser builds the table.

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Variant.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;

namespace {

// A second build leaves the table as it is: same object, same entries.
template<typename C>
void expect_second_build_changes_nothing()
{
    auto const* table = &C::__Lookup();
    auto const copy = *table;
    C::__ctblinit();
    EXPECT_EQ(&C::__Lookup(), table);
    EXPECT_EQ(C::__ctbl, table);
    EXPECT_EQ(table->methods.size(), copy.methods.size());
    EXPECT_EQ(table->vtable.size(), copy.vtable.size());
    EXPECT_EQ(table->attributes.size(), copy.attributes.size());
    EXPECT_EQ(table->factory, copy.factory);
}

TEST(ClassBuilders, ASecondBuildChangesNothing)
{
    expect_second_build_changes_nothing<class App>();
    expect_second_build_changes_nothing<Menu>();
}

// In a fresh process no table exists until something looks it up.
template<typename C>
void lookup_builds_on_demand(char const* name)
{
    bool const absent = C::__ctbl == nullptr;
    auto const& table = C::__Lookup();
    std::exit(absent && C::__ctbl == &table && table.name == name ? 0 : 1);
}

TEST(ClassBuildersDeathTest, LookupBeforeTheModuleInitialiserBuildsTheTable)
{
    EXPECT_EXIT(lookup_builds_on_demand<class App>("App"), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(lookup_builds_on_demand<Menu>("Menu.Menu"), testing::ExitedWithCode(0), "");
}

}
