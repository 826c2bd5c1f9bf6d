#pragma once

// The own operations of frmMain, as its class table lists them.

#include <initializer_list>

// An own operation of a program class: a slot and a public method entry.
struct OwnOperation {
    char const* name;
    char const* signature;
    char const* attributes = "__Scope=Public";
};

// frmMain's own operations, in the order of its virtual table and of its
// own method entries alike.
inline constexpr std::initializer_list<OwnOperation> frm_main_operations = {
    { "Layout", "%%" },
    { "CreateControls", "%%" },
    { "_CreateControls0", "%%", "__Scope=Public,Hidden" },
    { "efStart", "%o<TextField>%" },
    { "efEnd", "%o<TextField>%" },
    { "StaticText1", "%o<Label>%" },
    { "StaticText2", "%o<Label>%" },
    { "StaticText3", "%o<Label>%" },
    { "efStartDay", "%o<TextField>%" },
    { "efEndDay", "%o<TextField>%" },
    { "efWeekdays", "%o<TextField>%" },
    { "efWeekenddays", "%o<TextField>%" },
    { "StaticText4", "%o<Label>%" },
    { "StaticText5", "%o<Label>%" },
    { "efTotal", "%o<TextField>%" },
    { "StaticText6", "%o<Label>%" },
    { "BevelButton1", "%o<BevelButton>%" },
    { "efStart_LostFocus", "%%o<TextField>" },
    { "efStart_KeyDown", "%b%o<TextField>s" },
    { "efEnd_LostFocus", "%%o<TextField>" },
    { "efEnd_KeyDown", "%b%o<TextField>s" },
    { "BevelButton1_Action", "%%o<BevelButton>" },
    { "AddMenuHandlers", "%%o<Window>" },
    { "Event_Open", "%%" },
    { "Event_CancelClose", "%b%b" },
    { "Event_EnableMenuItems", "%%" },
    { "_FileQuit_Action", "%b%" },
    { "WeekDay", "%s%i4" },
    { "Calculate", "%%" },
};
