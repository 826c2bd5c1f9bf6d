#pragma once

// BevelButton: a push button with a caption.
//
// Its events come after RectControl's, in the order of BevelButtonEvents.
// Action comes with every press, by mouse or by keyboard.

#include "framework/ui/controls/StyledControl.h"

namespace fw {

inline constexpr char const* BevelButtonEvents[] = { "MouseUp", "MouseDown", "Action", "GotFocus", "LostFocus" };

// The events the framework raises, with their event-table indices from the
// list above. Bindings stored with a program
// name Action by number, so it never moves.
class BevelButton;
template<std::int32_t Index>
using BevelButtonEvent = ControlEvent<BevelButton, Index, void()>;
inline constexpr BevelButtonEvent<control_event_index(BevelButtonEvents, "Action")> BevelButtonAction;
inline constexpr BevelButtonEvent<control_event_index(BevelButtonEvents, "GotFocus")> BevelButtonGotFocus;
inline constexpr BevelButtonEvent<control_event_index(BevelButtonEvents, "LostFocus")> BevelButtonLostFocus;
static_assert(BevelButtonAction == 17);

class BevelButton : public StyledControl {
    FW_OBJECT(BevelButton)
public:
    BevelButton();

    String Caption() const;
    void set_Caption(String const&);
    bool HasBackColor() const;
    void set_HasBackColor(bool);
    Color BackColor() const;
    void set_BackColor(Color);
    std::int32_t CaptionAlign() const;
    void set_CaptionAlign(std::int32_t);
    std::int32_t CaptionPlacement() const;
    void set_CaptionPlacement(std::int32_t);
    std::int32_t CaptionDelta() const;
    void set_CaptionDelta(std::int32_t);
    std::int32_t IconAlign() const;
    void set_IconAlign(std::int32_t);
    std::int32_t IconDX() const;
    void set_IconDX(std::int32_t);
    std::int32_t IconDY() const;
    void set_IconDY(std::int32_t);
    std::int32_t Bevel() const;
    void set_Bevel(std::int32_t);
    std::int32_t HasMenu() const;
    void set_HasMenu(std::int32_t);
    bool Value() const;
    void set_Value(bool);
    std::int32_t MenuValue() const;
    void set_MenuValue(std::int32_t);
    std::int32_t ButtonType() const;
    void set_ButtonType(std::int32_t);
    bool AcceptFocus() const;
    void set_AcceptFocus(bool);

    // Presses the button as a click would: raises Action.
    void push();
};

}
