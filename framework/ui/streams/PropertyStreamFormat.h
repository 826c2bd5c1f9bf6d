#pragma once

// The property stream format, shared by the decoder (PropertyStream.h) and
// the compile-time encoder (PropertyStreamEncoder.h).
//
// A stream is records placed back to back, with nothing before the first and
// nothing after the last: no marker, no count, no terminator. The stream's
// length ends it. A record is
//
//     name    ASCII letters, as stored (matched to properties without regard to case)
//     0x20    one space
//     value   no type tag; its width follows the declared type of the named
//             property in the target's class:
//               Boolean  1 byte, 0x00 or 0x01
//               Integer  4 bytes, signed two's complement, big-endian
//               Color    3 bytes, red green blue
//               String   4-byte unsigned big-endian count n, then n bytes of UTF-8
//
// NOTE: Because values are untagged, a record whose name the reader cannot
// type has no known width, and nothing after it can be found. Readers reject
// such a stream rather than guess.

#include <cstddef>
#include <cstdint>
#include <span>

namespace fw {

using ByteView = std::span<unsigned char const>;

// The declared type of a property, as far as streams are concerned. Unknown
// is the answer for a name the target does not declare.
enum class PropertyType : std::uint8_t {
    Unknown,
    Boolean,
    Integer,
    Color,
    String,
};

namespace property_stream {

    inline constexpr unsigned char separator = 0x20;
    inline constexpr std::size_t boolean_width = 1;
    inline constexpr std::size_t integer_width = 4;
    inline constexpr std::size_t color_width = 3;
    inline constexpr std::size_t count_width = 4; // a String's count; its text follows

    constexpr bool is_name_byte(unsigned char byte)
    {
        return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    }

}

}
