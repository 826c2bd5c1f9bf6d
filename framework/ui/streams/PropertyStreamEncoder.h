#pragma once

// Writing property streams at compile time, so that program code can declare
// its stored layout as a readable list of records instead of hex:
//
//     using namespace fw::property_records;
//     constexpr auto bytes = fw::encode_property_stream([] {
//         return std::array { integer("Placement", 2), boolean("Composite", false),
//             color("BackColor", 0xFF, 0xFF, 0xFF), string("Title", "Quorvel") };
//     });
//
// The result is a std::array<unsigned char, N> holding exactly the stream's
// bytes (see PropertyStreamFormat.h); N is computed from the records. A name
// that is not all letters, or a text too long for its count, does not compile.

#include "framework/ui/streams/PropertyStreamFormat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace fw {

namespace property_records {

    // One record as written in source: a stored name and a typed value.
    struct Record {
        std::string_view name;
        PropertyType type { PropertyType::Unknown };
        std::int32_t number { 0 }; // Boolean (0 or 1) and Integer
        std::array<unsigned char, 3> rgb {};
        std::string_view text;

        constexpr std::size_t value_size() const
        {
            switch (type) {
            case PropertyType::Boolean:
                return property_stream::boolean_width;
            case PropertyType::Integer:
                return property_stream::integer_width;
            case PropertyType::Color:
                return property_stream::color_width;
            case PropertyType::String:
                return property_stream::count_width + text.size();
            case PropertyType::Unknown:
                break;
            }
            throw "a record needs a typed value";
        }
        constexpr std::size_t size() const { return name.size() + 1 + value_size(); }
    };

    constexpr Record boolean(std::string_view name, bool value)
    {
        return { name, PropertyType::Boolean, value ? 1 : 0, {}, {} };
    }
    constexpr Record integer(std::string_view name, std::int32_t value)
    {
        return { name, PropertyType::Integer, value, {}, {} };
    }
    constexpr Record color(std::string_view name, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        return { name, PropertyType::Color, 0, { red, green, blue }, {} };
    }
    constexpr Record string(std::string_view name, std::string_view text)
    {
        return { name, PropertyType::String, 0, {}, text };
    }

}

namespace property_stream_detail {

    using property_records::Record;

    constexpr std::size_t encoded_size(std::span<Record const> records)
    {
        std::size_t size = 0;
        for (auto const& record : records)
            size += record.size();
        return size;
    }

    constexpr void put_u32(unsigned char*& out, std::uint32_t value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            *out++ = static_cast<unsigned char>(value >> shift);
    }

    constexpr void put_text(unsigned char*& out, std::string_view text)
    {
        for (char c : text)
            *out++ = static_cast<unsigned char>(c);
    }

    constexpr void put_name(unsigned char*& out, std::string_view name)
    {
        if (name.empty())
            throw "a record name must not be empty";
        for (char c : name) {
            if (!property_stream::is_name_byte(static_cast<unsigned char>(c)))
                throw "a record name is ASCII letters only";
        }
        put_text(out, name);
        *out++ = property_stream::separator;
    }

    constexpr void put_value(unsigned char*& out, Record const& record)
    {
        switch (record.type) {
        case PropertyType::Boolean:
            *out++ = static_cast<unsigned char>(record.number);
            return;
        case PropertyType::Integer:
            put_u32(out, static_cast<std::uint32_t>(record.number)); // two's complement, as C++20 defines it
            return;
        case PropertyType::Color:
            for (unsigned char component : record.rgb)
                *out++ = component;
            return;
        case PropertyType::String:
            if (record.text.size() > std::numeric_limits<std::uint32_t>::max())
                throw "a text is too long for its count";
            put_u32(out, static_cast<std::uint32_t>(record.text.size()));
            put_text(out, record.text);
            return;
        case PropertyType::Unknown:
            break;
        }
        throw "a record needs a typed value";
    }

}

// make is a captureless lambda (or other empty callable) returning an array
// of records; calling it inside keeps the records, and so the size, constant.
template<typename MakeRecords>
consteval auto encode_property_stream(MakeRecords make)
{
    constexpr auto records = make();
    std::array<unsigned char, property_stream_detail::encoded_size(records)> bytes {};
    unsigned char* out = bytes.data();
    for (auto const& record : records) {
        property_stream_detail::put_name(out, record.name);
        property_stream_detail::put_value(out, record);
    }
    return bytes;
}

}
