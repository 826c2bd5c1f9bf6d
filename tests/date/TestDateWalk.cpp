// The day walk: TotalSeconds += 86,400 over every day of years 1 to 9999,
// checked against a calendar computed here independently, and across
// daylight-saving changes, which must not matter.

#include "DateTestSupport.h"

#include <sstream>

namespace {

// An independent calendar: days before a year in closed form (whole
// four-year, century and 400-year cycles), weekday as whole weeks plus a
// remainder from 0001-01-01, a Monday.
struct Oracle {
    std::int32_t year { 1 }, month { 1 }, day { 1 }, day_of_year { 1 };

    static bool leap(std::int32_t y) { return y % 400 == 0 || (y % 100 != 0 && y % 4 == 0); }
    static std::int64_t days_before_year(std::int32_t y)
    {
        std::int64_t const p = y - 1;
        return 365 * p + p / 4 - p / 100 + p / 400;
    }
    std::int64_t days_since_first_day() const { return days_before_year(year) + day_of_year - 1; }
    std::int32_t weekday() const { return std::int32_t((days_since_first_day() + 1) % 7) + 1; } // 1 = Sunday
    void advance()
    {
        static constexpr std::int32_t lengths[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
        ++day_of_year;
        if (++day <= lengths[month - 1] + (month == 2 && leap(year) ? 1 : 0))
            return;
        day = 1;
        if (++month <= 12)
            return;
        month = 1;
        ++year;
        day_of_year = 1;
    }
};

// Empty when the date agrees with the oracle and both round trips hold.
std::string disagreement(fw::Date const& date, Oracle const& expected, std::int32_t serial)
{
    fw::civil::YearMonthDay const want { expected.year, expected.month, expected.day };
    std::ostringstream out;
    if (date.date() != want || date.DayOfYear() != expected.day_of_year || date.DayOfWeek() != expected.weekday())
        out << "fields of " << want << " are " << date.date() << " doy " << date.DayOfYear() << " dow "
            << date.DayOfWeek();
    else if (date.serial() != serial || fw::civil::days_from_civil(want) != serial)
        out << want << " has serial " << date.serial() << ", expected " << serial;
    else if (fw::civil::civil_from_days(serial) != want)
        out << "serial " << serial << " reads back as " << fw::civil::civil_from_days(serial);
    return out.str();
}

class DateWalk : public DateTest { };

TEST_F(DateWalk, EveryDayFromYear1ToYear9999AgreesWithAnIndependentCalendar)
{
    // 12:34:56, so that a step that lost the time of day would show.
    auto date = make_date({ 1, 1, 1 }, 45296);
    Oracle expected;
    std::int32_t serial = fw::civil::min_serial;
    ASSERT_EQ(disagreement(*date, expected, serial), "");
    while (serial < fw::civil::max_serial) {
        date->set_TotalSeconds(date->TotalSeconds() + 86400.0);
        expected.advance();
        ++serial;
        std::string const error = disagreement(*date, expected, serial);
        ASSERT_EQ(error, "");
    }
    EXPECT_EQ(date->date(), (fw::civil::YearMonthDay { 9999, 12, 31 }));
    EXPECT_EQ(date->Hour() * 3600 + date->Minute() * 60 + date->Second(), 45296);
}

// Days on which clocks change in each zone in 2026, with a day either side.
struct DstRow {
    char const* zone;
    fw::civil::YearMonthDay start;
};

DstRow const dst_rows[] = {
    { "America/New_York", { 2026, 3, 7 } }, // clocks forward on 8 March
    { "America/New_York", { 2026, 10, 31 } }, // back on 1 November
    { "Europe/London", { 2026, 3, 28 } }, // forward on 29 March
    { "Europe/London", { 2026, 10, 24 } }, // back on 25 October
};

TEST_F(DateWalk, CrossesDaylightSavingChangesOneCalendarDayAtATime)
{
    for (auto const& row : dst_rows) {
        SCOPED_TRACE(row.zone);
        ScopedEnv zone("TZ", row.zone);
        for (double time_of_day : { 0.0, 1800.0, 7200.0, 86399.0 }) {
            auto date = make_date(row.start, time_of_day);
            for (int step = 1; step <= 3; ++step) {
                std::int32_t const day_of_year = date->DayOfYear();
                date->set_TotalSeconds(date->TotalSeconds() + 86400.0);
                EXPECT_EQ(date->DayOfYear(), day_of_year + 1) << "step " << step << " at " << time_of_day;
                EXPECT_EQ(date->Hour() * 3600 + date->Minute() * 60 + date->Second(), time_of_day);
            }
        }
    }
}

TEST_F(DateWalk, AWalkOfAYearUnderEachZoneMeetsTheCLibraryCalendarDayByDay)
{
    for (char const* zone : { "America/New_York", "Europe/London" }) {
        SCOPED_TRACE(zone);
        ScopedEnv tz("TZ", zone);
        auto date = make_date({ 2026, 1, 1 }, 3600);
        for (int day = 1; day <= 365; ++day, date->set_TotalSeconds(date->TotalSeconds() + 86400.0)) {
            std::tm noon {};
            noon.tm_year = 2026 - 1900;
            noon.tm_mday = day;
            noon.tm_hour = 12;
            noon.tm_isdst = -1;
            ASSERT_NE(mktime(&noon), -1);
            ASSERT_EQ(date->date(), (fw::civil::YearMonthDay { noon.tm_year + 1900, noon.tm_mon + 1, noon.tm_mday }));
            ASSERT_EQ(date->DayOfWeek(), noon.tm_wday + 1);
        }
    }
}

}
