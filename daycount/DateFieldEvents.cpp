// The date fields' focus and key handlers. None of them reads the control it
// is given: each works on its own field, fetched by name. The key handlers
// answer False for every key, so the field still gets Return and the rest.

#include "window/frmMain.h"

#include "framework/runtime/Text.h"

namespace {

bool is_return(fw::String const& key) { return fw::RuntimeStringCompare(key, fw::Chr(13)) == 0; }

}

void frmMain::efStart_LostFocus(fw::TextField*) { normalise(&frmMain::efStart, Start); }

void frmMain::efEnd_LostFocus(fw::TextField*) { normalise(&frmMain::efEnd, EndD); }

bool frmMain::efStart_KeyDown(fw::TextField*, fw::String const& key)
{
    if (is_return(key))
        normalise(&frmMain::efStart, Start);
    return false;
}

// The day count normalises both fields itself.
bool frmMain::efEnd_KeyDown(fw::TextField*, fw::String const& key)
{
    if (is_return(key))
        Calculate();
    return false;
}
