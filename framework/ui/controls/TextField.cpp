#include "framework/ui/controls/TextField.h"

#include "framework/ui/controls/Control_p.h"

#include <QLineEdit>

// TextField on a QLineEdit. Alignment: 0 (default) and 1 left, 2 centred,
// 3 right. Format, Mask, AcceptTabs, UseFocusRing, the spelling check and
// the data binding are only kept: a single-line field has no use for tabs,
// and the desktop draws its own focus frame.

namespace fw {

namespace {

    class TextFieldPrivate final : public StyledControlPrivate {
    public:
        TextFieldPrivate()
            : StyledControlPrivate(new QLineEdit, QPalette::Text)
        {
        }
        QLineEdit& edit() const { return static_cast<QLineEdit&>(*widget()); }

        Color back_color { 255, 255, 255 };
        bool border { true };
        bool password { false };
        bool use_focus_ring { true };
        bool read_only { false };
        bool accept_tabs { false };
        bool check_spelling { false };
        std::int32_t limit_text { 0 };
        std::int32_t alignment { 0 };
        String format;
        String mask;
        String data_source;
        String data_field;
    };

    TextFieldPrivate& p(TextField const& field) { return private_of<TextFieldPrivate>(field); }

    Qt::Alignment horizontal_alignment(std::int32_t alignment)
    {
        switch (alignment) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
        }
    }

}

TextField::TextField()
    : StyledControl(std::make_unique<TextFieldPrivate>())
{
    d().apply_focus_policy();
    d().watch(*this,
        { .key_down = TextFieldKeyDown,
            .got_focus = TextFieldGotFocus,
            .lost_focus = TextFieldLostFocus,
            .text_change = TextFieldTextChange });
}

String TextField::Text() const { return from_qstring(p(*this).edit().text()); }
void TextField::set_Text(String const& value) { p(*this).edit().setText(to_qstring(value)); }

Color TextField::BackColor() const { return p(*this).back_color; }
void TextField::set_BackColor(Color value)
{
    p(*this).back_color = value;
    set_palette_color(p(*this).edit(), QPalette::Base, value);
}
bool TextField::Border() const { return p(*this).border; }
void TextField::set_Border(bool value)
{
    p(*this).border = value;
    p(*this).edit().setFrame(value);
}
bool TextField::Password() const { return p(*this).password; }
void TextField::set_Password(bool value)
{
    p(*this).password = value;
    p(*this).edit().setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}
String TextField::CueText() const { return from_qstring(p(*this).edit().placeholderText()); }
void TextField::set_CueText(String const& value) { p(*this).edit().setPlaceholderText(to_qstring(value)); }
bool TextField::ReadOnly() const { return p(*this).read_only; }
void TextField::set_ReadOnly(bool value)
{
    p(*this).read_only = value;
    p(*this).edit().setReadOnly(value);
}
std::int32_t TextField::LimitText() const { return p(*this).limit_text; }
void TextField::set_LimitText(std::int32_t value)
{
    p(*this).limit_text = value;
    p(*this).edit().setMaxLength(value > 0 ? value : 32767);
}
std::int32_t TextField::Alignment() const { return p(*this).alignment; }
void TextField::set_Alignment(std::int32_t value)
{
    p(*this).alignment = value;
    p(*this).edit().setAlignment(horizontal_alignment(value) | Qt::AlignVCenter);
}

bool TextField::UseFocusRing() const { return p(*this).use_focus_ring; }
void TextField::set_UseFocusRing(bool value) { p(*this).use_focus_ring = value; }
String TextField::Format() const { return p(*this).format; }
void TextField::set_Format(String const& value) { p(*this).format = value; }
String TextField::Mask() const { return p(*this).mask; }
void TextField::set_Mask(String const& value) { p(*this).mask = value; }
bool TextField::AcceptTabs() const { return p(*this).accept_tabs; }
void TextField::set_AcceptTabs(bool value) { p(*this).accept_tabs = value; }
bool TextField::AutomaticallyCheckSpelling() const { return p(*this).check_spelling; }
void TextField::set_AutomaticallyCheckSpelling(bool value) { p(*this).check_spelling = value; }
String TextField::DataSource() const { return p(*this).data_source; }
void TextField::set_DataSource(String const& value) { p(*this).data_source = value; }
String TextField::DataField() const { return p(*this).data_field; }
void TextField::set_DataField(String const& value) { p(*this).data_field = value; }

}
