// A property's type text is checked against its getter's value type, for
// every type the tables name: TotalSeconds, a Double, entered as "f4" (a
// Single) does not build.
// Expected error: type_text_contradicts_the_value_type
#include "framework/date/Date.h"
#include "framework/runtime/ClassRows.h"

fw::PropertyRow total_seconds_row()
{
    return fw::property_row<&fw::Date::TotalSeconds, &fw::Date::set_TotalSeconds>("f4");
}
