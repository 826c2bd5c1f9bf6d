#pragma once

// Label: static text in a window.

#include "framework/ui/controls/RectControl.h"

namespace fw {

class Label : public RectControl {
    FW_OBJECT(Label)
public:
    Label();

    String Text() const;
    void set_Text(String const&);
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
    std::int32_t TextAlign() const;
    void set_TextAlign(std::int32_t);
    bool MultiLine() const;
    void set_MultiLine(bool);
    bool Selectable() const;
    void set_Selectable(bool);
    bool Transparent() const;
    void set_Transparent(bool);
    String DataSource() const;
    void set_DataSource(String const&);
    String DataField() const;
    void set_DataField(String const&);
};

}
