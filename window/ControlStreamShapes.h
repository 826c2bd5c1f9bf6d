#pragma once

// The record lists that all streams of one control class share. The seven
// TextField streams differ only in the values of TextFieldValues, and the
// six Label streams only in those of LabelValues; everything else, and the
// order of the records, is the same in each.

#include "framework/ui/streams/PropertyStreamEncoder.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace stored_layout {

struct Rgb {
    std::uint8_t red, green, blue;
};
inline constexpr Rgb black { 0x00, 0x00, 0x00 };
inline constexpr Rgb red { 0xFF, 0x00, 0x00 };

// Every control stream starts with Index -2147483648 (80 00 00 00).
inline constexpr std::int32_t no_index = std::numeric_limits<std::int32_t>::min();

struct TextFieldValues {
    std::string_view name;
    std::int32_t left, top, width, height, tab_index;
    bool read_only;
    std::int32_t alignment;
    Rgb text_color;
    std::string_view help_tag;
};

constexpr std::array<fw::property_records::Record, 37> text_field_records(TextFieldValues const& v)
{
    using namespace fw::property_records;
    return { {
        string("Name", v.name),
        integer("Index", no_index),
        integer("Left", v.left),
        integer("Top", v.top),
        integer("Width", v.width),
        integer("Height", v.height),
        boolean("LockLeft", false),
        boolean("LockTop", false),
        boolean("LockRight", false),
        boolean("LockBottom", false),
        integer("TabPanelIndex", 0),
        integer("TabIndex", v.tab_index),
        boolean("TabStop", true),
        boolean("Border", true),
        boolean("Password", false),
        boolean("UseFocusRing", true),
        color("TextColor", v.text_color.red, v.text_color.green, v.text_color.blue),
        color("BackColor", 0xFF, 0xFF, 0xFF),
        boolean("Enabled", true),
        string("Format", ""),
        boolean("Visible", true),
        string("HelpTag", v.help_tag),
        boolean("AutoDeactivate", true),
        string("TextFont", "Charcoal"),
        boolean("Bold", false),
        boolean("Italic", false),
        boolean("Underline", false),
        string("CueText", ""),
        string("Text", ""),
        string("Mask", ""),
        boolean("ReadOnly", v.read_only),
        integer("LimitText", 0),
        boolean("AcceptTabs", false),
        integer("Alignment", v.alignment),
        boolean("AutomaticallyCheckSpelling", false),
        string("DataSource", ""),
        string("DataField", ""),
    } };
}

struct LabelValues {
    std::string_view name;
    std::int32_t left, top, width, height, tab_index;
    std::string_view text;
    std::int32_t text_align;
    Rgb text_color;
};

// NOTE: A Label stream has no TabStop record, and spells its MultiLine
// property "Multiline"; the names are matched without regard to case.
constexpr std::array<fw::property_records::Record, 29> label_records(LabelValues const& v)
{
    using namespace fw::property_records;
    return { {
        string("Name", v.name),
        integer("Index", no_index),
        integer("Left", v.left),
        integer("Top", v.top),
        integer("Width", v.width),
        integer("Height", v.height),
        boolean("LockLeft", false),
        boolean("LockTop", false),
        boolean("LockRight", false),
        boolean("LockBottom", false),
        integer("TabPanelIndex", 0),
        integer("TabIndex", v.tab_index),
        string("Text", v.text),
        integer("TextAlign", v.text_align),
        color("TextColor", v.text_color.red, v.text_color.green, v.text_color.blue),
        boolean("Multiline", false),
        boolean("Enabled", true),
        boolean("Visible", true),
        boolean("Selectable", false),
        boolean("Transparent", false),
        string("HelpTag", ""),
        boolean("AutoDeactivate", true),
        string("TextFont", "System"),
        boolean("Bold", false),
        boolean("Italic", false),
        boolean("Underline", false),
        string("DataSource", ""),
        string("DataField", ""),
        string("InitialParent", ""),
    } };
}

}
