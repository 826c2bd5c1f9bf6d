// The day count over a seeded random sample of spans across years 1 to 9999,
// typed in the short form of several locales, against the closed-form count.

#include "DayCountWindow.h"

#include <algorithm>
#include <random>

namespace daycount_test {
namespace {

    constexpr std::int64_t first_day = 0; // 0001-01-01
    constexpr std::int64_t last_day = oracle::day_number({ 9999, 12, 31 });

    struct LocaleRow {
        char const* name;
        char const* locale;
        std::uint32_t seed;
    };
    void PrintTo(LocaleRow const& row, std::ostream* out) { *out << row.name; }

    LocaleRow const locales[] = {
        { "en_US", "en_US.UTF-8", 1 },
        { "de_DE", "de_DE.UTF-8", 2 },
        { "sv_SE", "sv_SE.UTF-8", 3 },
        { "en_GB", "en_GB.UTF-8", 4 },
    };

    class DayCountSample : public DayCountWindow, public ::testing::WithParamInterface<LocaleRow> {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            use_locale(GetParam().locale);
        }

        // Counts from `from` over `span` further days and checks the numbers,
        // the yields and the rewritten fields.
        void check_span(std::int64_t from, std::int64_t span)
        {
            oracle::Ymd const start = oracle::from_day_number(from);
            oracle::Ymd const end = oracle::from_day_number(std::min(from + span, last_day));
            std::string const start_text = short_text(start);
            std::string const end_text = short_text(end);
            SCOPED_TRACE(start_text + " to " + end_text);

            reset_counters();
            EXPECT_EQ(count(start_text, end_text), oracle::count(start, end));
            EXPECT_EQ(yields(), oracle::count(start, end).total - 1);
            EXPECT_EQ(text("efStart"), start_text);
            EXPECT_EQ(text("efEnd"), end_text);
            EXPECT_TRUE(messages().empty());
        }
    };

    TEST_P(DayCountSample, ShortSpansMatchTheClosedForm)
    {
        std::mt19937 random(GetParam().seed);
        std::uniform_int_distribution<std::int64_t> day(first_day, last_day);
        std::uniform_int_distribution<std::int64_t> span(0, 400);
        for (int i = 0; i < 750 && !HasFailure(); ++i)
            check_span(day(random), span(random));
    }

    TEST_P(DayCountSample, SpansOfCenturiesMatchTheClosedForm)
    {
        std::mt19937 random(GetParam().seed + 100);
        std::uniform_int_distribution<std::int64_t> day(first_day, last_day);
        std::uniform_int_distribution<std::int64_t> span(36524, 3 * 36524);
        for (int i = 0; i < 2 && !HasFailure(); ++i)
            check_span(day(random), span(random));
    }

    TEST_P(DayCountSample, TheWholeFirstAndLastCenturies)
    {
        check_span(first_day, oracle::day_number({ 101, 1, 1 }));
        check_span(oracle::day_number({ 9900, 1, 1 }), last_day);
    }

    INSTANTIATE_TEST_SUITE_P(Locales, DayCountSample, ::testing::ValuesIn(locales),
        [](::testing::TestParamInfo<LocaleRow> const& info) { return std::string(info.param.name); });

}
}
