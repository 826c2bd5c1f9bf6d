#pragma once

// frmMain: the program's one window. Two start/end dates, fourteen controls
// that it finds by name, and the handlers of its window, control and menu
// events.
//
// The layout lives in the stored property streams; the day count and the
// date-field normalisation live in daycount/. Every own operation is a
// virtual member, entered in order in the class table's virtual table, and
// the program calls them as virtual calls. The control accessors look the
// control up by name on every call and return nil when it is absent; the
// class keeps no field that refers to a control.

#include "framework/date/Date.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"

class frmMain : public fw::Window {
    FW_OBJECT(frmMain)
public:
    // The class table, made once and kept for the program's life.
    static fw::ClassTable* __ctbl;
    static void __ctblinit();
    // The finaliser: releases both dates.
    static void __Exit(fw::Object* self);

    frmMain() = default;
    ~frmMain() override;

    // Construction hooks (stored layout).
    virtual void Layout();
    virtual void CreateControls();
    virtual void _CreateControls0();

    // Control accessors, in class order.
    virtual fw::Ref<fw::TextField> efStart();
    virtual fw::Ref<fw::TextField> efEnd();
    virtual fw::Ref<fw::Label> StaticText1();
    virtual fw::Ref<fw::Label> StaticText2();
    virtual fw::Ref<fw::Label> StaticText3();
    virtual fw::Ref<fw::TextField> efStartDay();
    virtual fw::Ref<fw::TextField> efEndDay();
    virtual fw::Ref<fw::TextField> efWeekdays();
    virtual fw::Ref<fw::TextField> efWeekenddays();
    virtual fw::Ref<fw::Label> StaticText4();
    virtual fw::Ref<fw::Label> StaticText5();
    virtual fw::Ref<fw::TextField> efTotal();
    virtual fw::Ref<fw::Label> StaticText6();
    virtual fw::Ref<fw::BevelButton> BevelButton1();

    // Control event handlers.
    virtual void efStart_LostFocus(fw::TextField* control);
    virtual bool efStart_KeyDown(fw::TextField* control, fw::String const& key);
    virtual void efEnd_LostFocus(fw::TextField* control);
    virtual bool efEnd_KeyDown(fw::TextField* control, fw::String const& key);
    virtual void BevelButton1_Action(fw::BevelButton* control);

    // Menu handlers and window events.
    virtual void AddMenuHandlers(fw::Window* window);
    virtual void Event_Open();
    virtual bool Event_CancelClose(bool app_quitting);
    virtual void Event_EnableMenuItems();
    virtual bool _FileQuit_Action();

    // The day count.
    virtual fw::String WeekDay(std::int32_t day);
    virtual void Calculate();

    fw::Ref<fw::Date> Start;
    fw::Ref<fw::Date> EndD;

private:
    // Parses a date field into its date, applies the two-digit year rule
    // and rewrites the field; true when the text parsed.
    bool normalise(fw::Ref<fw::TextField> (frmMain::*field)(), fw::Ref<fw::Date>& date);
    // A new Date made through the window; a new Date holds the current moment.
    fw::Ref<fw::Date> new_date() { return fw::RuntimeCheckCast<fw::Date>(__New(fw::Date::__Lookup())); }
};

// The main window, created on first use; one reference for the caller.
fw::Ref<frmMain> frmMain_frmMain();
