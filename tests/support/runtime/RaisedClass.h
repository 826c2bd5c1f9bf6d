#pragma once

// The class of the runtime exception a call raises, or "nothing".

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"

#include <string>

namespace test_support {

template<typename F>
std::string raised_class(F&& call)
{
    try {
        call();
    } catch (fw::RuntimeError const& error) {
        return error.exception().class_table().name;
    }
    return "nothing";
}

}
