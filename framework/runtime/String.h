#pragma once

// The runtime's text type: UTF-8 held in a std::string. Text.h has the
// functions that count its characters rather than its bytes.

#include <string>

namespace fw {

using String = std::string;

}
