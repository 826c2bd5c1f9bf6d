#pragma once

// An independent day count for checking the window's walk: serial day
// numbers from a plain cumulative formula, and whole weeks times 5 and 2
// plus the days that remain.

#include <cstdint>
#include <ostream>

namespace oracle {

struct Ymd {
    std::int32_t year;
    std::int32_t month; // 1 .. 12
    std::int32_t day; // 1 .. 31
    friend bool operator==(Ymd, Ymd) = default;
    friend std::ostream& operator<<(std::ostream& out, Ymd d)
    {
        return out << d.year << '-' << d.month << '-' << d.day;
    }
};

struct DayCounts {
    std::int32_t weekdays;
    std::int32_t weekend;
    std::int32_t total;
    friend bool operator==(DayCounts, DayCounts) = default;
    friend std::ostream& operator<<(std::ostream& out, DayCounts c)
    {
        return out << c.weekdays << " weekdays, " << c.weekend << " weekend, " << c.total << " total";
    }
};

constexpr bool leap(std::int32_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

// Days since 0001-01-01 (day 0, a Monday).
constexpr std::int64_t day_number(Ymd d)
{
    constexpr std::int32_t before[] = { 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334 };
    std::int64_t const y = d.year - 1; // whole years before this one
    std::int64_t const leap_days = y / 4 - y / 100 + y / 400;
    return y * 365 + leap_days + before[d.month - 1] + (d.month > 2 && leap(d.year) ? 1 : 0) + d.day - 1;
}

// 0 = Monday .. 6 = Sunday.
constexpr std::int32_t monday_based(std::int64_t day) { return static_cast<std::int32_t>(day % 7); }

constexpr DayCounts count(Ymd from, Ymd to)
{
    std::int64_t const first = day_number(from);
    auto const total = static_cast<std::int32_t>(day_number(to) - first + 1);
    std::int32_t const weeks = total / 7; // each holds 5 weekdays and 2 weekend days
    std::int32_t weekend = 2 * weeks;
    for (std::int32_t i = 0; i < total % 7; ++i)
        weekend += monday_based(first + i) >= 5 ? 1 : 0;
    return { total - weekend, weekend, total };
}

constexpr Ymd from_day_number(std::int64_t day)
{
    Ymd d { 1 + static_cast<std::int32_t>(day / 366), 1, 1 };
    while (day_number({ d.year + 1, 1, 1 }) <= day)
        ++d.year;
    while (d.month < 12 && day_number({ d.year, d.month + 1, 1 }) <= day)
        ++d.month;
    d.day = static_cast<std::int32_t>(day - day_number({ d.year, d.month, 1 })) + 1;
    return d;
}

static_assert(day_number({ 2, 1, 1 }) == 365);
static_assert(monday_based(day_number({ 2026, 12, 8 })) == 1); // a Tuesday
static_assert(count({ 2026, 12, 4 }, { 2026, 12, 7 }) == DayCounts { 2, 2, 4 });
static_assert(count({ 1, 1, 1 }, { 9999, 12, 31 }).total == 3652059);

}
