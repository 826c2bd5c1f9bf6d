#pragma once

// Decoding a property stream into records: bytes in, (name, offset, typed
// value) out. This is the reading half of _SetProperties; applying records to
// a window or control is the other half, and knows nothing of bytes.
//
// The decoder does not know any class: the caller answers, for each record
// name, the declared type of that property in the target (matching names
// without regard to case is the caller's business). It never reads past the
// end of the stream, and on a malformed record it stops and reports where,
// after handing over every whole record before it.

#include "framework/runtime/Variant.h"
#include "framework/ui/streams/PropertyStreamFormat.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

// A String value is a view into the stream's bytes; copy it to keep it
// longer than the stream.
using StreamValue = std::variant<bool, std::int32_t, Color, std::string_view>;

struct StreamRecord {
    std::string_view name; // as stored; a view into the stream
    std::size_t offset { 0 }; // of the name's first byte
    std::size_t size { 0 }; // name, space and value
    StreamValue value;

    std::size_t end() const { return offset + size; }
    PropertyType type() const { return static_cast<PropertyType>(value.index() + 1); }
};

enum class StreamFault : std::uint8_t {
    MissingName, // the record starts with a byte that is not a letter
    NameCut, // the stream ends inside the name
    MissingSpace, // the name is followed by a byte that is neither a letter nor a space
    UnknownProperty, // the target declares no property of that name
    ValueCut, // the stream ends inside a Boolean, Integer or Color, or inside a String's count
    StringCut, // a String's count runs past the end of the stream
    BadBoolean, // a Boolean byte other than 0x00 or 0x01
};

struct StreamError {
    StreamFault fault { StreamFault::MissingName };
    std::string property; // the name, or the letters read of it; never anything but letters
    std::size_t record_offset { 0 }; // where the bad record starts: the whole records end here
    std::size_t offset { 0 }; // the faulty part: the record for name faults, else the space or the value

    std::string message() const;
};

using PropertyTypeLookup = std::function<PropertyType(std::string_view name)>;
using RecordVisitor = std::function<void(StreamRecord const&)>;

// Hands each whole record to visit, in stream order. Returns the first
// malformation, or nothing when the last record ends exactly at the end.
// An exception from visit passes on; the decoder holds nothing to release.
std::optional<StreamError> for_each_property_record(
    ByteView stream, PropertyTypeLookup const& type_of, RecordVisitor const& visit);

struct DecodedStream {
    std::vector<StreamRecord> records; // the whole records, up to any error
    std::optional<StreamError> error;
};
DecodedStream decode_property_stream(ByteView stream, PropertyTypeLookup const& type_of);

}
