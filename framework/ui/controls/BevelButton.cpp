#include "framework/ui/controls/BevelButton.h"

#include "framework/ui/controls/ControlEvents_p.h"

#include <QPushButton>

// BevelButton on a QPushButton. With AcceptFocus False a click leaves the
// keyboard focus where it was, and Tab still reaches the button when it is
// a tab stop. ButtonType 0 is a push button; any other type stays down and
// Value says whether it is. The caption and icon placement codes
// (CaptionAlign, CaptionPlacement, CaptionDelta, IconAlign, IconDX, IconDY),
// Bevel, HasMenu and MenuValue are only kept: the caption is centred, as the
// stored layout asks, and the button has neither icon nor menu.

namespace fw {

namespace {

    class BevelButtonPrivate final : public StyledControlPrivate {
    public:
        BevelButtonPrivate()
            : StyledControlPrivate(new QPushButton, QPalette::ButtonText)
        {
        }
        QPushButton& button() const { return static_cast<QPushButton&>(*widget()); }
        Qt::FocusPolicy focus_policy() const override
        {
            if (accept_focus)
                return tab_stop ? Qt::StrongFocus : Qt::ClickFocus;
            return tab_stop ? Qt::TabFocus : Qt::NoFocus;
        }
        void apply_back_color()
        {
            if (has_back_color)
                set_palette_color(button(), QPalette::Button, back_color);
            else
                reset_palette_color(button(), QPalette::Button);
        }

        bool has_back_color { false };
        Color back_color {};
        bool accept_focus { true };
        bool value { false };
        std::int32_t button_type { 0 };
        std::int32_t caption_align { 0 };
        std::int32_t caption_placement { 0 };
        std::int32_t caption_delta { 0 };
        std::int32_t icon_align { 0 };
        std::int32_t icon_dx { 0 };
        std::int32_t icon_dy { 0 };
        std::int32_t bevel { 0 };
        std::int32_t has_menu { 0 };
        std::int32_t menu_value { 0 };
    };

    BevelButtonPrivate& p(BevelButton const& button) { return private_of<BevelButtonPrivate>(button); }

}

BevelButton::BevelButton()
    : StyledControl(std::make_unique<BevelButtonPrivate>())
{
    d().apply_focus_policy();
    d().watch(
        *this, { .got_focus = BevelButtonGotFocus, .lost_focus = BevelButtonLostFocus, .action = BevelButtonAction });
}

void BevelButton::push() { raise_control_event(*this, BevelButtonAction); }

String BevelButton::Caption() const { return from_qstring(p(*this).button().text()); }
void BevelButton::set_Caption(String const& value) { p(*this).button().setText(to_qstring(value)); }

bool BevelButton::AcceptFocus() const { return p(*this).accept_focus; }
void BevelButton::set_AcceptFocus(bool value)
{
    p(*this).accept_focus = value;
    d().tab_order_changed();
}
bool BevelButton::HasBackColor() const { return p(*this).has_back_color; }
void BevelButton::set_HasBackColor(bool value)
{
    p(*this).has_back_color = value;
    p(*this).apply_back_color();
}
Color BevelButton::BackColor() const { return p(*this).back_color; }
void BevelButton::set_BackColor(Color value)
{
    p(*this).back_color = value;
    p(*this).apply_back_color();
}
bool BevelButton::Value() const { return p(*this).value; }
void BevelButton::set_Value(bool value)
{
    p(*this).value = value;
    p(*this).button().setChecked(value);
}
std::int32_t BevelButton::ButtonType() const { return p(*this).button_type; }
void BevelButton::set_ButtonType(std::int32_t value)
{
    p(*this).button_type = value;
    p(*this).button().setCheckable(value != 0);
    p(*this).button().setChecked(value != 0 && p(*this).value);
}

std::int32_t BevelButton::CaptionAlign() const { return p(*this).caption_align; }
void BevelButton::set_CaptionAlign(std::int32_t value) { p(*this).caption_align = value; }
std::int32_t BevelButton::CaptionPlacement() const { return p(*this).caption_placement; }
void BevelButton::set_CaptionPlacement(std::int32_t value) { p(*this).caption_placement = value; }
std::int32_t BevelButton::CaptionDelta() const { return p(*this).caption_delta; }
void BevelButton::set_CaptionDelta(std::int32_t value) { p(*this).caption_delta = value; }
std::int32_t BevelButton::IconAlign() const { return p(*this).icon_align; }
void BevelButton::set_IconAlign(std::int32_t value) { p(*this).icon_align = value; }
std::int32_t BevelButton::IconDX() const { return p(*this).icon_dx; }
void BevelButton::set_IconDX(std::int32_t value) { p(*this).icon_dx = value; }
std::int32_t BevelButton::IconDY() const { return p(*this).icon_dy; }
void BevelButton::set_IconDY(std::int32_t value) { p(*this).icon_dy = value; }
std::int32_t BevelButton::Bevel() const { return p(*this).bevel; }
void BevelButton::set_Bevel(std::int32_t value) { p(*this).bevel = value; }
std::int32_t BevelButton::HasMenu() const { return p(*this).has_menu; }
void BevelButton::set_HasMenu(std::int32_t value) { p(*this).has_menu = value; }
std::int32_t BevelButton::MenuValue() const { return p(*this).menu_value; }
void BevelButton::set_MenuValue(std::int32_t value) { p(*this).menu_value = value; }

}
