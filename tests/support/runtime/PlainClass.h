#pragma once

// The class table of a test's own class that adds nothing its base does not
// have: no factory, no members, no attributes, no slots of its own.

#include "framework/runtime/ClassTable.h"

namespace test_support {

template<typename T>
fw::ClassTable const* plain_class(char const* name, fw::ClassTable const& base)
{
    return fw::build_class(fw::ClassSpec {
        .name = name,
        .base = &base,
        .instance_size = sizeof(T),
        .factory = nullptr,
    });
}

}
