#include "framework/ui/streams/PropertyStream.h"

#include <algorithm>
#include <type_traits>

namespace fw {

namespace {

    namespace format = property_stream;

    // StreamRecord::type() maps the value's alternative to its PropertyType.
    static_assert(std::is_same_v<std::variant_alternative_t<0, StreamValue>, bool>);
    static_assert(std::is_same_v<std::variant_alternative_t<1, StreamValue>, std::int32_t>);
    static_assert(std::is_same_v<std::variant_alternative_t<2, StreamValue>, Color>);
    static_assert(std::is_same_v<std::variant_alternative_t<3, StreamValue>, std::string_view>);
    static_assert(static_cast<int>(PropertyType::Boolean) == 1 && static_cast<int>(PropertyType::String) == 4);

    // Every reader below gets the bytes from its field's first byte to the end
    // of the stream, so a bounds check is one comparison with rest.size().

    struct Decoded {
        StreamValue value;
        std::size_t size;
    };
    using ValueStep = std::variant<Decoded, StreamFault>;

    std::string_view as_text(ByteView bytes) { return { reinterpret_cast<char const*>(bytes.data()), bytes.size() }; }

    std::uint32_t read_u32(ByteView rest)
    {
        return std::uint32_t { rest[0] } << 24 | std::uint32_t { rest[1] } << 16 | std::uint32_t { rest[2] } << 8
            | std::uint32_t { rest[3] };
    }

    // NOTE: A byte other than 0 or 1 is rejected, not read as True. No writer
    // produces one, and the likeliest cause is a misaligned read (an Integer
    // taken for a Boolean), which should stop the stream at the first sign.
    ValueStep read_boolean(ByteView rest)
    {
        if (rest.size() < format::boolean_width)
            return StreamFault::ValueCut;
        if (rest[0] > 1)
            return StreamFault::BadBoolean;
        return Decoded { rest[0] == 1, format::boolean_width };
    }

    ValueStep read_integer(ByteView rest)
    {
        if (rest.size() < format::integer_width)
            return StreamFault::ValueCut;
        // Modular since C++20: 80 00 00 00 is INT32_MIN.
        return Decoded { static_cast<std::int32_t>(read_u32(rest)), format::integer_width };
    }

    ValueStep read_color(ByteView rest)
    {
        if (rest.size() < format::color_width)
            return StreamFault::ValueCut;
        return Decoded { Color { rest[0], rest[1], rest[2] }, format::color_width };
    }

    ValueStep read_string(ByteView rest)
    {
        if (rest.size() < format::count_width)
            return StreamFault::ValueCut;
        std::size_t const count = read_u32(rest);
        if (count > rest.size() - format::count_width)
            return StreamFault::StringCut;
        return Decoded { as_text(rest.subspan(format::count_width, count)), format::count_width + count };
    }

    ValueStep read_value(PropertyType type, ByteView rest)
    {
        switch (type) {
        case PropertyType::Boolean:
            return read_boolean(rest);
        case PropertyType::Integer:
            return read_integer(rest);
        case PropertyType::Color:
            return read_color(rest);
        case PropertyType::String:
            return read_string(rest);
        case PropertyType::Unknown:
            break;
        }
        return StreamFault::UnknownProperty;
    }

    using RecordStep = std::variant<StreamRecord, StreamError>;

    RecordStep read_record(ByteView stream, std::size_t start, PropertyTypeLookup const& type_of)
    {
        ByteView const rest = stream.subspan(start);
        auto const length
            = static_cast<std::size_t>(std::find_if_not(rest.begin(), rest.end(), format::is_name_byte) - rest.begin());
        std::string_view const name = as_text(rest.first(length));
        auto fail = [&](StreamFault fault, std::size_t at) {
            return StreamError { fault, std::string(name), start, at };
        };

        if (length == 0)
            return fail(StreamFault::MissingName, start);
        if (length == rest.size())
            return fail(StreamFault::NameCut, start);
        if (rest[length] != format::separator)
            return fail(StreamFault::MissingSpace, start + length);
        PropertyType const type = type_of(name);
        if (type == PropertyType::Unknown)
            return fail(StreamFault::UnknownProperty, start);

        std::size_t const value_at = length + 1;
        ValueStep step = read_value(type, rest.subspan(value_at));
        if (auto const* fault = std::get_if<StreamFault>(&step))
            return fail(*fault, start + value_at);
        auto& decoded = std::get<Decoded>(step);
        return StreamRecord { name, start, value_at + decoded.size, decoded.value };
    }

    std::string quoted(std::string const& name) { return '"' + name + '"'; }

}

std::optional<StreamError> for_each_property_record(
    ByteView stream, PropertyTypeLookup const& type_of, RecordVisitor const& visit)
{
    std::size_t offset = 0;
    while (offset < stream.size()) {
        RecordStep step = read_record(stream, offset, type_of);
        if (auto* error = std::get_if<StreamError>(&step))
            return std::move(*error);
        auto const& record = std::get<StreamRecord>(step);
        offset = record.end();
        visit(record);
    }
    return std::nullopt;
}

DecodedStream decode_property_stream(ByteView stream, PropertyTypeLookup const& type_of)
{
    DecodedStream decoded;
    decoded.error = for_each_property_record(
        stream, type_of, [&](StreamRecord const& record) { decoded.records.push_back(record); });
    return decoded;
}

std::string StreamError::message() const
{
    std::string const at = " at byte " + std::to_string(offset);
    std::string const record = " (record at byte " + std::to_string(record_offset) + ")";
    switch (fault) {
    case StreamFault::MissingName:
        return "property stream: no property name" + at;
    case StreamFault::NameCut:
        return "property stream: the stream ends inside the name " + quoted(property) + record;
    case StreamFault::MissingSpace:
        return "property stream: no space after the name " + quoted(property) + at;
    case StreamFault::UnknownProperty:
        return "property stream: the target has no property " + quoted(property) + record;
    case StreamFault::ValueCut:
        return "property stream: the value of " + quoted(property) + at + " is cut short" + record;
    case StreamFault::StringCut:
        return "property stream: the text of " + quoted(property) + at + " runs past the end" + record;
    case StreamFault::BadBoolean:
        return "property stream: the Boolean value of " + quoted(property) + at + " is neither 0 nor 1" + record;
    }
    return "property stream: malformed" + at;
}

}
