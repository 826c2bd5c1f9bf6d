#include "framework/ui/controls/TextField.h"

#include "framework/ui/controls/Control_p.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <optional>

// TextField on a QLineEdit. Alignment: 0 (default) and 1 left, 2 centred,
// 3 right. Format, Mask, AcceptTabs, UseFocusRing, the spelling check and
// the data binding are only kept: a single-line field has no use for tabs,
// and the desktop draws its own focus frame.

namespace fw {

namespace {

    // The line edit of a text field. An editable field draws its text in the
    // stored font and scrolls it as a line edit does, to follow the cursor. A
    // read-only field shows a result, and a result cut at its edge reads as
    // another one ("608615" for 2608615), so it never shows its text cut: a
    // text wider than its room is drawn at the largest pixel size that fits,
    // and the stored font comes back whenever the text fits in it. The size
    // goes down to 1 pixel, since a tiny whole number misleads nobody; a text
    // too wide even for that is shown from its first character.
    class FieldEdit final : public QLineEdit {
    public:
        FieldEdit()
        {
            connect(this, &QLineEdit::textChanged, this, [this] { fit(); });
        }

        void set_stored_font(QFont const& font)
        {
            m_stored = font;
            m_shrunk = false;
            setFont(font);
            fit();
        }

        // Anything that changes the room or the shown text calls this.
        void fit()
        {
            int const room = text_room();
            std::optional<QFont> const smaller = smaller_font(room);
            if (smaller && *smaller != font())
                setFont(*smaller);
            else if (!smaller && m_shrunk)
                setFont(m_stored.value_or(QFont())); // an empty font inherits again
            m_shrunk = smaller.has_value();
            if (smaller && !fits(*smaller, room) && cursorPosition() != 0)
                setCursorPosition(0);
        }

    protected:
        bool event(QEvent* event) override
        {
            bool const handled = QLineEdit::event(event);
            switch (event->type()) {
            case QEvent::Resize:
            case QEvent::StyleChange:
            case QEvent::Polish:
            case QEvent::ParentChange:
                fit();
                break;
            default:
                break;
            }
            return handled;
        }

    private:
        static constexpr int s_smallest_size = 1;
        // The room a line edit leaves clear on either side of its text.
        static constexpr int s_side_margin = 2;

        // Until a font is given, the one the field inherits.
        QFont stored_font() const
        {
            if (m_stored)
                return *m_stored;
            return parentWidget() ? parentWidget()->font() : QApplication::font(this);
        }

        // The width the line edit lays its text out in, worked out as it
        // does when it paints.
        int text_room() const
        {
            QStyleOptionFrame panel;
            initStyleOption(&panel);
            QRect const contents
                = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
            return contents.width() - 2 * s_side_margin;
        }

        // The line edit scrolls once its text's width, rounded, plus one
        // pixel is more than its room.
        bool fits(QFont const& font, int room) const
        {
            return std::lround(QFontMetricsF(font, this).horizontalAdvance(displayText())) + 1 <= room;
        }

        // The font a read-only field draws a text too wide for the stored
        // font in; nothing when the stored font is the one to draw in.
        std::optional<QFont> smaller_font(int room) const
        {
            QFont font = stored_font();
            if (!isReadOnly() || fits(font, room))
                return {};
            int const stored_size = QFontInfo(font).pixelSize();
            if (stored_size <= s_smallest_size)
                return {};
            auto fits_at = [&](int size) {
                font.setPixelSize(size);
                return fits(font, room);
            };
            // The text's width grows about in step with the size: start from
            // that guess, then step to the largest size that fits.
            double const width = QFontMetricsF(font, this).horizontalAdvance(displayText());
            int size = std::clamp(int(stored_size * (room - 1) / width), s_smallest_size, stored_size - 1);
            while (size + 1 < stored_size && fits_at(size + 1))
                ++size;
            while (size > s_smallest_size && !fits_at(size))
                --size;
            font.setPixelSize(size);
            return font;
        }

        std::optional<QFont> m_stored;
        bool m_shrunk { false };
    };

    class TextFieldPrivate final : public StyledControlPrivate {
    public:
        TextFieldPrivate()
            : StyledControlPrivate(new FieldEdit, QPalette::Text)
        {
        }
        FieldEdit& edit() const { return static_cast<FieldEdit&>(*widget()); }

        void apply_font() override
        {
            if (widget())
                edit().set_stored_font(style.font_for(edit()));
        }
        void apply_geometry() override
        {
            StyledControlPrivate::apply_geometry();
            if (widget())
                edit().fit();
        }

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
    p(*this).edit().fit();
}
bool TextField::Password() const { return p(*this).password; }
void TextField::set_Password(bool value)
{
    p(*this).password = value;
    p(*this).edit().setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
    p(*this).edit().fit();
}
String TextField::CueText() const { return from_qstring(p(*this).edit().placeholderText()); }
void TextField::set_CueText(String const& value) { p(*this).edit().setPlaceholderText(to_qstring(value)); }
bool TextField::ReadOnly() const { return p(*this).read_only; }
void TextField::set_ReadOnly(bool value)
{
    p(*this).read_only = value;
    p(*this).edit().setReadOnly(value);
    p(*this).edit().fit();
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
