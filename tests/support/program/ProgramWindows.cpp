#include "tests/support/program/ProgramWindows.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "window/StoredLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace test_support {

namespace {

    template<typename T>
    void add_control(frmMain& window, std::string_view name)
    {
        fw::Ref<T> const control = fw::RuntimeCheckCast<T>(window.__New(T::__Lookup()));
        control->Constructor();
        window._AddControl(std::string(name), control.ptr());
    }

}

fw::Ref<frmMain> unconstructed_window()
{
    return fw::RuntimeCheckCast<frmMain>(fw::RuntimeNewObject(frmMain::__Lookup()));
}

fw::Ref<frmMain> window_with_plain_controls(std::string_view missing)
{
    fw::Ref<frmMain> window = unconstructed_window();
    for (stored_layout::StoredControl const& row : stored_layout::creation_order) {
        if (row.name == missing)
            continue;
        if (row.class_name == "TextField")
            add_control<fw::TextField>(*window, row.name);
        else if (row.class_name == "Label")
            add_control<fw::Label>(*window, row.name);
        else if (row.class_name == "BevelButton")
            add_control<fw::BevelButton>(*window, row.name);
        else
            ADD_FAILURE() << "no plain control for class " << row.class_name << " of " << row.name;
    }
    return window;
}

}
