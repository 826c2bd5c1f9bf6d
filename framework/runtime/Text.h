#pragma once

// The runtime's text functions. A String is UTF-8 held in a std::string, and
// Len and Mid count characters (code points), not bytes.
//
// Text from outside (a pasted field, a file) may not be valid UTF-8. A byte
// that does not begin a well-formed sequence counts as one character of its
// own, so a truncated sequence at the end, a lone continuation byte, an
// overlong form or an encoded surrogate never makes a function read past the
// text, and Mid cuts only between characters: a valid sequence is never split,
// and the bytes of any text come back unchanged when its characters are joined.

#include "framework/runtime/String.h"
#include "framework/runtime/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The number of characters in text.
std::int32_t Len(std::string_view text) noexcept;

// The characters of text from the 1-based position start to the end. A start
// below 1 reads from the first character; one past the end gives "".
String Mid(std::string_view text, std::int32_t start);

// The character with the given code point, as UTF-8; "" for a value that is
// not a Unicode scalar value (negative, a surrogate, above U+10FFFF).
String Chr(std::int32_t code_point);

// Whether the value reads as a decimal number. A number is numeric; a text is
// when it is an optional sign, digits with an optional decimal point (at least
// one digit on either side of it) and an optional exponent, with white space
// around it allowed and nothing else. Nil, Booleans, colours and objects are
// not numeric.
bool IsNumeric(Variant const& value);

// The value as plain decimal text: an integer as its digits, a double as the
// shortest plain decimal that reads back as the same value, never with an
// exponent ("3", "-2.5", "1000000", "0.0000001"; "0" for zero of either
// sign; "inf", "-inf" and "nan" for those values). Only the empty format is
// supported; any other raises RuntimeException, since no formatting rules are
// implemented and silently ignoring the mask would write the wrong text.
String Str(std::int32_t value, std::string_view format);
String Str(double value, std::string_view format);

// Compares two texts byte by byte, which for UTF-8 is code-point order:
// 0 when equal, negative when a sorts before b, positive after.
std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) noexcept;

}
