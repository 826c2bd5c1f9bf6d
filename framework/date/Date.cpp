#include "framework/date/Date.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace fw {

namespace {
    // The local wall-clock time now. The one place a Date asks the C library
    // about time zones: once per new Date, never in the walk.
    double local_total_seconds_now()
    {
        std::time_t const now = std::time(nullptr);
        std::tm local {};
        if (!localtime_r(&now, &local))
            return Date::total_seconds_at({ 1970, 1, 1 });
        civil::YearMonthDay date { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday };
        if (!date.ok())
            date = { std::clamp(date.year, civil::min_year, civil::max_year), 1, 1 };
        // A leap second (tm_sec 60) stays inside its minute.
        int const second = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
        return Date::total_seconds_at(date, second);
    }
}

Date::Date() { set_any_total_seconds(local_total_seconds_now()); }

Date::Date(civil::YearMonthDay date, double second_of_day)
{
    date.year = std::clamp(date.year, civil::min_year, civil::max_year);
    date.month = std::clamp(date.month, 1, 12);
    date.day = std::clamp(date.day, 1, civil::days_in_month(date.year, date.month));
    set_any_total_seconds(total_seconds_at(date, second_of_day));
}

void Date::set_Year(std::int32_t year) noexcept
{
    civil::YearMonthDay date = m_date;
    date.year = std::clamp(year, civil::min_year, civil::max_year);
    date.day = std::min(date.day, civil::days_in_month(date.year, date.month));
    set_any_total_seconds(total_seconds_at(date, m_total_seconds - m_day_start));
}

void Date::set_date(civil::YearMonthDay date) noexcept { set_any_total_seconds(total_seconds_at(date)); }

void Date::set_any_total_seconds(double seconds) noexcept
{
    // Written so that NaN fails the first test and lands on the lower end.
    if (!(seconds >= min_total_seconds))
        seconds = min_total_seconds;
    else if (seconds > max_total_seconds)
        seconds = max_total_seconds;
    double day = std::floor(seconds / seconds_per_day); // whole days from the epoch, in range after the clamp
    // The division may round across a day boundary; the remainder decides.
    double const into_day = seconds - day * seconds_per_day;
    if (into_day < 0)
        day -= 1;
    else if (into_day >= seconds_per_day)
        day += 1;
    m_total_seconds = seconds;
    m_day_start = day * seconds_per_day;
    set_serial(std::int32_t(day) + epoch_serial);
}

void Date::set_serial(std::int32_t serial) noexcept
{
    m_serial = serial;
    m_date = civil::civil_from_days(serial);
    m_day_of_year = civil::day_of_year(m_date);
    m_day_of_week = civil::weekday_from_days(serial);
}

}
