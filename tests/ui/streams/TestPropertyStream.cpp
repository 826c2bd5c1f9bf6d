#include "framework/ui/streams/PropertyStream.h"
#include "framework/ui/streams/PropertyStreamEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

using fw::PropertyType;
using fw::StreamFault;
using Bytes = std::vector<unsigned char>;

PropertyType type_of(std::string_view name)
{
    static std::map<std::string_view, PropertyType> const types {
        { "Visible", PropertyType::Boolean },
        { "Width", PropertyType::Integer },
        { "Index", PropertyType::Integer },
        { "Left", PropertyType::Integer },
        { "BackColor", PropertyType::Color },
        { "Format", PropertyType::String },
        { "Title", PropertyType::String },
        { "Multiline", PropertyType::Boolean },
    };
    auto found = types.find(name);
    return found == types.end() ? PropertyType::Unknown : found->second;
}

// Hand-assembled streams: a name with its space, then raw value bytes.
struct Stream {
    Bytes bytes;
    Stream& name(std::string_view text)
    {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0x20);
        return *this;
    }
    Stream& raw(std::initializer_list<unsigned char> values)
    {
        bytes.insert(bytes.end(), values);
        return *this;
    }
    Stream& text(std::string_view text)
    {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
};

// "Width " 00 00 03 04: one whole record of 10 bytes before each fault.
Stream width_772() { return Stream {}.name("Width").raw({ 0x00, 0x00, 0x03, 0x04 }); }

fw::DecodedStream decode(Bytes const& bytes) { return fw::decode_property_stream(bytes, type_of); }

TEST(PropertyStreamDecode, ReadsEachTypeAtItsWidth)
{
    auto stream = Stream {}.name("Visible").raw({ 0x01 });
    stream.name("Left").raw({ 0x00, 0x00, 0x00, 0x30 });
    stream.name("BackColor").raw({ 0xFF, 0x80, 0x00 });
    stream.name("Title").raw({ 0, 0, 0, 7 }).text("Quorvel");
    auto decoded = decode(stream.bytes);

    ASSERT_FALSE(decoded.error) << decoded.error->message();
    ASSERT_EQ(decoded.records.size(), 4U);
    EXPECT_EQ(std::get<bool>(decoded.records[0].value), true);
    EXPECT_EQ(std::get<std::int32_t>(decoded.records[1].value), 48);
    EXPECT_EQ(std::get<fw::Color>(decoded.records[2].value), (fw::Color { 0xFF, 0x80, 0x00 }));
    EXPECT_EQ(std::get<std::string_view>(decoded.records[3].value), "Quorvel");
    EXPECT_EQ(decoded.records[3].type(), PropertyType::String);
}

TEST(PropertyStreamDecode, RecordsLieBackToBackAndEndAtTheStreamsLength)
{
    auto stream = width_772();
    stream.name("Visible").raw({ 0x00 });
    auto decoded = decode(stream.bytes);

    ASSERT_EQ(decoded.records.size(), 2U);
    EXPECT_EQ(decoded.records[0].name, "Width");
    EXPECT_EQ(decoded.records[0].offset, 0U);
    EXPECT_EQ(decoded.records[1].offset, 10U);
    EXPECT_EQ(decoded.records[1].end(), stream.bytes.size());
}

TEST(PropertyStreamDecode, IntegersAreSignedBigEndian)
{
    struct Row {
        char const* label;
        std::initializer_list<unsigned char> bytes;
        std::int32_t value;
    };
    Row const rows[] = {
        { "Index -2147483648", { 0x80, 0x00, 0x00, 0x00 }, std::numeric_limits<std::int32_t>::min() },
        { "largest", { 0x7F, 0xFF, 0xFF, 0xFF }, std::numeric_limits<std::int32_t>::max() },
        { "minus one", { 0xFF, 0xFF, 0xFF, 0xFF }, -1 },
        { "byte order", { 0x01, 0x02, 0x03, 0x04 }, 0x01020304 },
    };
    for (auto const& row : rows) {
        SCOPED_TRACE(row.label);
        auto decoded = decode(Stream {}.name("Index").raw(row.bytes).bytes);
        ASSERT_EQ(decoded.records.size(), 1U);
        EXPECT_EQ(std::get<std::int32_t>(decoded.records[0].value), row.value);
    }
}

