// The framework's class tables and program-wide lists, as a whole.

#include "framework/ui/application/FrameworkClasses.h"
#include "framework/date/Date.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/application/Application.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window_p.h"

namespace fw {

void build_framework_classes()
{
    // Bases before subclasses, so each table is built on a finished base.
    for (auto lookup : { &Object::__Lookup, &RuntimeException::__Lookup, &NilObjectException::__Lookup,
             &IllegalCastException::__Lookup, &Delegate::__Lookup, &Date::__Lookup, &Window::__Lookup,
             &RectControl::__Lookup, &TextField::__Lookup, &Label::__Lookup, &BevelButton::__Lookup,
             &MenuItem::__Lookup, &MenuBar::__Lookup, &QuitMenuItem::__Lookup, &Application::__Lookup })
        (void)lookup();
}

void _RuntimeInitExternalClasses() { build_framework_classes(); }

void release_framework_lists() { detail::release_window_lists(); }

}
