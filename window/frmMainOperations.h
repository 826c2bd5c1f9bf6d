#pragma once

// frmMain's own operations, in virtual-table order: one row table that
// feeds both its virtual table and its method entries, and that the control
// bindings check their handlers against.

#include "window/frmMain.h"

#include "framework/runtime/ClassRows.h"

namespace frm_main {

using fw::public_scope;
inline constexpr fw::AttributeRow public_hidden[] = { { "__Scope", "Public" }, { "Hidden", nullptr } };

// clang-format off
inline constexpr fw::OperationRow operations[] = {
    fw::operation<&frmMain::Layout>(                "%%",                public_scope),
    fw::operation<&frmMain::CreateControls>(        "%%",                public_scope),
    fw::operation<&frmMain::_CreateControls0>(      "%%",                public_hidden),
    fw::operation<&frmMain::efStart>(               "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::efEnd>(                 "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::StaticText1>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::StaticText2>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::StaticText3>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::efStartDay>(            "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::efEndDay>(              "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::efWeekdays>(            "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::efWeekenddays>(         "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::StaticText4>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::StaticText5>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::efTotal>(               "%o<TextField>%",    public_scope),
    fw::operation<&frmMain::StaticText6>(           "%o<Label>%",        public_scope),
    fw::operation<&frmMain::BevelButton1>(          "%o<BevelButton>%",  public_scope),
    fw::operation<&frmMain::efStart_LostFocus>(     "%%o<TextField>",    public_scope),
    fw::operation<&frmMain::efStart_KeyDown>(       "%b%o<TextField>s",  public_scope),
    fw::operation<&frmMain::efEnd_LostFocus>(       "%%o<TextField>",    public_scope),
    fw::operation<&frmMain::efEnd_KeyDown>(         "%b%o<TextField>s",  public_scope),
    fw::operation<&frmMain::BevelButton1_Action>(   "%%o<BevelButton>",  public_scope),
    fw::operation<&frmMain::AddMenuHandlers>(       "%%o<Window>",       public_scope),
    fw::operation<&frmMain::Event_Open>(            "%%",                public_scope),
    fw::operation<&frmMain::Event_CancelClose>(     "%b%b",              public_scope),
    fw::operation<&frmMain::Event_EnableMenuItems>( "%%",                public_scope),
    fw::operation<&frmMain::_FileQuit_Action>(      "%b%",               public_scope),
    fw::operation<&frmMain::WeekDay>(               "%s%i4",             public_scope),
    fw::operation<&frmMain::Calculate>(             "%%",                public_scope),
};
// clang-format on

// Whether frmMain has an own operation of that name.
constexpr bool is_operation(std::string_view name) { return fw::has_operation(operations, name); }

}