TEST(PropertyStreamDecode, EmptyStringIsFollowedDirectlyByTheNextName)
{
    auto stream = Stream {}.name("Format").raw({ 0, 0, 0, 0 });
    stream.name("Visible").raw({ 0x01 });
    auto decoded = decode(stream.bytes);

    ASSERT_FALSE(decoded.error);
    ASSERT_EQ(decoded.records.size(), 2U);
    EXPECT_EQ(std::get<std::string_view>(decoded.records[0].value), "");
    EXPECT_EQ(decoded.records[1].offset, 11U);
}

TEST(PropertyStreamDecode, EmptyStreamHasNoRecords)
{
    auto decoded = decode({});
    EXPECT_TRUE(decoded.records.empty());
    EXPECT_FALSE(decoded.error);
}

TEST(PropertyStreamDecode, NamesReachTheLookupAsStored)
{
    std::vector<std::string> asked;
    auto lookup = [&](std::string_view name) {
        asked.emplace_back(name);
        return PropertyType::Boolean;
    };
    auto bytes = Stream {}.name("Multiline").raw({ 0x00 }).name("MacProcID").raw({ 0x00 }).bytes;
    auto decoded = fw::decode_property_stream(bytes, lookup);

    EXPECT_FALSE(decoded.error);
    EXPECT_EQ(asked, (std::vector<std::string> { "Multiline", "MacProcID" }));
}

TEST(PropertyStreamDecode, NeverReadsBeyondTheViewsEnd)
{
    // The bytes after the view would complete the value; the decoder must not see them.
    auto buffer = Stream {}.name("Left").raw({ 0x00, 0x00, 0x00, 0x05 }).bytes;
    auto decoded = fw::decode_property_stream(fw::ByteView(buffer).first(7), type_of);

    ASSERT_TRUE(decoded.error);
    EXPECT_EQ(decoded.error->fault, StreamFault::ValueCut);
}

struct MalformedRow {
    char const* label;
    Bytes bytes;
    StreamFault fault;
    std::string property;
    std::size_t offset; // the faulty part; every row's bad record starts at 10
};

class PropertyStreamMalformed : public testing::TestWithParam<MalformedRow> { };

TEST_P(PropertyStreamMalformed, StopsAfterTheWholeRecordsAndNamesTheFault)
{
    auto const& row = GetParam();
    std::vector<std::size_t> visited_ends;
    auto error = fw::for_each_property_record(
        row.bytes, type_of, [&](fw::StreamRecord const& record) { visited_ends.push_back(record.end()); });

    ASSERT_TRUE(error);
    EXPECT_EQ(error->fault, row.fault);
    EXPECT_EQ(error->property, row.property);
    EXPECT_EQ(error->record_offset, 10U);
    EXPECT_EQ(error->offset, row.offset);
    EXPECT_EQ(visited_ends, std::vector<std::size_t> { 10 });
}

Bytes after_width(Stream tail)
{
    auto stream = width_772();
    stream.bytes.insert(stream.bytes.end(), tail.bytes.begin(), tail.bytes.end());
    return stream.bytes;
}

