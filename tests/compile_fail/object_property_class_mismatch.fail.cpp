// An object property's type text names the class its getter gives: the
// application's MenuBar entered as "o<Date>" does not build.
// Expected error: type_text_contradicts_the_value_type
#include "framework/runtime/ClassRows.h"
#include "framework/ui/application/Application.h"

namespace {

void set_menu_bar(fw::Object* self, fw::MenuBar* bar) { fw::checked_cast<fw::Application>(self).set_MenuBar(0, bar); }

}

fw::PropertyRow menu_bar_row() { return fw::property_row<&fw::Application::MenuBar, &set_menu_bar>("o<Date>"); }
