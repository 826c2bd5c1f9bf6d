// _SetProperties: records applied through the target's own and inherited
// property setters; malformed streams refused at the first bad byte with
// everything before it set.

#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/streams/SetProperties.h"
#include "tests/ui/UiTestSupport.h"

#include <QLineEdit>

using namespace fw;

namespace {

// A writer of the stream format for the tests, independent of the
// production encoder.
class Stream {
public:
    Stream& name(std::string const& text)
    {
        append(text);
        bytes.push_back(' ');
        return *this;
    }
    Stream& boolean(std::string const& property, bool value)
    {
        name(property);
        bytes.push_back(value ? 1 : 0);
        return *this;
    }
    Stream& integer(std::string const& property, std::int32_t value)
    {
        name(property);
        return u32(std::uint32_t(value));
    }
    Stream& color(std::string const& property, std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        name(property);
        bytes.insert(bytes.end(), { r, g, b });
        return *this;
    }
    Stream& string(std::string const& property, std::string const& value)
    {
        name(property);
        u32(std::uint32_t(value.size()));
        append(value);
        return *this;
    }
    Stream& u32(std::uint32_t value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(std::uint8_t(value >> shift));
        return *this;
    }
    Stream& cut(std::size_t size)
    {
        bytes.resize(size);
        return *this;
    }
    std::span<unsigned char const> view() const { return bytes; }

    std::vector<unsigned char> bytes;

private:
    void append(std::string const& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
};

std::string raised_message(Object* target, Stream const& stream)
{
    try {
        _SetProperties(target, stream.view());
    } catch (RuntimeError const& error) {
        return error.exception().message();
    }
    return "(nothing raised)";
}

class SetProperties : public uitest::UiTest {
protected:
    void drop_members() override { field = nullptr; }
    Ref<TextField> field { make<TextField>() };
};

TEST_F(SetProperties, SetsEachTypeThroughOwnAndInheritedProperties)
{
    Stream s;
    s.string("Name", "efWeekenddays")
        .integer("Index", std::numeric_limits<std::int32_t>::min())
        .integer("Left", 469)
        .boolean("ReadOnly", true)
        .color("TextColor", 0xFF, 0, 0)
        .string("Format", "")
        .string("HelpTag", "Number of weekend days between the dates.")
        .integer("Alignment", 3);
    _SetProperties(field.ptr(), s.view());
    EXPECT_EQ(field->Name(), "efWeekenddays");
    EXPECT_EQ(field->Index(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(field->Left(), 469);
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(field->TextColor(), (Color { 0xFF, 0, 0 }));
    EXPECT_EQ(field->Format(), "");
    EXPECT_EQ(field->HelpTag(), "Number of weekend days between the dates.");
    EXPECT_EQ(field->Alignment(), 3);
}

TEST_F(SetProperties, NamesMatchWithoutRegardToCase)
{
    auto label = make<Label>();
    _SetProperties(label.ptr(), Stream().boolean("Multiline", true).view());
    EXPECT_TRUE(label->MultiLine());
    auto window = make<Window>();
    _SetProperties(window.ptr(), Stream().integer("MacProcID", 9).integer("wIdTh", 772).view());
    EXPECT_EQ(window->MacProcId(), 9);
    EXPECT_EQ(window->Width(), 772);
}

TEST_F(SetProperties, TheFontSizeSetInCodeSurvivesTheStream)
{
    field->set_TextSize(36.0f);
    _SetProperties(field.ptr(), Stream().string("TextFont", "Charcoal").boolean("Bold", false).view());
    EXPECT_FLOAT_EQ(field->TextSize(), 36.0f);
    EXPECT_EQ(field->TextFont(), "Charcoal");
}

TEST_F(SetProperties, AnEmptyStreamSetsNothing)
{
    field->set_Text("kept");
    _SetProperties(field.ptr(), {});
    EXPECT_EQ(field->Text(), "kept");
}

TEST_F(SetProperties, ANilTargetRaisesNilObject)
{
    try {
        _SetProperties(nullptr, Stream().integer("Left", 1).view());
        FAIL();
    } catch (RuntimeError const& error) {
        EXPECT_EQ(&error.exception().class_table(), &NilObjectException::__Lookup());
    }
}

struct Malformed {
    char const* name;
    Stream stream; // Left = 5 (bytes 0 to 8), then the fault at byte 9
    char const* property; // the message names it
    std::size_t offset; // and this byte
};

class MalformedStreams : public SetProperties, public ::testing::WithParamInterface<Malformed> { };

Stream good_prefix() { return Stream().integer("Left", 5); }

TEST_P(MalformedStreams, RaiseNamingThePropertyAndOffsetWithEarlierRecordsSet)
{
    auto const& row = GetParam();
    std::string const message = raised_message(field.ptr(), row.stream);
    EXPECT_NE(message.find(row.property), std::string::npos) << message;
    EXPECT_NE(message.find("byte " + std::to_string(row.offset)), std::string::npos) << message;
    EXPECT_EQ(field->Left(), 5) << "the whole record before the fault is set";
    EXPECT_EQ(field->Top(), 0) << "nothing after it";
}

INSTANTIATE_TEST_SUITE_P(Faults, MalformedStreams,
    ::testing::Values(Malformed { "UnknownName", good_prefix().integer("Bogus", 1).integer("Top", 9), "Bogus", 9 },
        Malformed { "CutInsideName", good_prefix().name("Top").cut(11), "To", 9 },
        Malformed { "CutInsideInteger", good_prefix().integer("Top", 9).cut(15), "Top", 13 },
        Malformed { "CutInsideStringCount", good_prefix().string("Text", "abc").cut(16), "Text", 14 },
        Malformed { "CountPastTheEnd", good_prefix().name("Text").u32(100).u32(0), "Text", 14 },
        Malformed { "NotStorable", good_prefix().integer("TextSize", 12).integer("Top", 9), "TextSize", 9 },
        Malformed { "NoSpace", good_prefix().integer("Top", 9).cut(12).u32(0), "Top", 12 }),
    [](auto const& info) { return std::string(info.param.name); });

}
