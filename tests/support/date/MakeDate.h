#pragma once

// A Date of the given day and second of the day, as program code makes one.

#include "framework/date/Date.h"

namespace test_support {

inline fw::Ref<fw::Date> make_date(fw::civil::YearMonthDay date, double second_of_day = 0)
{
    return fw::make<fw::Date>(date, second_of_day);
}

}
