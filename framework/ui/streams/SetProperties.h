#pragma once

// _SetProperties: applies a stored property stream to a window or control.
//
// Records are decoded by the declared type of the named property in the
// target's class (own or inherited; names matched without regard to case)
// and set through the property's setter. A malformed stream (an undeclared
// name, a record cut short, a count past the end) raises RuntimeException
// naming the property and the byte offset; the records before it stay set.

#include "framework/runtime/Object.h"

#include <cstddef>
#include <span>

namespace fw {

void _SetProperties(Object* target, std::span<unsigned char const> stream);

}