INSTANTIATE_TEST_SUITE_P(Rows, PropertyStreamMalformed,
    testing::Values(MalformedRow { "UnknownName", after_width(Stream {}.name("Colour").raw({ 1, 2, 3 })),
                        StreamFault::UnknownProperty, "Colour", 10 },
        MalformedRow { "CutInsideName", after_width(Stream {}.text("Visi")), StreamFault::NameCut, "Visi", 10 },
        MalformedRow { "NameWithoutSpace", after_width(Stream {}.text("Visible").raw({ 0x01 })),
            StreamFault::MissingSpace, "Visible", 17 },
        MalformedRow { "TrailingTerminator", after_width(Stream {}.raw({ 0x00 })), StreamFault::MissingName, "", 10 },
        MalformedRow { "StraySpace", after_width(Stream {}.raw({ 0x20 }).name("Visible").raw({ 0 })),
            StreamFault::MissingName, "", 10 },
        MalformedRow { "CutInsideInteger", after_width(Stream {}.name("Left").raw({ 0, 0, 1 })), StreamFault::ValueCut,
            "Left", 15 },
        MalformedRow {
            "CutBeforeBoolean", after_width(Stream {}.name("Visible")), StreamFault::ValueCut, "Visible", 18 },
        MalformedRow { "CutInsideColor", after_width(Stream {}.name("BackColor").raw({ 0xFF, 0xFF })),
            StreamFault::ValueCut, "BackColor", 20 },
        MalformedRow { "CutInsideStringCount", after_width(Stream {}.name("Title").raw({ 0, 0, 0 })),
            StreamFault::ValueCut, "Title", 16 },
        MalformedRow { "CutInsideStringBody", after_width(Stream {}.name("Title").raw({ 0, 0, 0, 7 }).text("Quor")),
            StreamFault::StringCut, "Title", 16 },
        MalformedRow { "CountLargerThanWhatIsLeft",
            after_width(Stream {}.name("Title").raw({ 0, 0, 0, 0x40 }).text("Quorvel").name("Visible").raw({ 1 })),
            StreamFault::StringCut, "Title", 16 },
        MalformedRow { "CountFFFFFFFF", after_width(Stream {}.name("Title").raw({ 0xFF, 0xFF, 0xFF, 0xFF }).text("Q")),
            StreamFault::StringCut, "Title", 16 },
        MalformedRow { "BooleanByteTwo", after_width(Stream {}.name("Visible").raw({ 0x02 })), StreamFault::BadBoolean,
            "Visible", 18 }),
    [](auto const& info) { return std::string(info.param.label); });

TEST(PropertyStreamError, MessageNamesThePropertyAndTheOffsets)
{
    auto decoded = decode(after_width(Stream {}.name("Left").raw({ 0, 0 })));
    ASSERT_TRUE(decoded.error);
    auto const message = decoded.error->message();
    EXPECT_NE(message.find("\"Left\""), std::string::npos) << message;
    EXPECT_NE(message.find("byte 15"), std::string::npos) << message;
    EXPECT_NE(message.find("byte 10"), std::string::npos) << message;
}

// The encoder, against the byte examples the format is documented with.
namespace records = fw::property_records;

constexpr auto placement_2 = fw::encode_property_stream([] { return std::array { records::integer("Placement", 2) }; });
static_assert(placement_2
    == std::array<unsigned char, 14> { 0x50, 0x6C, 0x61, 0x63, 0x65, 0x6D, 0x65, 0x6E, 0x74, 0x20, 0, 0, 0, 2 });
constexpr auto white
    = fw::encode_property_stream([] { return std::array { records::color("BackColor", 255, 255, 255) }; });
static_assert(white.size() == 13 && white[9] == 0x20 && white[10] == 0xFF && white[12] == 0xFF);
constexpr auto empty_format = fw::encode_property_stream([] { return std::array { records::string("Format", "") }; });
static_assert(empty_format == std::array<unsigned char, 11> { 'F', 'o', 'r', 'm', 'a', 't', 0x20, 0, 0, 0, 0 });
constexpr auto index_min = fw::encode_property_stream(
    [] { return std::array { records::integer("Index", std::numeric_limits<std::int32_t>::min()) }; });
static_assert(index_min[6] == 0x80 && index_min[7] == 0 && index_min[9] == 0);

TEST(PropertyStreamEncoder, RoundTripsThroughTheDecoder)
{
    static constexpr auto bytes = fw::encode_property_stream([] {
        return std::array { records::boolean("Visible", false), records::string("Title", "Quorvel"),
            records::integer("Left", -7), records::color("BackColor", 1, 2, 3) };
    });
    auto decoded = fw::decode_property_stream(bytes, type_of);

    ASSERT_FALSE(decoded.error);
    ASSERT_EQ(decoded.records.size(), 4U);
    EXPECT_EQ(std::get<bool>(decoded.records[0].value), false);
    EXPECT_EQ(std::get<std::string_view>(decoded.records[1].value), "Quorvel");
    EXPECT_EQ(std::get<std::int32_t>(decoded.records[2].value), -7);
    EXPECT_EQ(std::get<fw::Color>(decoded.records[3].value), (fw::Color { 1, 2, 3 }));
}

}
