// The text style that TextField, Label and BevelButton share: its
// properties, kept in the control's StyledControlPrivate, and their rows.

#include "framework/ui/controls/StyledControl.h"

#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/Control_p.h"

namespace fw {

namespace {
    StyledControlPrivate& styled(RectControl const& control) { return private_of<StyledControlPrivate>(control); }

    template<typename T>
    void set_font_part(RectControl const& control, T TextStyle::*part, T value)
    {
        styled(control).style.*part = value;
        styled(control).apply_font();
    }
}

float StyledControl::TextSize() const { return styled(*this).style.size; }
void StyledControl::set_TextSize(float value) { set_font_part(*this, &TextStyle::size, value); }
std::uint8_t StyledControl::TextUnit() const { return styled(*this).style.unit; }
void StyledControl::set_TextUnit(std::uint8_t value) { set_font_part(*this, &TextStyle::unit, value); }
String StyledControl::TextFont() const { return styled(*this).style.face; }
void StyledControl::set_TextFont(String const& value) { set_font_part(*this, &TextStyle::face, value); }
bool StyledControl::Bold() const { return styled(*this).style.bold; }
void StyledControl::set_Bold(bool value) { set_font_part(*this, &TextStyle::bold, value); }
bool StyledControl::Italic() const { return styled(*this).style.italic; }
void StyledControl::set_Italic(bool value) { set_font_part(*this, &TextStyle::italic, value); }
bool StyledControl::Underline() const { return styled(*this).style.underline; }
void StyledControl::set_Underline(bool value) { set_font_part(*this, &TextStyle::underline, value); }
Color StyledControl::TextColor() const { return styled(*this).style.text_color; }

void StyledControl::set_TextColor(Color value)
{
    styled(*this).style.text_color = value;
    styled(*this).apply_text_color();
}

std::span<PropertyRow const> StyledControl::text_style_rows()
{
    using T = StyledControl;
    static PropertyRow const rows[] = {
        property_row<&T::TextSize, &T::set_TextSize>("f4"),
        property_row<&T::TextUnit, &T::set_TextUnit>("u1"),
        property_row<&T::TextFont, &T::set_TextFont>("s"),
        property_row<&T::Bold, &T::set_Bold>("b"),
        property_row<&T::Italic, &T::set_Italic>("b"),
        property_row<&T::Underline, &T::set_Underline>("b"),
        property_row<&T::TextColor, &T::set_TextColor>("c"),
    };
    return rows;
}

}
