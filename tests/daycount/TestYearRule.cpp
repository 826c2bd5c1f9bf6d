// The century rule of the date fields: a year the parser places before 2000
// is moved on by 100 years when it was typed with two digits, never when it
// was written out in four, and never when the text did not parse.

#include "DayCountWindow.h"

namespace daycount_test {
namespace {

    struct YearRow {
        char const* name;
        char const* locale;
        char const* typed;
        oracle::Ymd expected;
        char const* rewritten;
    };
    void PrintTo(YearRow const& row, std::ostream* out) { *out << row.name; }

    YearRow const years[] = {
        { "us_99_is_2099", "en_US.UTF-8", "12/31/99", { 2099, 12, 31 }, "12/31/2099" },
        { "us_26_is_2026", "en_US.UTF-8", "1/1/26", { 2026, 1, 1 }, "1/1/2026" },
        { "us_00_is_2000", "en_US.UTF-8", "1/1/00", { 2000, 1, 1 }, "1/1/2000" },
        { "us_one_digit_year", "en_US.UTF-8", "3/4/5", { 2005, 3, 4 }, "3/4/2005" },
        { "us_1950_stays", "en_US.UTF-8", "6/15/1950", { 1950, 6, 15 }, "6/15/1950" },
        { "us_1999_stays", "en_US.UTF-8", "12/31/1999", { 1999, 12, 31 }, "12/31/1999" },
        { "us_2000_stays", "en_US.UTF-8", "1/1/2000", { 2000, 1, 1 }, "1/1/2000" },
        { "us_year_1_stays", "en_US.UTF-8", "1/1/0001", { 1, 1, 1 }, "1/1/0001" },
        { "us_three_digit_year_stays", "en_US.UTF-8", "1/1/995", { 995, 1, 1 }, "1/1/0995" },
        { "us_medium_form_stays", "en_US.UTF-8", "Jun 15, 1950", { 1950, 6, 15 }, "6/15/1950" },
        { "gb_99_is_2099", "en_GB.UTF-8", "31/12/99", { 2099, 12, 31 }, "31/12/2099" },
        { "gb_1950_stays", "en_GB.UTF-8", "15/06/1950", { 1950, 6, 15 }, "15/06/1950" },
        { "de_1950_stays", "de_DE.UTF-8", "15.06.1950", { 1950, 6, 15 }, "15.06.1950" },
        // A dotted short year ends in "1.26" or "6.95": a number, but not a
        // year written out in four digits.
        { "de_26_is_2026", "de_DE.UTF-8", "1.1.26", { 2026, 1, 1 }, "01.01.2026" },
        { "de_95_is_2095", "de_DE.UTF-8", "15.6.95", { 2095, 6, 15 }, "15.06.2095" },
        { "fr_99_is_2099", "fr_FR.UTF-8", "31/12/99", { 2099, 12, 31 }, "31/12/2099" },
        // Year first: the text ends in month and day, yet the year was
        // written out in four digits.
        { "us_iso_1950_stays", "en_US.UTF-8", "1950-06-15", { 1950, 6, 15 }, "6/15/1950" },
        { "sv_1950_stays", "sv_SE.UTF-8", "1950-06-15", { 1950, 6, 15 }, "1950-06-15" },
        { "sv_0050_stays", "sv_SE.UTF-8", "0050-06-15", { 50, 6, 15 }, "0050-06-15" },
        { "sv_2026_stays", "sv_SE.UTF-8", " 2026-06-15", { 2026, 6, 15 }, "2026-06-15" },
    };

    class YearRule : public DayCountWindow, public ::testing::WithParamInterface<YearRow> {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            use_locale(GetParam().locale);
        }
    };

    TEST_P(YearRule, StartFieldOnFocusLoss)
    {
        set_text("efStart", GetParam().typed);
        window().efStart_LostFocus(nullptr);
        ASSERT_TRUE(window().Start);
        EXPECT_EQ(ymd_of(*window().Start), GetParam().expected);
        EXPECT_EQ(text("efStart"), GetParam().rewritten);
    }

    TEST_P(YearRule, EndFieldOnFocusLoss)
    {
        set_text("efEnd", GetParam().typed);
        window().efEnd_LostFocus(nullptr);
        ASSERT_TRUE(window().EndD);
        EXPECT_EQ(ymd_of(*window().EndD), GetParam().expected);
        EXPECT_EQ(text("efEnd"), GetParam().rewritten);
    }

