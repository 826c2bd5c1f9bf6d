#pragma once

// TextField: a single-line text field, editable or read-only.
//
// Its events come after RectControl's, in the order of TextFieldEvents. The
// framework raises KeyDown with the key's text (Chr(13) for Return) before
// the field sees the key; a False answer leaves the key to the field, True
// consumes it. Keys without text pass a control character (Tab 9, Backspace
// 8, Escape 27, Delete 127, Home 1, End 4, Page Up 11, Page Down 12, arrows
// 28 to 31); presses with Ctrl, modifier keys alone and function keys raise
// none. LostFocus comes when keyboard focus moves to another control of the
// window, never when a message box, another window or another program takes
// it. GotFocus and TextChange (any change of the text) are raised too. Stub
// types: see RuntimeAddEventHandler (RectControl.h).

#include "framework/ui/controls/StyledControl.h"

namespace fw {

inline constexpr char const* TextFieldEvents[] = {
    "GotFocus",
    "LostFocus",
    "MouseDown",
    "MouseUp",
    "SelChange",
    "TextChange",
    "EnableMenuItems",
    "ValidationError",
};

// The events the framework raises, with their event-table indices from the
// lists above. Bindings stored with a program
// name KeyDown and LostFocus by number, so those two never move.
class TextField;
template<std::int32_t Index, typename F>
using TextFieldEvent = ControlEvent<TextField, Index, F>;
inline constexpr TextFieldEvent<control_event_index(TextFieldEvents, "KeyDown"), bool(String const& key)>
    TextFieldKeyDown;
inline constexpr TextFieldEvent<control_event_index(TextFieldEvents, "GotFocus"), void()> TextFieldGotFocus;
inline constexpr TextFieldEvent<control_event_index(TextFieldEvents, "LostFocus"), void()> TextFieldLostFocus;
inline constexpr TextFieldEvent<control_event_index(TextFieldEvents, "TextChange"), void()> TextFieldTextChange;
static_assert(TextFieldKeyDown == 13);
static_assert(TextFieldLostFocus == 16);

class TextField : public StyledControl {
    FW_OBJECT(TextField)
public:
    TextField();

    String Text() const;
    void set_Text(String const&);
    Color BackColor() const;
    void set_BackColor(Color);
    bool Border() const;
    void set_Border(bool);
    bool Password() const;
    void set_Password(bool);
    bool UseFocusRing() const;
    void set_UseFocusRing(bool);
    String Format() const;
    void set_Format(String const&);
    String CueText() const;
    void set_CueText(String const&);
    String Mask() const;
    void set_Mask(String const&);
    bool ReadOnly() const;
    void set_ReadOnly(bool);
    std::int32_t LimitText() const;
    void set_LimitText(std::int32_t);
    bool AcceptTabs() const;
    void set_AcceptTabs(bool);
    std::int32_t Alignment() const;
    void set_Alignment(std::int32_t);
    bool AutomaticallyCheckSpelling() const;
    void set_AutomaticallyCheckSpelling(bool);
    String DataSource() const;
    void set_DataSource(String const&);
    String DataField() const;
    void set_DataField(String const&);
};

}
