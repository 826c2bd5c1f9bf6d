// Arbitrary bytes through the property stream decoder, typed as the window and
// a TextField would type them. ASan catches any read outside the input; the
// checks below catch records that do not tile the stream up to the error.

#include "framework/ui/streams/PropertyStream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string_view>

namespace {

using Types = std::map<std::string_view, fw::PropertyType>;

void add(Types& types, fw::PropertyType type, std::initializer_list<std::string_view> names)
{
    for (auto name : names)
        types.emplace(name, type);
}

// The window's names, then a TextField's.
Types make_types()
{
    using enum fw::PropertyType;
    Types types;
    add(types, Integer,
        { "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID" });
    add(types, Boolean,
        { "Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
            "LiveResize", "MaximizeButton", "MinimizeButton" });
    add(types, Color, { "BackColor" });
    add(types, String, { "Title" });
    add(types, Integer, { "Index", "Left", "Top", "TabPanelIndex", "TabIndex", "LimitText", "Alignment" });
    add(types, Boolean,
        { "LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop", "Border", "Password", "UseFocusRing", "Enabled",
            "AutoDeactivate", "Bold", "Italic", "Underline", "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling" });
    add(types, Color, { "TextColor" });
    add(types, String,
        { "Name", "Format", "HelpTag", "TextFont", "CueText", "Text", "Mask", "DataSource", "DataField" });
    return types;
}

fw::PropertyType type_of(std::string_view name)
{
    static Types const types = make_types();
    auto found = types.find(name);
    return found == types.end() ? fw::PropertyType::Unknown : found->second;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool all_letters(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
        [](char c) { return fw::property_stream::is_name_byte(static_cast<unsigned char>(c)); });
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    fw::ByteView const stream(data, size);
    std::size_t whole_end = 0;
    auto error = fw::for_each_property_record(stream, type_of, [&](fw::StreamRecord const& record) {
        check(record.offset == whole_end);
        check(record.end() <= size);
        check(!record.name.empty() && all_letters(record.name));
        whole_end = record.end();
    });
    if (!error) {
        check(whole_end == size);
        return 0;
    }
    check(error->record_offset == whole_end);
    check(error->offset >= error->record_offset && error->offset <= size);
    check(all_letters(error->property));
    check(!error->message().empty());
    return 0;
}
