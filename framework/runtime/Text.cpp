#include "framework/runtime/Text.h"

#include "framework/runtime/Exceptions.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace fw {

namespace {

    bool in(unsigned char byte, unsigned char low, unsigned char high) noexcept { return byte >= low && byte <= high; }

    // The second byte's range for a lead byte, which rules out overlong forms,
    // surrogates and code points above U+10FFFF in one test.
    bool second_byte_fits(unsigned char lead, unsigned char second) noexcept
    {
        switch (lead) {
        case 0xE0:
            return in(second, 0xA0, 0xBF);
        case 0xED:
            return in(second, 0x80, 0x9F);
        case 0xF0:
            return in(second, 0x90, 0xBF);
        case 0xF4:
            return in(second, 0x80, 0x8F);
        default:
            return in(second, 0x80, 0xBF);
        }
    }

    // The length of a well-formed sequence its lead byte announces; 0 when the
    // byte cannot begin one.
    std::size_t announced_length(unsigned char lead) noexcept
    {
        if (lead < 0x80)
            return 1;
        if (in(lead, 0xC2, 0xDF))
            return 2;
        if (in(lead, 0xE0, 0xEF))
            return 3;
        if (in(lead, 0xF0, 0xF4))
            return 4;
        return 0;
    }

    // The byte length of the character at text[at]: a whole well-formed
    // sequence, or 1 for a byte that does not begin one.
    std::size_t char_length(std::string_view text, std::size_t at) noexcept
    {
        auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
        std::size_t length = announced_length(byte(0));
        if (length <= 1 || length > text.size() - at || !second_byte_fits(byte(0), byte(1)))
            return 1;
        for (std::size_t i = 2; i < length; ++i)
            if (!in(byte(i), 0x80, 0xBF))
                return 1;
        return length;
    }

    bool is_space(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }
    bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

    // Skips a run of digits from at; gives how many there were.
    std::size_t skip_digits(std::string_view text, std::size_t& at) noexcept
    {
        std::size_t first = at;
        while (at < text.size() && is_digit(text[at]))
            ++at;
        return at - first;
    }

    void skip_sign(std::string_view text, std::size_t& at) noexcept
    {
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
    }

    // [sign] (digits [. [digits]] | . digits) [(e|E) [sign] digits]
    bool is_decimal_number(std::string_view text) noexcept
    {
        std::size_t at = 0;
        skip_sign(text, at);
        std::size_t digits = skip_digits(text, at);
        if (at < text.size() && text[at] == '.')
            digits += skip_digits(text, ++at);
        if (digits == 0)
            return false;
        if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
            skip_sign(text, ++at);
            if (skip_digits(text, at) == 0)
                return false;
        }
        return at == text.size();
    }

    std::string_view trimmed(std::string_view text) noexcept
    {
        while (!text.empty() && is_space(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && is_space(text.back()))
            text.remove_suffix(1);
        return text;
    }

    void require_empty_format(std::string_view format)
    {
        if (!format.empty())
            raise(make<RuntimeException>("Str supports only the empty format"));
    }

}

std::int32_t Len(std::string_view text) noexcept
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += char_length(text, at))
        ++count;
    return static_cast<std::int32_t>(std::min<std::size_t>(count, std::numeric_limits<std::int32_t>::max()));
}

String Mid(std::string_view text, std::int32_t start)
{
    std::size_t at = 0;
    for (std::int32_t skip = start > 1 ? start - 1 : 0; skip > 0 && at < text.size(); --skip)
        at += char_length(text, at);
    return String(text.substr(at));
}

String Chr(std::int32_t code_point)
{
    auto const cp = static_cast<std::uint32_t>(code_point);
    auto byte = [](std::uint32_t bits) { return static_cast<char>(bits); };
    if (code_point < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {};
    if (cp < 0x80)
        return { byte(cp) };
    auto tail = [&](int shift) { return byte(0x80 | ((cp >> shift) & 0x3F)); };
    if (cp < 0x800)
        return { byte(0xC0 | (cp >> 6)), tail(0) };
    if (cp < 0x10000)
        return { byte(0xE0 | (cp >> 12)), tail(6), tail(0) };
    return { byte(0xF0 | (cp >> 18)), tail(12), tail(6), tail(0) };
}

bool IsNumeric(Variant const& value)
{
    if (value.is<std::int32_t>() || value.is<double>())
        return true;
    auto const* text = value.get_if<std::string>();
    return text && is_decimal_number(trimmed(*text));
}

String Str(std::int32_t value, std::string_view format)
{
    require_empty_format(format);
    return std::to_string(value);
}

String Str(double value, std::string_view format)
{
    require_empty_format(format);
    if (value == 0)
        return "0"; // either sign
    // The shortest plain decimal that reads back as the same double: never
    // an exponent. The longest is the smallest subnormal, "0." and 323 zeros
    // before its digits; the largest double has 309 digits before the point.
    char buffer[400];
    auto const result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return String(buffer, result.ptr);
}

std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) noexcept
{
    int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}
