#pragma once

// The digits ParseDate reads, for code that looks at a date's text itself.

#include <string>
#include <string_view>

namespace fw {

// The text with every character that ParseDate reads as a decimal digit
// written as that ASCII digit: the digits of every script (full-width
// "１", Arabic-Indic "١", Persian "۱", Devanagari "१", ...) and the
// characters whose compatibility form is exactly one such digit ("①", "²").
// Every other character, and every byte that is not well-formed UTF-8, comes
// back as it was, so the text keeps its number of characters and ASCII text
// comes back unchanged. A character standing for several digits or for a
// digit with more ("⑲", "⒈") is no digit here, and ParseDate refuses a text
// holding one.
std::string ascii_digits(std::string_view utf8);

}
