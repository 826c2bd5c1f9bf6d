// Weekday numbers (1 = Sunday .. 7 = Saturday) to their English names.

#include "window/frmMain.h"

fw::String frmMain::WeekDay(std::int32_t day)
{
    static char const* const names[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    if (day < 1 || day > 7)
        return {};
    return names[day - 1];
}
