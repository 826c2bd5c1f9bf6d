#pragma once

// Variant: a value of any of the runtime's types, as reflection hands values
// around and as the text functions test them (IsNumeric).

#include "framework/runtime/Ref.h"

#include <cstdint>
#include <string>
#include <variant>

namespace fw {

struct Color {
    std::uint8_t red { 0 };
    std::uint8_t green { 0 };
    std::uint8_t blue { 0 };
    friend bool operator==(Color, Color) = default;
};

class Variant {
public:
    using Value = std::variant<std::monostate, bool, std::int32_t, double, std::string, Color, Ref<Object>>;

    Variant() = default;
    Variant(bool value)
        : m_value(value)
    {
    }
    Variant(std::int32_t value)
        : m_value(value)
    {
    }
    Variant(double value)
        : m_value(value)
    {
    }
    Variant(std::string value)
        : m_value(std::move(value))
    {
    }
    Variant(char const* value)
        : m_value(std::string(value))
    {
    }
    Variant(Color value)
        : m_value(value)
    {
    }
    Variant(Ref<Object> value)
    {
        if (value)
            m_value = std::move(value);
    }

    bool is_nil() const noexcept { return std::holds_alternative<std::monostate>(m_value); }
    template<typename T>
    bool is() const noexcept
    {
        return std::holds_alternative<T>(m_value);
    }
    template<typename T>
    T const* get_if() const noexcept
    {
        return std::get_if<T>(&m_value);
    }
    Value const& value() const noexcept { return m_value; }

    // Conversions as reflection needs them; a value of another type converts
    // the way the runtime converts it (numbers to text, text to numbers).
    std::string to_string() const;
    std::int32_t to_int32() const;
    double to_double() const;
    bool to_bool() const;
    Color to_color() const;
    Object* to_object() const noexcept; // borrowed; nil for non-objects

private:
    Value m_value;
};

Variant StringToVariant(std::string const& text);
std::string VariantToString(Variant const& value);
Variant BooleanToVariant(bool value);

}
