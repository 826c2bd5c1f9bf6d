// The fifteen stored streams, read by a decoder of this file's own (not the
// framework's) and compared with the layout tables record by record.

#include "window/StoredLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

using Rgb = std::array<unsigned char, 3>;
using Value = std::variant<bool, std::int32_t, Rgb, std::string>;

struct Record {
    std::string name;
    Value value;
    friend bool operator==(Record const&, Record const&) = default;
};
using Records = std::vector<Record>;

std::ostream& operator<<(std::ostream& out, Record const& record)
{
    out << record.name << " = ";
    std::visit(
        [&](auto const& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Rgb>)
                out << int(v[0]) << ' ' << int(v[1]) << ' ' << int(v[2]);
            else
                out << v;
        },
        record.value);
    return out;
}

// Declared types of every stored name: B Boolean, I Integer, C Color, S String.
std::map<std::string, char> stored_types()
{
    std::map<std::string, char> types;
    auto add = [&](char type, std::initializer_list<char const*> names) {
        for (auto const* name : names)
            types[name] = type;
    };
    add('I',
        { "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID",
            "Index", "Left", "Top", "TabPanelIndex", "TabIndex", "LimitText", "Alignment", "TextAlign", "CaptionAlign",
            "CaptionPlacement", "CaptionDelta", "IconAlign", "IconDX", "IconDY", "Bevel", "HasMenu", "MenuValue",
            "ButtonType" });
    add('B',
        { "Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
            "LiveResize", "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop", "LockRight", "LockBottom",
            "TabStop", "Border", "Password", "UseFocusRing", "Enabled", "AutoDeactivate", "Bold", "Italic", "Underline",
            "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling", "Multiline", "Selectable", "Transparent", "Value",
            "AcceptFocus" });
    add('C', { "BackColor", "TextColor" });
    add('S',
        { "Title", "Name", "Format", "HelpTag", "TextFont", "CueText", "Text", "Mask", "DataSource", "DataField",
            "InitialParent", "Caption" });
    return types;
}

// A deliberately plain reader: throws on anything it cannot take apart.
// skip_marker and want_terminator model readers of the wrong format.
struct TestReader {
    std::map<std::string, char> types = stored_types();
    bool skip_marker = false;
    bool want_terminator = false;

    Records read(fw::ByteView bytes) const
    {
        std::size_t at = skip_marker ? 1 : 0;
        std::size_t const end = want_terminator ? bytes.size() - 1 : bytes.size();
        if (bytes.empty() || (want_terminator && bytes[end] != 0))
            throw std::runtime_error("no marker or terminator");
        Records records;
        while (at < end) {
            std::size_t space = at;
            while (space < end && bytes[space] != ' ')
                ++space;
            if (space == end)
                throw std::runtime_error("no space after a name");
            std::string name(bytes.begin() + at, bytes.begin() + space);
            auto type = types.find(name);
            if (type == types.end())
                throw std::runtime_error("unknown name " + name);
            at = space + 1;
            records.push_back({ name, value(type->second, bytes, at, end) });
        }
        return records;
    }

    static Value value(char type, fw::ByteView bytes, std::size_t& at, std::size_t end)
    {
        auto take = [&](std::size_t n) {
            if (end - at < n)
                throw std::runtime_error("value cut short");
            at += n;
            return bytes.subspan(at - n, n);
        };
        auto be32 = [&] {
            auto b = take(4);
            return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
        };
        switch (type) {
        case 'B': {
            auto b = take(1)[0];
            if (b > 1)
                throw std::runtime_error("Boolean byte not 0 or 1");
            return b == 1;
        }
        case 'I':
            return std::int32_t(be32());
        case 'C': {
            auto b = take(3);
            return Rgb { b[0], b[1], b[2] };
        }
        default: {
            auto text = take(be32());
            return std::string(text.begin(), text.end());
        }
        }
    }
};

constexpr Rgb black { 0, 0, 0 };
constexpr Rgb white { 0xFF, 0xFF, 0xFF };
constexpr Rgb red { 0xFF, 0, 0 };
constexpr std::int32_t no_index = std::numeric_limits<std::int32_t>::min();

Records const window_records {
    { "Placement", 2 },
    { "Width", 772 },
    { "Height", 84 },
    { "MinWidth", 64 },
    { "MinHeight", 64 },
    { "MaxWidth", 32000 },
    { "MaxHeight", 32000 },
    { "Frame", 0 },
    { "Composite", false },
    { "HasBackColor", false },
    { "BackColor", white },
    { "Title", "Quorvel" },
    { "Visible", true },
    { "FullScreen", false },
    { "MenuBarVisible", true },
    { "CloseButton", true },
    { "Resizeable", false },
    { "LiveResize", true },
    { "MaximizeButton", false },
    { "MinimizeButton", false },
    { "MacProcID", 0 },
};

