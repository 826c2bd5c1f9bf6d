#include "framework/ui/controls/Label.h"

#include "framework/ui/controls/Control_p.h"

#include <QLabel>

// Label on a QLabel. TextAlign: 0 left, 1 centred, 2 right; the text sits
// at the top of the label's box. MultiLine wraps words; Selectable lets the
// mouse select the text. A label never takes keyboard focus.

namespace fw {

namespace {

    class LabelPrivate final : public StyledControlPrivate {
    public:
        LabelPrivate()
            : StyledControlPrivate(new QLabel, QPalette::WindowText)
        {
            label().setAlignment(Qt::AlignLeft | Qt::AlignTop);
            tab_stop = false;
        }
        QLabel& label() const { return static_cast<QLabel&>(*widget()); }
        Qt::FocusPolicy focus_policy() const override { return Qt::NoFocus; }

        std::int32_t text_align { 0 };
        bool multi_line { false };
        bool selectable { false };
        bool transparent { false };
        String data_source;
        String data_field;
    };

    LabelPrivate& p(Label const& label) { return private_of<LabelPrivate>(label); }

    Qt::Alignment horizontal_alignment(std::int32_t align)
    {
        switch (align) {
        case 1:
            return Qt::AlignHCenter;
        case 2:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
        }
    }

}

Label::Label()
    : StyledControl(std::make_unique<LabelPrivate>())
{
    d().apply_focus_policy();
    d().watch(*this, {});
}

String Label::Text() const { return from_qstring(p(*this).label().text()); }
void Label::set_Text(String const& value) { p(*this).label().setText(to_qstring(value)); }

std::int32_t Label::TextAlign() const { return p(*this).text_align; }
void Label::set_TextAlign(std::int32_t value)
{
    p(*this).text_align = value;
    p(*this).label().setAlignment(horizontal_alignment(value) | Qt::AlignTop);
}
bool Label::MultiLine() const { return p(*this).multi_line; }
void Label::set_MultiLine(bool value)
{
    p(*this).multi_line = value;
    p(*this).label().setWordWrap(value);
}
bool Label::Selectable() const { return p(*this).selectable; }
void Label::set_Selectable(bool value)
{
    p(*this).selectable = value;
    p(*this).label().setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}
bool Label::Transparent() const { return p(*this).transparent; }
void Label::set_Transparent(bool value)
{
    p(*this).transparent = value;
    p(*this).label().setAutoFillBackground(!value);
}
String Label::DataSource() const { return p(*this).data_source; }
void Label::set_DataSource(String const& value) { p(*this).data_source = value; }
String Label::DataField() const { return p(*this).data_field; }
void Label::set_DataField(String const& value) { p(*this).data_field = value; }

}
