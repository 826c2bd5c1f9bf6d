#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"

// The font and text-colour properties, alike in the three classes that
// declare them.

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

#define FW_TEXT_STYLE_PROPERTIES(Class)                                                                                \
    float Class::TextSize() const { return styled(*this).style.size; }                                                 \
    void Class::set_TextSize(float value) { set_font_part(*this, &TextStyle::size, value); }                           \
    std::uint8_t Class::TextUnit() const { return styled(*this).style.unit; }                                          \
    void Class::set_TextUnit(std::uint8_t value) { set_font_part(*this, &TextStyle::unit, value); }                    \
    String Class::TextFont() const { return styled(*this).style.face; }                                                \
    void Class::set_TextFont(String const& value) { set_font_part(*this, &TextStyle::face, value); }                   \
    bool Class::Bold() const { return styled(*this).style.bold; }                                                      \
    void Class::set_Bold(bool value) { set_font_part(*this, &TextStyle::bold, value); }                                \
    bool Class::Italic() const { return styled(*this).style.italic; }                                                  \
    void Class::set_Italic(bool value) { set_font_part(*this, &TextStyle::italic, value); }                            \
    bool Class::Underline() const { return styled(*this).style.underline; }                                            \
    void Class::set_Underline(bool value) { set_font_part(*this, &TextStyle::underline, value); }                      \
    Color Class::TextColor() const { return styled(*this).style.text_color; }                                          \
    void Class::set_TextColor(Color value)                                                                             \
    {                                                                                                                  \
        styled(*this).style.text_color = value;                                                                        \
        styled(*this).apply_text_color();                                                                              \
    }

FW_TEXT_STYLE_PROPERTIES(TextField)
FW_TEXT_STYLE_PROPERTIES(Label)
FW_TEXT_STYLE_PROPERTIES(BevelButton)

#undef FW_TEXT_STYLE_PROPERTIES

}
