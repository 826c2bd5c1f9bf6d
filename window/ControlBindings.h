#pragma once

// How frmMain's control handlers are attached to its controls' events.
//
// Each binding puts a stub and a delegate into one entry of one control's
// own event table. When the framework raises the event, the stub reads the
// delegate from that entry and calls the delegate's invoker, which calls the
// handler on the window. The window is held weakly (kind 1), so a control
// that outlives its window raises NilObjectException instead of calling a
// handler on a dead window.
//
// Stubs and invokers are plain functions shared by every binding of their
// signature: no allocation, no reference counting, no lookup by name. A
// binding's handler function is the window's virtual-table entry for the
// handler (fw::virtual_entry), so a subclass's override gets the event.

#include "framework/runtime/Delegate.h"
#include "framework/ui/controls/RectControl.h"

class frmMain;

// Binds the handlers of the named control, in their order, if it has any;
// run right after the control's stored properties have been applied.
void bind_control_events(frmMain& window, fw::String const& control_name);

// Stubs, named by event index. The framework calls them with the control
// that raised the event (and, for KeyDown, the key's text).
void AddHandler_Stub_16(fw::RectControl* control); // LostFocus of a TextField
bool AddHandler_Stub_13(fw::RectControl* control, fw::String const& key); // KeyDown
void AddHandler_Stub_17(fw::RectControl* control); // Action of a BevelButton

// Invokers of delegates on methods, named by the handler's signature code
// ("%%o<TextField>" and so on, with "%", "<" and ">" spelled "_"). Kind 1
// resolves its weak target on every call and raises NilObjectException,
// calling nothing, once the target is gone; any other kind calls with the
// target as stored.
void Delegate_IM_Invoke__o_TextField_(fw::Delegate* delegate, fw::RectControl* field);
bool Delegate_IM_Invoke_b_o_TextField_s(fw::Delegate* delegate, fw::RectControl* field, fw::String const& key);
void Delegate_IM_Invoke__o_BevelButton_(fw::Delegate* delegate, fw::RectControl* button);
bool Delegate_IM_Invoke_b_(fw::Delegate* delegate);
