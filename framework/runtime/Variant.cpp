#include "framework/runtime/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fw {

namespace {
    // One visitor from several lambdas, for std::visit.
    template<class... F>
    struct Overload : F... {
        using F::operator()...;
    };
    // Clang before 17 does not deduce aggregate template arguments by itself.
    template<class... F>
    Overload(F...) -> Overload<F...>;

    std::string format_double(double value)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        return buffer;
    }

    double parse_double(std::string const& text)
    {
        double value = 0;
        auto const* first = text.data();
        while (first != text.data() + text.size() && (*first == ' ' || *first == '\t'))
            ++first;
        if (first != text.data() + text.size() && *first == '+')
            ++first;
        std::from_chars(first, text.data() + text.size(), value);
        return value;
    }

    std::int32_t clamp_to_int32(double value)
    {
        if (std::isnan(value))
            return 0;
        if (value <= double(std::numeric_limits<std::int32_t>::min()))
            return std::numeric_limits<std::int32_t>::min();
        if (value >= double(std::numeric_limits<std::int32_t>::max()))
            return std::numeric_limits<std::int32_t>::max();
        return std::int32_t(value);
    }
}

std::string Variant::to_string() const
{
    return std::visit(Overload {
                          [](std::monostate) { return std::string(); },
                          [](bool b) { return std::string(b ? "True" : "False"); },
                          [](std::int32_t i) { return std::to_string(i); },
                          [](double d) { return format_double(d); },
                          [](std::string const& s) { return s; },
                          [](Color c) {
                              char buffer[12];
                              std::snprintf(buffer, sizeof buffer, "&c%02X%02X%02X", c.red, c.green, c.blue);
                              return std::string(buffer);
                          },
                          [](Ref<Object> const&) { return std::string(); },
                      },
        m_value);
}

double Variant::to_double() const
{
    return std::visit(Overload {
                          [](std::monostate) { return 0.0; },
                          [](bool b) { return b ? 1.0 : 0.0; },
                          [](std::int32_t i) { return double(i); },
                          [](double d) { return d; },
                          [](std::string const& s) { return parse_double(s); },
                          [](Color) { return 0.0; },
                          [](Ref<Object> const&) { return 0.0; },
                      },
        m_value);
}

std::int32_t Variant::to_int32() const
{
    if (auto const* i = get_if<std::int32_t>())
        return *i;
    return clamp_to_int32(to_double());
}

bool Variant::to_bool() const
{
    if (auto const* b = get_if<bool>())
        return *b;
    if (auto const* s = get_if<std::string>())
        return *s == "True" || *s == "true" || to_double() != 0.0;
    return to_double() != 0.0;
}

Color Variant::to_color() const
{
    if (auto const* c = get_if<Color>())
        return *c;
    auto v = std::uint32_t(to_int32());
    return Color { std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v) };
}

Object* Variant::to_object() const noexcept
{
    auto const* o = get_if<Ref<Object>>();
    return o ? o->ptr() : nullptr;
}

Variant StringToVariant(std::string const& text) { return Variant(text); }
std::string VariantToString(Variant const& value) { return value.to_string(); }
Variant BooleanToVariant(bool value) { return Variant(value); }

}