Records const bevel_button_records {
    { "Name", "BevelButton1" },
    { "Index", no_index },
    { "Left", 148 },
    { "Top", 11 },
    { "Width", 69 },
    { "Height", 42 },
    { "LockLeft", true },
    { "LockTop", true },
    { "LockRight", false },
    { "LockBottom", false },
    { "TabPanelIndex", 0 },
    { "TabIndex", 14 },
    { "TabStop", true },
    { "InitialParent", "" },
    { "Visible", true },
    { "HelpTag", "Calculate the days between these dates." },
    { "AutoDeactivate", true },
    { "Enabled", true },
    { "Caption", "GO" },
    { "CaptionAlign", 3 },
    { "CaptionPlacement", 1 },
    { "CaptionDelta", 0 },
    { "IconAlign", 0 },
    { "IconDX", 0 },
    { "IconDY", 0 },
    { "Bevel", 0 },
    { "HasMenu", 0 },
    { "HasBackColor", false },
    { "BackColor", black },
    { "TextColor", black },
    { "Value", false },
    { "MenuValue", 0 },
    { "ButtonType", 0 },
    { "AcceptFocus", false },
    { "TextFont", "System" },
    { "Bold", false },
    { "Italic", false },
    { "Underline", false },
};

struct Field {
    std::string name;
    std::int32_t left, top, width, height, tab_index;
    bool read_only;
    std::int32_t alignment;
    Rgb text_color;
    std::string help_tag;
};

Records text_field_records(Field const& f)
{
    return {
        { "Name", f.name },
        { "Index", no_index },
        { "Left", f.left },
        { "Top", f.top },
        { "Width", f.width },
        { "Height", f.height },
        { "LockLeft", false },
        { "LockTop", false },
        { "LockRight", false },
        { "LockBottom", false },
        { "TabPanelIndex", 0 },
        { "TabIndex", f.tab_index },
        { "TabStop", true },
        { "Border", true },
        { "Password", false },
        { "UseFocusRing", true },
        { "TextColor", f.text_color },
        { "BackColor", white },
        { "Enabled", true },
        { "Format", "" },
        { "Visible", true },
        { "HelpTag", f.help_tag },
        { "AutoDeactivate", true },
        { "TextFont", "Charcoal" },
        { "Bold", false },
        { "Italic", false },
        { "Underline", false },
        { "CueText", "" },
        { "Text", "" },
        { "Mask", "" },
        { "ReadOnly", f.read_only },
        { "LimitText", 0 },
        { "AcceptTabs", false },
        { "Alignment", f.alignment },
        { "AutomaticallyCheckSpelling", false },
        { "DataSource", "" },
        { "DataField", "" },
    };
}

struct Caption {
    std::string name;
    std::int32_t left, top, width, height, tab_index;
    std::string text;
    std::int32_t text_align;
    Rgb text_color;
};

Records label_records(Caption const& c)
{
    return {
        { "Name", c.name },
        { "Index", no_index },
        { "Left", c.left },
        { "Top", c.top },
        { "Width", c.width },
        { "Height", c.height },
        { "LockLeft", false },
        { "LockTop", false },
        { "LockRight", false },
        { "LockBottom", false },
        { "TabPanelIndex", 0 },
        { "TabIndex", c.tab_index },
        { "Text", c.text },
        { "TextAlign", c.text_align },
        { "TextColor", c.text_color },
        { "Multiline", false },
        { "Enabled", true },
        { "Visible", true },
        { "Selectable", false },
        { "Transparent", false },
        { "HelpTag", "" },
        { "AutoDeactivate", true },
        { "TextFont", "System" },
        { "Bold", false },
        { "Italic", false },
        { "Underline", false },
        { "DataSource", "" },
        { "DataField", "" },
        { "InitialParent", "" },
    };
}

std::map<std::string, Records> expected_control_streams()
{
    std::map<std::string, Records> streams;
    for (Field const& f : std::initializer_list<Field> {
             { "efStart", 48, 7, 89, 22, 0, false, 0, black, "Start date of interest" },
             { "efEnd", 48, 36, 89, 22, 1, false, 0, black, "End date of interest" },
             { "efStartDay", 227, 7, 80, 22, 6, true, 0, black, "Weekday of the start date." },
             { "efEndDay", 227, 36, 80, 22, 7, true, 0, black, "Weekday of the end date." },
             { "efWeekdays", 318, 7, 140, 51, 8, true, 3, black, "Number of weekdays between the dates." },
             { "efWeekenddays", 469, 7, 140, 51, 9, true, 3, red, "Number of weekend days between the dates." },
             { "efTotal", 620, 7, 140, 51, 12, true, 3, black, "Total number of days between the dates." },
         })
        streams[f.name] = text_field_records(f);
    for (Caption const& c : std::initializer_list<Caption> {
             { "StaticText1", 4, 8, 39, 21, 2, "Start: ", 0, black },
             { "StaticText2", 4, 37, 39, 20, 3, "End:", 0, black },
             { "StaticText3", 13, 66, 294, 17, 5, "N.B. Includes the start day.  Don't forget to allow for holidays", 0,
                 black },
             { "StaticText4", 347, 60, 80, 20, 10, "Weekdays", 1, black },
             { "StaticText5", 500, 59, 80, 20, 11, "Weekend", 1, red },
             { "StaticText6", 653, 59, 80, 20, 13, "Total", 1, black },
         })
        streams[c.name] = label_records(c);
    streams["BevelButton1"] = bevel_button_records;
    return streams;
}

