#pragma once

// Date: a calendar date and time of day in local wall-clock time.
//
// TotalSeconds counts wall-clock seconds from 1904-01-01 00:00:00 local time,
// with every day exactly 86,400 seconds long: time zones and daylight saving
// never enter, so adding 86,400 always lands on the same time of the next
// calendar day. Values outside 0001-01-01 00:00:00 .. 9999-12-31 23:59:59
// are clamped to that range, and NaN reads as its lower end.
//
// The broken-down fields are kept beside TotalSeconds, so reading Year,
// DayOfYear or DayOfWeek is a load; a step of one day forward updates them in
// place (the day walk's case), any other step recomputes them from the serial
// day number. Neither touches the C library's time functions or ICU.

#include "framework/date/Civil.h"
#include "framework/runtime/Ref.h"

#include <cstdint>
#include <string>

namespace fw {

class Date final : public Object {
    FW_OBJECT(Date)
public:
    static constexpr double seconds_per_day = 86400;
    static constexpr std::int32_t epoch_serial = civil::days_from_civil({ 1904, 1, 1 });
    static constexpr double min_total_seconds = (civil::min_serial - epoch_serial) * seconds_per_day;
    static constexpr double max_total_seconds = (civil::max_serial - epoch_serial) * seconds_per_day + 86399;

    // The current local date and time, to the second.
    Date();
    // That day at second_of_day past midnight. A day that does not exist is
    // clamped field by field (year, then month, then day) into one that does:
    // an Object's constructor must not throw.
    explicit Date(civil::YearMonthDay date, double second_of_day = 0);

    std::int32_t Year() const noexcept { return m_date.year; }
    // Keeps month, day and time; 29 February in a common year becomes 28
    // February. Years are clamped to 1 .. 9999.
    void set_Year(std::int32_t year) noexcept;
    std::int32_t Month() const noexcept { return m_date.month; }
    std::int32_t Day() const noexcept { return m_date.day; }
    std::int32_t DayOfYear() const noexcept { return m_day_of_year; } // 1 = 1 January
    std::int32_t DayOfWeek() const noexcept { return m_day_of_week; } // 1 = Sunday .. 7 = Saturday
    std::int32_t Hour() const noexcept { return second_of_day() / 3600; }
    std::int32_t Minute() const noexcept { return second_of_day() / 60 % 60; }
    std::int32_t Second() const noexcept { return second_of_day() % 60; }

    double TotalSeconds() const noexcept { return m_total_seconds; }
    void set_TotalSeconds(double seconds) noexcept;

    // The date in the user's short form (see ParseDate.cpp).
    std::string ShortDate() const;

    civil::YearMonthDay date() const noexcept { return m_date; }
    std::int32_t serial() const noexcept { return m_serial; }
    // Moves to midnight of the given day; requires date.ok().
    void set_date(civil::YearMonthDay date) noexcept;

    static double total_seconds_at(civil::YearMonthDay date, double second_of_day = 0) noexcept
    {
        return (civil::days_from_civil(date) - epoch_serial) * seconds_per_day + second_of_day;
    }

private:
    std::int32_t second_of_day() const noexcept { return std::int32_t(m_total_seconds - m_day_start); }
    void set_any_total_seconds(double seconds) noexcept;
    void set_serial(std::int32_t serial) noexcept;
    void next_day() noexcept;

    double m_total_seconds { 0 };
    double m_day_start { 0 }; // TotalSeconds at midnight of m_date; whole days, so exact
    civil::YearMonthDay m_date;
    std::int32_t m_serial { epoch_serial };
    std::int32_t m_day_of_year { 1 };
    std::int32_t m_day_of_week { civil::weekday_from_days(epoch_serial) };
};

// Reads text as a date in the user's locale (LC_ALL, LC_TIME, LANG; en_US
// when none is set or it is C/POSIX), in the locale's short, medium, long or
// full form or as ISO 8601 yyyy-mm-dd, with white space around it allowed.
// On success the date is stored at 00:00:00 into the Date that `date` holds
// (a nil `date` receives a new Date) and the answer is true. On failure the
// answer is false and neither `date` nor its Date changes.
bool ParseDate(std::string const& text, Ref<Date>& date);

// The walk's step, kept inline: one comparison and a few increments.
inline void Date::set_TotalSeconds(double seconds) noexcept
{
    double const into_day = seconds - m_day_start;
    if (into_day >= seconds_per_day && into_day < 2 * seconds_per_day && m_serial < civil::max_serial) {
        m_total_seconds = seconds;
        m_day_start += seconds_per_day;
        next_day();
        return;
    }
    set_any_total_seconds(seconds);
}

inline void Date::next_day() noexcept
{
    ++m_serial;
    m_day_of_week = m_day_of_week == 7 ? 1 : m_day_of_week + 1;
    ++m_day_of_year;
    if (++m_date.day <= 28 || m_date.day <= civil::days_in_month(m_date.year, m_date.month))
        return;
    m_date.day = 1;
    if (++m_date.month <= 12)
        return;
    m_date.month = 1;
    ++m_date.year;
    m_day_of_year = 1;
}

}
