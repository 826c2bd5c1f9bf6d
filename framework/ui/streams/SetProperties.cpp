#include "framework/ui/streams/SetProperties.h"

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Overload.h"
#include "framework/ui/streams/PropertyStream.h"

// The applying half of _SetProperties: the decoder (PropertyStream.h) turns
// bytes into records, asking here for each name's declared type; each whole
// record is set through its property's setter as soon as it is decoded, so
// a malformed stream leaves exactly the records before the fault set.

namespace fw {

namespace {

    PropertyType stream_type(std::string_view type)
    {
        if (type == "b")
            return PropertyType::Boolean;
        if (type == "i4")
            return PropertyType::Integer;
        if (type == "c")
            return PropertyType::Color;
        if (type == "s")
            return PropertyType::String;
        return PropertyType::Unknown;
    }

    [[noreturn]] void fail(std::string message) { raise(make<RuntimeException>(std::move(message))); }

    void apply(Object& target, PropertyEntry const& property, StreamRecord const& record)
    {
        if (!property.set)
            fail("property stream: the property \"" + property.name + "\" is read-only (record at byte "
                + std::to_string(record.offset) + ")");
        auto set = [&]<typename T>(T value) { typed_function<void(Object*, T)>(property.set)(&target, value); };
        std::visit(Overload {
                       [&](bool value) { set(value); },
                       [&](std::int32_t value) { set(value); },
                       [&](Color value) { set(value); },
                       [&](std::string_view value) { set(std::string(value)); },
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