    TEST_P(YearRule, StartFieldOnReturn)
    {
        set_text("efStart", GetParam().typed);
        window().efStart_KeyDown(nullptr, "\r");
        ASSERT_TRUE(window().Start);
        EXPECT_EQ(ymd_of(*window().Start), GetParam().expected);
    }

    TEST_P(YearRule, BothFieldsInTheDayCount)
    {
        set_text("efStart", GetParam().typed);
        set_text("efEnd", GetParam().typed);
        window().Calculate();
        EXPECT_EQ(ymd_of(*window().Start), GetParam().expected);
        EXPECT_EQ(ymd_of(*window().EndD), GetParam().expected);
        EXPECT_EQ(text("efTotal"), "1");
    }

    // A rewritten field holds the year in four digits, so normalising it
    // again never moves it a second time.
    TEST_P(YearRule, ARewrittenFieldKeepsItsYear)
    {
        set_text("efStart", GetParam().typed);
        window().efStart_LostFocus(nullptr);
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(ymd_of(*window().Start), GetParam().expected);
        EXPECT_EQ(text("efStart"), GetParam().rewritten);
    }

    INSTANTIATE_TEST_SUITE_P(Texts, YearRule, ::testing::ValuesIn(years),
        [](::testing::TestParamInfo<YearRow> const& info) { return std::string(info.param.name); });

    // White space around a date, however long, is no part of it: the text
    // reads, and the rule still sees whether the year was written out.
    TEST_F(DayCountWindow, LongWhiteSpaceAroundADateKeepsTheRule)
    {
        use_locale("en_US.UTF-8");
        std::string const spaces(1000, ' ');
        set_text("efStart", spaces + "12/31/1999" + spaces);
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 1999, 12, 31 }));
        set_text("efEnd", spaces + "12/31/99" + spaces);
        window().efEnd_LostFocus(nullptr);
        EXPECT_EQ(ymd_of(*window().EndD), (oracle::Ymd { 2099, 12, 31 }));
        EXPECT_EQ(text("efEnd"), "12/31/2099");
    }

    // A text that does not parse leaves the date exactly as it was, time of
    // day included, however old its year; the field shows that date again.
    class MistypedField : public DayCountWindow {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            window().Start = make_date({ 1995, 6, 15 }, 10 * 3600 + 30 * 60);
            window().EndD = make_date({ 1899, 12, 31 }, 5);
        }
        void expect_kept(fw::Ref<fw::Date> const& date, oracle::Ymd ymd, double second_of_day)
        {
            ASSERT_TRUE(date);
            EXPECT_EQ(date->TotalSeconds(), make_date(ymd, second_of_day)->TotalSeconds());
        }
    };

    TEST_F(MistypedField, StartKeepsItsDateOnFocusLoss)
    {
        fw::Date const* const before = window().Start.ptr();
        set_text("efStart", "6/15/19x5");
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(window().Start.ptr(), before);
        expect_kept(window().Start, { 1995, 6, 15 }, 10 * 3600 + 30 * 60);
        EXPECT_EQ(text("efStart"), "6/15/1995");
    }

    TEST_F(MistypedField, StartKeepsItsDateOnReturn)
    {
        set_text("efStart", "");
        window().efStart_KeyDown(nullptr, "\r");
        expect_kept(window().Start, { 1995, 6, 15 }, 10 * 3600 + 30 * 60);
        EXPECT_EQ(text("efStart"), "6/15/1995");
    }

    TEST_F(MistypedField, EndKeepsItsDateOnFocusLoss)
    {
        set_text("efEnd", "31/12/99");
        window().efEnd_LostFocus(nullptr);
        expect_kept(window().EndD, { 1899, 12, 31 }, 5);
        EXPECT_EQ(text("efEnd"), "12/31/1899");
    }

    TEST_F(MistypedField, AShortUnreadableTextKeepsTheDateToo)
    {
        set_text("efStart", "x");
        window().efStart_LostFocus(nullptr);
        expect_kept(window().Start, { 1995, 6, 15 }, 10 * 3600 + 30 * 60);
    }

}
}