std::size_t encoded_length(Records const& records)
{
    std::size_t length = 0;
    for (auto const& record : records) {
        length += record.name.size() + 1;
        std::size_t const widths[] = { 1, 4, 3, 4 };
        length += widths[record.value.index()];
        if (auto const* text = std::get_if<std::string>(&record.value))
            length += text->size();
    }
    return length;
}

void expect_stream(fw::ByteView bytes, Records const& expected)
{
    EXPECT_EQ(bytes.size(), encoded_length(expected));
    Records const actual = TestReader {}.read(bytes);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "record " << i + 1;
}

TEST(StoredStreams, WindowStreamHoldsItsTwentyOneRecords)
{
    ASSERT_EQ(window_records.size(), 21U);
    expect_stream(stored_layout::window_stream(), window_records);
}

TEST(StoredStreams, EachControlStreamHoldsItsRecords)
{
    auto const expected = expected_control_streams();
    ASSERT_EQ(expected.size(), 14U);
    std::map<std::string_view, std::size_t> const counts { { "TextField", 37 }, { "Label", 29 },
        { "BevelButton", 38 } };
    for (auto const& control : stored_layout::creation_order) {
        SCOPED_TRACE(std::string(control.name));
        auto const& records = expected.at(std::string(control.name));
        EXPECT_EQ(records.size(), counts.at(control.class_name));
        expect_stream(stored_layout::control_stream(control.name), records);
    }
}

TEST(StoredStreams, EveryControlIsCreatedOnceUnderTheNameItsStreamGives)
{
    std::set<std::string_view> names;
    for (auto const& control : stored_layout::creation_order) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        auto const records = TestReader {}.read(stored_layout::control_stream(control.name));
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.front(), (Record { "Name", std::string(control.name) }));
    }
    EXPECT_TRUE(stored_layout::control_stream("efstart").empty());
    EXPECT_TRUE(stored_layout::control_stream("frmMain").empty());
}

TEST(StoredStreams, NamesOfDifferentCaseAreStoredAsTheyAre)
{
    auto const window = TestReader {}.read(stored_layout::window_stream());
    EXPECT_EQ(window.back().name, "MacProcID");
    auto const label = TestReader {}.read(stored_layout::control_stream("StaticText1"));
    EXPECT_EQ(label[15].name, "Multiline");
}

TEST(StoredStreams, HasMenuIsFourBytesWide)
{
    auto const bytes = stored_layout::control_stream("BevelButton1");
    std::string const text(bytes.begin(), bytes.end());
    auto const at = text.find("HasMenu ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at + 8, 4), std::string(4, '\0'));
    EXPECT_EQ(text.substr(at + 12, 13), "HasBackColor ");

    TestReader as_boolean;
    as_boolean.types["HasMenu"] = 'B';
    EXPECT_THROW(as_boolean.read(bytes), std::runtime_error);
}

TEST(StoredStreams, AnEmptyFormatIsFollowedDirectlyByTheNextName)
{
    auto const bytes = stored_layout::control_stream("efStart");
    std::string const text(bytes.begin(), bytes.end());
    auto const at = text.find("Format ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at + 7, 4 + 8), std::string(4, '\0') + "Visible ");
}

TEST(StoredStreams, IndexIsTheSmallestInt32)
{
    auto const bytes = stored_layout::control_stream("efTotal");
    std::string const text(bytes.begin(), bytes.end());
    auto const at = text.find("Index ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at + 6, 4), std::string("\x80\0\0\0", 4));
}

TEST(StoredStreams, NoStreamHasAMarkerOrTerminator)
{
    TestReader with_marker;
    with_marker.skip_marker = true;
    TestReader with_terminator;
    with_terminator.want_terminator = true;
    std::vector<fw::ByteView> streams { stored_layout::window_stream() };
    for (auto const& control : stored_layout::creation_order)
        streams.push_back(stored_layout::control_stream(control.name));
    for (auto const bytes : streams) {
        EXPECT_THROW(with_marker.read(bytes), std::runtime_error);
        EXPECT_THROW(with_terminator.read(bytes), std::runtime_error);
    }
}

}
