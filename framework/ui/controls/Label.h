#pragma once

// Label: static text in a window.

#include "framework/ui/controls/StyledControl.h"

namespace fw {

class Label : public StyledControl {
    FW_OBJECT(Label)
public:
    Label();

    String Text() const;
    void set_Text(String const&);
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
