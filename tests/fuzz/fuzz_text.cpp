// Fuzzes the text functions with arbitrary bytes. The first two bytes give a
// Mid start position (negative and past-the-end ones included); the rest is
// the text. Any broken invariant aborts, which libFuzzer reports as a crash.

#include "framework/runtime/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool invariant)
{
    if (!invariant)
        std::abort();
}

int sign(std::int32_t value) { return (value > 0) - (value < 0); }

std::string_view trimmed(std::string_view text)
{
    auto const space = " \t\n\v\f\r";
    auto const first = text.find_first_not_of(space);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// An independent reading of "a decimal number": the C++ library's parser
// consumes all of it, and it spells neither a hex number nor inf or nan.
bool parses_as_decimal(std::string_view text)
{
    text = trimmed(text);
    if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
        return false;
    double value = 0;
    auto const result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ptr == text.data() + text.size() && result.ec != std::errc::invalid_argument;
}

void check_mid(std::string const& text, std::int32_t start)
{
    std::int32_t const length = fw::Len(text);
    auto const rest = fw::Mid(text, start);
    check(rest.size() <= text.size());
    check(text.ends_with(rest));
    check(fw::Len(rest) == std::max(0, length - std::max(start, 1) + 1));
    check(fw::Mid(text, 1) == text);
}

void check_compare(std::string const& a, std::string const& b)
{
    check((fw::RuntimeStringCompare(a, b) == 0) == (a == b));
    check(sign(fw::RuntimeStringCompare(a, b)) == -sign(fw::RuntimeStringCompare(b, a)));
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size < 2)
        return 0;
    auto const start = static_cast<std::int16_t>(data[0] | data[1] << 8);
    std::string const text(reinterpret_cast<char const*>(data + 2), size - 2);

    check(fw::Len(text) >= 0 && std::size_t(fw::Len(text)) <= text.size());
    check_mid(text, start);
    check_compare(text, fw::Mid(text, start));
    check(fw::IsNumeric(fw::StringToVariant(text)) == parses_as_decimal(text));

    std::int32_t code_point = 0;
    std::copy_n(data, std::min<std::size_t>(size, sizeof code_point), reinterpret_cast<std::uint8_t*>(&code_point));
    auto const character = fw::Chr(code_point);
    check(character.empty() || fw::Len(character) == 1);
    return 0;
}
