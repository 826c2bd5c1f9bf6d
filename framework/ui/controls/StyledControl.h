#pragma once

// StyledControl: what TextField, Label and BevelButton share beyond
// RectControl, their text style. Font face, size and unit, bold, italic,
// underline and text colour are declared here once, with their class-table
// rows; each of the three classes lists those rows among its own properties.
//
// A font that is not installed falls back to the desktop's default face,
// and "System" names that default face. TextSize 0 keeps the default size;
// TextUnit 0 (and 1) are pixels, 2 points, 3 inches, 4 millimetres.
//
// StyledControl has no class table of its own: to the runtime the three
// classes derive from RectControl.

#include "framework/runtime/ClassTable.h"
#include "framework/ui/controls/RectControl.h"

#include <cstdint>
#include <span>

namespace fw {

class StyledControl : public RectControl {
public:
    float TextSize() const;
    void set_TextSize(float);
    std::uint8_t TextUnit() const;
    void set_TextUnit(std::uint8_t);
    String TextFont() const;
    void set_TextFont(String const&);
    bool Bold() const;
    void set_Bold(bool);
    bool Italic() const;
    void set_Italic(bool);
    bool Underline() const;
    void set_Underline(bool);
    Color TextColor() const;
    void set_TextColor(Color);

    // The class-table rows of the properties above, in this order. TextSize
    // and TextUnit are set in code, never stored in a stream.
    static std::span<PropertyRow const> text_style_rows();

protected:
    using RectControl::RectControl;
};

}
