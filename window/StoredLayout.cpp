#include "window/StoredLayout.h"
#include "window/ControlStreamShapes.h"

#include <span>
#include <utility>

namespace stored_layout {

namespace {

    using namespace fw::property_records;

    // NOTE: "MacProcID" is stored in that spelling; it sets MacProcId.
    constexpr auto window_bytes = fw::encode_property_stream([] {
        return std::array {
            integer("Placement", 2),
            integer("Width", 772),
            integer("Height", 84),
            integer("MinWidth", 64),
            integer("MinHeight", 64),
            integer("MaxWidth", 32000),
            integer("MaxHeight", 32000),
            integer("Frame", 0),
            boolean("Composite", false),
            boolean("HasBackColor", false),
            color("BackColor", 0xFF, 0xFF, 0xFF),
            string("Title", "Quorvel"),
            boolean("Visible", true),
            boolean("FullScreen", false),
            boolean("MenuBarVisible", true),
            boolean("CloseButton", true),
            boolean("Resizeable", false),
            boolean("LiveResize", true),
            boolean("MaximizeButton", false),
            boolean("MinimizeButton", false),
            integer("MacProcID", 0),
        };
    });

    // clang-format off
constexpr std::array<TextFieldValues, 7> text_fields { {
    // name             left  top  width height tab  read-only align colour help tag
    { "efStart",          48,   7,    89,  22,    0, false,     0,    black, "Start date of interest" },
    { "efEnd",            48,  36,    89,  22,    1, false,     0,    black, "End date of interest" },
    { "efStartDay",      227,   7,    80,  22,    6, true,      0,    black, "Weekday of the start date." },
    { "efEndDay",        227,  36,    80,  22,    7, true,      0,    black, "Weekday of the end date." },
    { "efWeekdays",      318,   7,   140,  51,    8, true,      3,    black, "Number of weekdays between the dates." },
    { "efWeekenddays",   469,   7,   140,  51,    9, true,      3,    red,   "Number of weekend days between the dates." },
    { "efTotal",         620,   7,   140,  51,   12, true,      3,    black, "Total number of days between the dates." },
} };

constexpr std::array<LabelValues, 6> labels { {
    // name           left  top  width height tab  text                                                                  align colour
    { "StaticText1",     4,   8,    39,  21,    2, "Start: ",                                                             0,   black },
    { "StaticText2",     4,  37,    39,  20,    3, "End:",                                                                0,   black },
    { "StaticText3",    13,  66,   294,  17,    5, "N.B. Includes the start day.  Don't forget to allow for holidays",   0,   black },
    { "StaticText4",   347,  60,    80,  20,   10, "Weekdays",                                                            1,   black },
    { "StaticText5",   500,  59,    80,  20,   11, "Weekend",                                                             1,   red },
    { "StaticText6",   653,  59,    80,  20,   13, "Total",                                                               1,   black },
} };
    // clang-format on

    // NOTE: HasMenu is an Integer (4 bytes), not a Boolean.
    constexpr auto bevel_button_bytes = fw::encode_property_stream([] {
        return std::array {
            string("Name", "BevelButton1"),
            integer("Index", no_index),
            integer("Left", 148),
            integer("Top", 11),
            integer("Width", 69),
            integer("Height", 42),
            boolean("LockLeft", true),
            boolean("LockTop", true),
            boolean("LockRight", false),
            boolean("LockBottom", false),
            integer("TabPanelIndex", 0),
            integer("TabIndex", 14),
            boolean("TabStop", true),
            string("InitialParent", ""),
            boolean("Visible", true),
            string("HelpTag", "Calculate the days between these dates."),
            boolean("AutoDeactivate", true),
            boolean("Enabled", true),
            string("Caption", "GO"),
            integer("CaptionAlign", 3),
            integer("CaptionPlacement", 1),
            integer("CaptionDelta", 0),
            integer("IconAlign", 0),
            integer("IconDX", 0),
            integer("IconDY", 0),
            integer("Bevel", 0),
            integer("HasMenu", 0),
            boolean("HasBackColor", false),
            color("BackColor", 0x00, 0x00, 0x00),
            color("TextColor", 0x00, 0x00, 0x00),
            boolean("Value", false),
            integer("MenuValue", 0),
            integer("ButtonType", 0),
            boolean("AcceptFocus", false),
            string("TextFont", "System"),
            boolean("Bold", false),
            boolean("Italic", false),
            boolean("Underline", false),
        };
    });

    template<std::size_t I>
    constexpr auto text_field_bytes = fw::encode_property_stream([] { return text_field_records(text_fields[I]); });
    template<std::size_t I>
    constexpr auto label_bytes = fw::encode_property_stream([] { return label_records(labels[I]); });

    struct NamedStream {
        std::string_view name;
        fw::ByteView bytes;
    };

    template<std::size_t... I>
    constexpr auto text_field_streams(std::index_sequence<I...>)
    {
        return std::array { NamedStream { text_fields[I].name, text_field_bytes<I> }... };
    }
    template<std::size_t... I>
    constexpr auto label_streams(std::index_sequence<I...>)
    {
        return std::array { NamedStream { labels[I].name, label_bytes<I> }... };
    }

    constexpr auto s_text_field_streams = text_field_streams(std::make_index_sequence<text_fields.size()>());
    constexpr auto s_label_streams = label_streams(std::make_index_sequence<labels.size()>());
    constexpr std::array s_button_streams { NamedStream { "BevelButton1", bevel_button_bytes } };

}

fw::ByteView window_stream() { return window_bytes; }

fw::ByteView control_stream(std::string_view control_name)
{
    using Streams = std::span<NamedStream const>;
    for (Streams streams : { Streams(s_text_field_streams), Streams(s_label_streams), Streams(s_button_streams) }) {
        for (auto const& stream : streams) {
            if (stream.name == control_name)
                return stream.bytes;
        }
    }
    return {};
}

}
