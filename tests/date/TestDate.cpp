// Date as an object: a new one is now, Year keeps month and day, TotalSeconds
// keeps its fields consistent over any value, and the class table makes and
// reflects Dates.

#include "DateTestSupport.h"

#include "framework/runtime/Runtime.h"
#include "framework/runtime/Variant.h"

#include <cmath>
#include <limits>

namespace {

using fw::civil::YearMonthDay;

TEST_F(DateTest, ANewDateHoldsTheLocalDateAndTimeNow)
{
    for (char const* zone : { "America/New_York", "Asia/Tokyo", "UTC" }) {
        SCOPED_TRACE(zone);
        ScopedEnv tz("TZ", zone);
        std::time_t const now = std::time(nullptr);
        std::tm local {};
        ASSERT_TRUE(localtime_r(&now, &local));
        double const expected = fw::Date::total_seconds_at({ local.tm_year + 1900, local.tm_mon + 1, local.tm_mday },
            local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
        auto const date = fw::make<fw::Date>();
        EXPECT_NEAR(date->TotalSeconds(), expected, 5.0);
    }
}

TEST_F(DateTest, TotalSecondsCountsWallClockSecondsFrom1904)
{
    EXPECT_EQ(make_date({ 1904, 1, 1 })->TotalSeconds(), 0.0);
    EXPECT_EQ(make_date({ 1904, 1, 2 }, 3661)->TotalSeconds(), 86400.0 + 3661);
    EXPECT_EQ(make_date({ 1903, 12, 31 })->TotalSeconds(), -86400.0);
}

struct YearRow {
    char const* name;
    YearMonthDay from;
    std::int32_t year;
    YearMonthDay to;
};

YearRow const year_rows[] = {
    { "29 Feb into a common year", { 2024, 2, 29 }, 2023, { 2023, 2, 28 } },
    { "29 Feb into a leap year", { 2024, 2, 29 }, 2028, { 2028, 2, 29 } },
    { "29 Feb into a century year", { 2000, 2, 29 }, 2100, { 2100, 2, 28 } },
    { "an ordinary day", { 1999, 12, 31 }, 2099, { 2099, 12, 31 } },
    { "below year 1", { 2026, 6, 15 }, 0, { 1, 6, 15 } },
    { "above year 9999", { 2026, 6, 15 }, 10000, { 9999, 6, 15 } },
    { "far below", { 2026, 6, 15 }, std::numeric_limits<std::int32_t>::min(), { 1, 6, 15 } },
};

TEST_F(DateTest, SettingYearKeepsMonthDayAndTime)
{
    for (auto const& row : year_rows) {
        SCOPED_TRACE(row.name);
        auto date = make_date(row.from, 13 * 3600 + 14 * 60 + 15);
        date->set_Year(row.year);
        EXPECT_EQ(date->date(), row.to);
        EXPECT_EQ(date->DayOfYear(), fw::civil::day_of_year(row.to));
        EXPECT_EQ(date->DayOfWeek(), fw::civil::weekday_from_days(fw::civil::days_from_civil(row.to)));
        EXPECT_EQ(date->Hour(), 13);
        EXPECT_EQ(date->Minute(), 14);
        EXPECT_EQ(date->Second(), 15);
    }
}

struct SecondsRow {
    char const* name;
    double seconds;
    YearMonthDay date;
    std::int32_t second_of_day;
};

double const first = fw::Date::min_total_seconds;
double const last = fw::Date::max_total_seconds;
double const inf = std::numeric_limits<double>::infinity();

SecondsRow const seconds_rows[] = {
    { "the first second", first, { 1, 1, 1 }, 0 },
    { "the last second", last, { 9999, 12, 31 }, 86399 },
    { "before the first day", first - 1, { 1, 1, 1 }, 0 },
    { "after the last day", last + 86400 * 10, { 9999, 12, 31 }, 86399 },
    { "NaN", std::nan(""), { 1, 1, 1 }, 0 },
    { "-infinity", -inf, { 1, 1, 1 }, 0 },
    { "+infinity", inf, { 9999, 12, 31 }, 86399 },
    { "1e300", 1e300, { 9999, 12, 31 }, 86399 },
    { "a fraction before midnight", 86400 - 0.25, { 1904, 1, 1 }, 86399 },
    { "a fraction before the epoch", -0.25, { 1903, 12, 31 }, 86399 },
};

TEST_F(DateTest, AnyTotalSecondsGivesAConsistentDateInRange)
{
    for (auto const& row : seconds_rows) {
        SCOPED_TRACE(row.name);
        auto date = make_date({ 2026, 6, 15 });
        date->set_TotalSeconds(row.seconds);
        EXPECT_EQ(date->date(), row.date);
        EXPECT_EQ(date->Hour() * 3600 + date->Minute() * 60 + date->Second(), row.second_of_day);
        EXPECT_EQ(date->DayOfWeek(), fw::civil::weekday_from_days(fw::civil::days_from_civil(row.date)));
        EXPECT_FALSE(std::isnan(date->TotalSeconds()));
    }
}

TEST_F(DateTest, StepsOfOtherSizesLandOnTheRightDay)
{
    auto date = make_date({ 2024, 2, 28 }, 600);
    date->set_TotalSeconds(date->TotalSeconds() + 2 * 86400.0);
    EXPECT_EQ(date->date(), (YearMonthDay { 2024, 3, 1 }));
    date->set_TotalSeconds(date->TotalSeconds() - 86400.0);
    EXPECT_EQ(date->date(), (YearMonthDay { 2024, 2, 29 }));
    date->set_TotalSeconds(date->TotalSeconds() + 3600.0);
    EXPECT_EQ(date->date(), (YearMonthDay { 2024, 2, 29 }));
    EXPECT_EQ(date->Hour(), 1);
}

TEST_F(DateTest, WalkingPastTheLastDayStaysOnIt)
{
    auto date = make_date({ 9999, 12, 30 });
    for (int i = 0; i < 3; ++i)
        date->set_TotalSeconds(date->TotalSeconds() + 86400.0);
    EXPECT_EQ(date->date(), (YearMonthDay { 9999, 12, 31 }));
    EXPECT_EQ(date->DayOfYear(), 365);
}

TEST_F(DateTest, MakingADayThatDoesNotExistClampsItIntoOneThatDoes)
{
    EXPECT_EQ(make_date({ 2026, 2, 29 })->date(), (YearMonthDay { 2026, 2, 28 }));
    EXPECT_EQ(make_date({ 0, 0, 0 })->date(), (YearMonthDay { 1, 1, 1 }));
    EXPECT_EQ(make_date({ 10000, 13, 40 })->date(), (YearMonthDay { 9999, 12, 31 }));
}

TEST_F(DateTest, ClassTableMakesDatesAndReflectsTheirProperties)
{
    fw::ClassTable const& table = fw::Date::__Lookup();
    EXPECT_EQ(table.name, "Date");
    EXPECT_TRUE(table.is_subclass_of(fw::Object::__Lookup()));
    auto const object = fw::RuntimeNewObject(table);
    auto const date = fw::RuntimeCheckCast<fw::Date>(object);
    ASSERT_TRUE(date);
    EXPECT_EQ(&date->class_table(), &table);

    date->set_TotalSeconds(fw::Date::total_seconds_at({ 2024, 2, 29 }));
    fw::PropertyEntry const* year = table.find_property("Year");
    ASSERT_TRUE(year && year->set_value && year->get_value);
    year->set_value(*year, date.ptr(), fw::Variant(std::int32_t(2025)));
    EXPECT_EQ(year->get_value(*year, date.ptr()).to_int32(), 2025);
    EXPECT_EQ(
        table.find_property("DayOfYear")->get_value(*table.find_property("DayOfYear"), date.ptr()).to_int32(), 59);
    EXPECT_EQ(table.find_property("DayOfWeek")->get_value(*table.find_property("DayOfWeek"), date.ptr()).to_int32(), 6);
    fw::PropertyEntry const* seconds = table.find_property("TotalSeconds");
    seconds->set_value(*seconds, date.ptr(), fw::Variant(date->TotalSeconds() + 86400.0));
    EXPECT_EQ(date->date(), (YearMonthDay { 2025, 3, 1 }));
    ScopedLocale locale("en_US");
    fw::PropertyEntry const* text = table.find_property("ShortDate");
    EXPECT_EQ(text->get_value(*text, date.ptr()).to_string(), "3/1/2025");
}

}
