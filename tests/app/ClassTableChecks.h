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

// An attribute list in one line, in its order: "__Scope=Public,Hidden".
inline std::string describe(fw::AttributeList const& attributes)
{
    std::string text;
    for (auto const& attribute : attributes) {
        text += (text.empty() ? "" : ",") + attribute.name;
        if (attribute.has_value)
            text += "=" + attribute.value;
    }
    return text;
}

// Entries in one line each, so that a list of them compares as strings: a
// method as "name signature attributes", a property as "name type mark
// attributes". An entry kept empty for the framework reads "".
inline std::string joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (auto const& part : parts)
        if (!part.empty())
            text += (text.empty() ? "" : " ") + part;
    return text;
}
inline std::string describe(fw::MethodEntry const& entry)
{
    return joined({ entry.name, entry.signature, describe(entry.attributes) });
}
inline std::string describe(fw::PropertyEntry const& entry)
{
    return entry.name.empty()
        ? std::string()
        : joined({ entry.name, entry.type, std::to_string(entry.mark), describe(entry.attributes) });
}
inline std::string describe(fw::EventEntry const& entry) { return entry.name; }

// Entries first ... of a table, described.
template<typename Entry>
std::vector<std::string> described(std::vector<Entry> const& entries, std::size_t first = 0)
{
    std::vector<std::string> lines;
    for (std::size_t i = first; i < entries.size(); ++i)
        lines.push_back(describe(entries[i]));
    return lines;
}

}
