#include "framework/ui/streams/SetProperties.h"

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/TypeCode.h"
#include "framework/ui/streams/PropertyStream.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

// The applying half of _SetProperties: the decoder (PropertyStream.h) turns
// bytes into records, asking here for each name's declared type; each whole
// record is set through its property's setter as soon as it is decoded, so
// a malformed stream leaves exactly the records before the fault set.

namespace fw {

namespace {

    // The C++ type a record's value is set as: a String's text is copied
    // out of the stream.
    template<typename V>
    using SetterType = std::conditional_t<std::is_same_v<V, std::string_view>, String, V>;

    // The type codes of the stream's value types, in their record types'
    // order (PropertyType, after Unknown).
    template<std::size_t... I>
    constexpr std::array<std::string_view, sizeof...(I)> codes_of(std::index_sequence<I...>)
    {
        return { type_code<SetterType<std::variant_alternative_t<I, StreamValue>>>... };
    }
    constexpr auto stream_codes = codes_of(std::make_index_sequence<std::variant_size_v<StreamValue>> {});

    // The record type of a declared type text; Unknown for a type that no
    // stream can hold.
    PropertyType stream_type(std::string_view type)
    {
        for (std::size_t i = 0; i < stream_codes.size(); ++i)
            if (stream_codes[i] == type)
                return PropertyType(i + 1);
        return PropertyType::Unknown;
    }

    [[noreturn]] void fail(std::string message) { raise(make<RuntimeException>(std::move(message))); }

    void apply(Object& target, PropertyEntry const& property, StreamRecord const& record)
    {
        if (!property.set)
            fail("property stream: the property \"" + property.name + "\" is read-only (record at byte "
                + std::to_string(record.offset) + ")");
        std::visit(
            [&]<typename V>(V value) {
                using T = SetterType<V>;
                typed_function<void(Object*, T)>(property.set)(&target, T(value));
            },
            record.value);
    }

    // A property the stream names but that cannot be stored in one (a font
    // size, an object): worth its own message, since the target has it.
    std::string unstorable_message(PropertyEntry const& property, StreamError const& error)
    {
        return "property stream: the property \"" + property.name + "\" of type " + property.type
            + " cannot be stored in a stream (record at byte " + std::to_string(error.record_offset) + ")";
    }

}

void _SetProperties(Object* target, std::span<unsigned char const> stream)
{
    Object& object = checked(target);
    Ref<Object> const keep(&object);
    ClassTable const& cls = object.class_table();
    PropertyEntry const* current = nullptr;

    auto type_of = [&](std::string_view name) {
        current = cls.find_property_nocase(name);
        return current ? stream_type(current->type) : PropertyType::Unknown;
    };
    auto const error = for_each_property_record(
        stream, type_of, [&](StreamRecord const& record) { apply(object, *current, record); });
    if (!error)
        return;
    if (error->fault == StreamFault::UnknownProperty && current)
        fail(unstorable_message(*current, *error));
    fail(error->message());
}

}
