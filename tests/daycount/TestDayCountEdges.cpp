// The day count on the spans a user meets at the edges: one day, a weekend,
// a year end, a leap day, the first and last days of the calendar. Every row
// is checked against the closed-form count as well as against its own
// expected numbers, so that the oracle is tested too.

#include "DayCountWindow.h"

namespace daycount_test {
namespace {

    struct SpanRow {
        char const* name;
        char const* from; // as typed in en_US
        char const* to;
        oracle::Ymd from_date;
        oracle::Ymd to_date;
        oracle::DayCounts expected;
        char const* from_day;
        char const* to_day;
    };
    void PrintTo(SpanRow const& row, std::ostream* out) { *out << row.name; }

    SpanRow const spans[] = {
        { "same_monday", "12/7/2026", "12/7/2026", { 2026, 12, 7 }, { 2026, 12, 7 }, { 1, 0, 1 }, "Monday", "Monday" },
        { "same_friday", "12/11/2026", "12/11/2026", { 2026, 12, 11 }, { 2026, 12, 11 }, { 1, 0, 1 }, "Friday",
            "Friday" },
        { "same_saturday", "12/12/2026", "12/12/2026", { 2026, 12, 12 }, { 2026, 12, 12 }, { 0, 1, 1 }, "Saturday",
            "Saturday" },
        { "same_sunday", "12/13/2026", "12/13/2026", { 2026, 12, 13 }, { 2026, 12, 13 }, { 0, 1, 1 }, "Sunday",
            "Sunday" },
        { "friday_to_monday", "12/4/2026", "12/7/2026", { 2026, 12, 4 }, { 2026, 12, 7 }, { 2, 2, 4 }, "Friday",
            "Monday" },
        { "across_year_end", "12/30/2026", "1/2/2027", { 2026, 12, 30 }, { 2027, 1, 2 }, { 3, 1, 4 }, "Wednesday",
            "Saturday" },
        { "leap_february", "2/28/2024", "3/1/2024", { 2024, 2, 28 }, { 2024, 3, 1 }, { 3, 0, 3 }, "Wednesday",
            "Friday" },
        { "common_february", "2/28/2026", "3/1/2026", { 2026, 2, 28 }, { 2026, 3, 1 }, { 0, 2, 2 }, "Saturday",
            "Sunday" },
        { "century_not_leap", "2/28/2100", "3/1/2100", { 2100, 2, 28 }, { 2100, 3, 1 }, { 1, 1, 2 }, "Sunday",
            "Monday" },
        { "first_week_of_the_calendar", "1/1/0001", "1/7/0001", { 1, 1, 1 }, { 1, 1, 7 }, { 5, 2, 7 }, "Monday",
            "Sunday" },
        { "last_week_of_the_calendar", "12/25/9999", "12/31/9999", { 9999, 12, 25 }, { 9999, 12, 31 }, { 5, 2, 7 },
            "Saturday", "Friday" },
        // The start's day of the year lies beyond the end's: the year test
        // carries the walk across each year end.
        { "later_day_earlier_year", "12/31/2020", "1/1/2023", { 2020, 12, 31 }, { 2023, 1, 1 }, { 522, 210, 732 },
            "Thursday", "Sunday" },
        { "earlier_day_earlier_year", "1/1/2020", "6/1/2021", { 2020, 1, 1 }, { 2021, 6, 1 }, { 370, 148, 518 },
            "Wednesday", "Tuesday" },
    };

    class DayCountSpan : public DayCountWindow, public ::testing::WithParamInterface<SpanRow> { };

    TEST_P(DayCountSpan, CountsEveryDayWithBothEndsIncluded)
    {
        SpanRow const& row = GetParam();
        ASSERT_EQ(oracle::count(row.from_date, row.to_date), row.expected);

        EXPECT_EQ(count(row.from, row.to), row.expected);
        EXPECT_EQ(text("efStartDay"), row.from_day);
        EXPECT_EQ(text("efEndDay"), row.to_day);
        EXPECT_TRUE(messages().empty());
    }

    TEST_P(DayCountSpan, YieldsOncePerDayAfterTheFirst)
    {
        SpanRow const& row = GetParam();
        count(row.from, row.to);
        EXPECT_EQ(yields(), row.expected.total - 1);
    }

    TEST_P(DayCountSpan, LeavesTheParsedDatesInStartAndEndD)
    {
        SpanRow const& row = GetParam();
        count(row.from, row.to);
        ASSERT_TRUE(window().Start && window().EndD);
        EXPECT_EQ(ymd_of(*window().Start), row.from_date);
        EXPECT_EQ(ymd_of(*window().EndD), row.to_date);
        EXPECT_EQ(text("efStart"), short_text(row.from_date));
        EXPECT_EQ(text("efEnd"), short_text(row.to_date));
    }

    INSTANTIATE_TEST_SUITE_P(Spans, DayCountSpan, ::testing::ValuesIn(spans),
        [](::testing::TestParamInfo<SpanRow> const& info) { return std::string(info.param.name); });

    TEST_F(DayCountWindow, ARepeatedCountGivesTheSameResult)
    {
        EXPECT_EQ(count("12/4/2026", "12/7/2026"), (oracle::DayCounts { 2, 2, 4 }));
        EXPECT_EQ(count("12/4/2026", "12/7/2026"), (oracle::DayCounts { 2, 2, 4 }));
    }

}
}
