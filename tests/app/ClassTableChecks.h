#pragma once

// Checks shared by the tests of the program's class tables.

#include "framework/runtime/ClassTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app_test {

inline void expect_public_scope(fw::AttributeList const& attributes, std::string const& owner)
{
    SCOPED_TRACE(owner);
    ASSERT_EQ(attributes.size(), 1u);
    EXPECT_EQ(attributes[0].name, "__Scope");
    EXPECT_EQ(attributes[0].value, "Public");
    EXPECT_TRUE(attributes[0].has_value);
}

inline void expect_same_prefix(std::vector<fw::MethodEntry> const& derived, std::vector<fw::MethodEntry> const& base)
{
    ASSERT_GE(derived.size(), base.size());
    for (std::size_t i = 0; i < base.size(); ++i)
        EXPECT_EQ(derived[i].name, base[i].name) << "inherited method " << i;
}

}
