#pragma once

// The calendar core: proleptic Gregorian arithmetic on serial day numbers,
// with no ICU and no C library time functions, so that the day walk stays a
// handful of integer operations.
//
// A serial day number counts days from 1970-01-01 (serial 0). The supported
// range is 0001-01-01 .. 9999-12-31; every function below is exact there and
// free of overflow (the static_asserts at the end check the extremes).

#include <cstdint>
#include <limits>
#include <type_traits>

namespace fw::civil {

struct YearMonthDay {
    std::int32_t year { 1 };
    std::int32_t month { 1 }; // 1 = January
    std::int32_t day { 1 };

    constexpr bool ok() const noexcept;
    friend constexpr bool operator==(YearMonthDay, YearMonthDay) = default;
};
static_assert(std::is_trivially_copyable_v<YearMonthDay>);

inline constexpr std::int32_t min_year = 1;
inline constexpr std::int32_t max_year = 9999;

constexpr bool is_leap_year(std::int32_t year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr std::int32_t days_in_month(std::int32_t year, std::int32_t month) noexcept
{
    if (month == 2)
        return is_leap_year(year) ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

constexpr bool YearMonthDay::ok() const noexcept
{
    return year >= min_year && year <= max_year && month >= 1 && month <= 12 && day >= 1
        && day <= days_in_month(year, month);
}

// The year is counted from 1 March so that the leap day falls last; eras are
// the 400-year cycles of 146,097 days. Requires date.ok().
constexpr std::int32_t days_from_civil(YearMonthDay date) noexcept
{
    std::int32_t const y = date.year - (date.month <= 2 ? 1 : 0); // [0, 9999]
    std::int32_t const era = y / 400; // [0, 24]
    std::int32_t const year_of_era = y - era * 400; // [0, 399]
    std::int32_t const shifted_month = date.month > 2 ? date.month - 3 : date.month + 9; // [0, 11], March = 0
    std::int32_t const day_of_shifted_year = (153 * shifted_month + 2) / 5 + date.day - 1; // [0, 365]
    std::int32_t const day_of_era
        = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_shifted_year; // [0, 146096]
    return era * 146097 + day_of_era - 719468; // 719,468 days from 0000-03-01 to 1970-01-01
}

// The inverse of days_from_civil. Requires min_serial <= serial <= max_serial.
constexpr YearMonthDay civil_from_days(std::int32_t serial) noexcept
{
    std::int32_t const z = serial + 719468; // [306, 3652364]: days from 0000-03-01
    std::int32_t const era = z / 146097; // [0, 24]
    std::int32_t const day_of_era = z - era * 146097; // [0, 146096]
    std::int32_t const year_of_era
        = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365; // [0, 399]
    std::int32_t const day_of_shifted_year
        = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100); // [0, 365]
    std::int32_t const shifted_month = (5 * day_of_shifted_year + 2) / 153; // [0, 11]
    std::int32_t const day = day_of_shifted_year - (153 * shifted_month + 2) / 5 + 1; // [1, 31]
    std::int32_t const month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9; // [1, 12]
    std::int32_t const year = year_of_era + era * 400 + (month <= 2 ? 1 : 0); // [1, 9999]
    return { year, month, day };
}

// 1 = Sunday .. 7 = Saturday. Floored, so it holds for negative serials too
// (1970-01-01, serial 0, was a Thursday).
constexpr std::int32_t weekday_from_days(std::int32_t serial) noexcept
{
    std::int32_t const r = (serial + 4) % 7; // (-7, 7)
    return (r < 0 ? r + 7 : r) + 1; // [1, 7]
}

// 1 = 1 January .. 366 = 31 December of a leap year. Requires date.ok().
constexpr std::int32_t day_of_year(YearMonthDay date) noexcept
{
    constexpr std::int32_t days_before_month[12] = { 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334 };
    std::int32_t const leap_day = date.month > 2 && is_leap_year(date.year) ? 1 : 0;
    return days_before_month[date.month - 1] + leap_day + date.day; // [1, 366]
}

inline constexpr std::int32_t min_serial = days_from_civil({ min_year, 1, 1 });
inline constexpr std::int32_t max_serial = days_from_civil({ max_year, 12, 31 });

// Widths: the largest intermediates above stay far inside 32 bits.
static_assert(std::numeric_limits<std::int32_t>::max() > 25 * 146097 + 719468);
static_assert(min_serial == -719162 && max_serial == 2932896);
static_assert(civil_from_days(min_serial) == YearMonthDay { 1, 1, 1 });
static_assert(civil_from_days(max_serial) == YearMonthDay { 9999, 12, 31 });
static_assert(weekday_from_days(min_serial) == 2); // 0001-01-01 was a Monday
static_assert(day_of_year({ 2024, 12, 31 }) == 366 && day_of_year({ 2023, 12, 31 }) == 365);

}
