// The calendar core on its edges: what is a date, leap years, month lengths,
// and the serial numbers at the ends of the range.

#include "DateTestSupport.h"

#include "framework/date/Civil.h"

namespace {

using fw::civil::YearMonthDay;

struct ValidityRow {
    char const* name;
    YearMonthDay date;
    bool ok;
};

ValidityRow const validity_rows[] = {
    { "first day", { 1, 1, 1 }, true },
    { "last day", { 9999, 12, 31 }, true },
    { "year 0", { 0, 12, 31 }, false },
    { "year 10000", { 10000, 1, 1 }, false },
    { "month 0", { 2026, 0, 1 }, false },
    { "month 13", { 2026, 13, 1 }, false },
    { "day 0", { 2026, 1, 0 }, false },
    { "31 April", { 2026, 4, 31 }, false },
    { "30 April", { 2026, 4, 30 }, true },
    { "29 Feb of a leap year", { 2024, 2, 29 }, true },
    { "29 Feb of a common year", { 2026, 2, 29 }, false },
    { "29 Feb 1900, century", { 1900, 2, 29 }, false },
    { "29 Feb 2000, 400th year", { 2000, 2, 29 }, true },
    { "29 Feb 0004, proleptic", { 4, 2, 29 }, true },
    { "30 Feb of a leap year", { 2024, 2, 30 }, false },
    { "32 January", { 2026, 1, 32 }, false },
    { "negative day", { 2026, 1, -1 }, false },
};

TEST(Civil, KnowsWhichDaysExist)
{
    for (auto const& row : validity_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.date.ok(), row.ok);
    }
}

struct SerialRow {
    char const* name;
    YearMonthDay date;
    std::int32_t serial;
    std::int32_t weekday;
    std::int32_t day_of_year;
};

// Weekdays of well-known days; 1 = Sunday.
SerialRow const serial_rows[] = {
    { "Unix epoch, a Thursday", { 1970, 1, 1 }, 0, 5, 1 },
    { "day before the epoch", { 1969, 12, 31 }, -1, 4, 365 },
    { "first day, a Monday", { 1, 1, 1 }, -719162, 2, 1 },
    { "last day, a Friday", { 9999, 12, 31 }, 2932896, 6, 365 },
    { "Gregorian reform day, a Friday", { 1582, 10, 15 }, -141427, 6, 288 },
    { "day before it, proleptic: a Thursday", { 1582, 10, 14 }, -141428, 5, 287 },
    { "leap day 2000", { 2000, 2, 29 }, 11016, 3, 60 },
    { "last day of a leap year", { 2024, 12, 31 }, 20088, 3, 366 },
    { "1 March after a leap day", { 2024, 3, 1 }, 19783, 6, 61 },
    { "1 March of a common year", { 2026, 3, 1 }, 20513, 1, 60 },
};

TEST(Civil, MapsKnownDaysToTheirSerialWeekdayAndDayOfYear)
{
    for (auto const& row : serial_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::civil::days_from_civil(row.date), row.serial);
        EXPECT_EQ(fw::civil::civil_from_days(row.serial), row.date);
        EXPECT_EQ(fw::civil::weekday_from_days(row.serial), row.weekday);
        EXPECT_EQ(fw::civil::day_of_year(row.date), row.day_of_year);
    }
}

TEST(Civil, WeekdaysOfAnyTwoDaysDifferByTheirDistanceModuloSeven)
{
    // Floored: the weekday wraps the same way on both sides of serial 0.
    for (std::int32_t serial = -15; serial <= 15; ++serial) {
        SCOPED_TRACE(serial);
        std::int32_t const step = fw::civil::weekday_from_days(serial + 1) - fw::civil::weekday_from_days(serial);
        EXPECT_TRUE(step == 1 || step == -6);
    }
}

TEST(Civil, CountsMonthLengthsByTheGregorianLeapRule)
{
    EXPECT_EQ(fw::civil::days_in_month(2026, 2), 28);
    EXPECT_EQ(fw::civil::days_in_month(2024, 2), 29);
    EXPECT_EQ(fw::civil::days_in_month(1900, 2), 28);
    EXPECT_EQ(fw::civil::days_in_month(2000, 2), 29);
    EXPECT_EQ(fw::civil::days_in_month(2026, 4), 30);
    EXPECT_EQ(fw::civil::days_in_month(2026, 12), 31);
}

}
