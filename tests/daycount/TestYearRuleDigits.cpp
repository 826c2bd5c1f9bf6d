// The century rule for dates typed in the user's own digits: the rule sees
// the digits the parser reads, so a year written out in four full-width,
// Arabic-Indic, Persian or Devanagari digits keeps its year, and a two-digit
// year in any of those scripts moves on a century as an ASCII one does.
// One-digit circled and superscript digits count as digits; a character that
// stands for more than one digit makes the text unreadable.

#include "DayCountWindow.h"

namespace daycount_test {
namespace {

    struct ScriptRow {
        char const* name;
        char const* locale;
        char const* start; // typed into the start field
        char const* end; // typed into the end field
        oracle::Ymd start_date; // what the start field comes to hold
        std::int32_t total;
    };
    void PrintTo(ScriptRow const& row, std::ostream* out) { *out << row.name; }

    // clang-format off
    ScriptRow const four_digit_years[] = {
        { "ja_full_width",      "ja_JP.UTF-8", "１９９９/１２/３１", "2000/01/01", { 1999, 12, 31 }, 2 },
        { "us_full_width",      "en_US.UTF-8", "１２/３１/１９９９", "1/1/2000",   { 1999, 12, 31 }, 2 },
        { "ar_arabic_indic",    "ar_EG.UTF-8", "٣١/١٢/١٩٩٩",       "١/١/٢٠٠٠",   { 1999, 12, 31 }, 2 },
        { "fa_persian",         "fa_IR.UTF-8", "۱۹۹۹/۱۲/۳۱",       "۲۰۰۰/۱/۱",   { 1999, 12, 31 }, 2 },
        { "hi_devanagari",      "hi_IN.UTF-8", "३१/१२/१९९९",       "१/१/२०००",   { 1999, 12, 31 }, 2 },
        { "us_full_width_1950", "en_US.UTF-8", "６/１５/１９５０",   "6/17/1950",  { 1950, 6, 15 },  3 },
        { "ja_three_digits",    "ja_JP.UTF-8", "９９５/０１/０１",   "995/1/3",    { 995, 1, 1 },    3 },
        { "us_circled",         "en_US.UTF-8", "①②/③①/①⑨⑨⑨",     "1/1/2000",   { 1999, 12, 31 }, 2 },
        { "us_superscript",     "en_US.UTF-8", "¹²/³¹/¹⁹⁹⁹",       "1/1/2000",   { 1999, 12, 31 }, 2 },
    };

    ScriptRow const two_digit_years[] = {
        { "us_full_width_99",   "en_US.UTF-8", "１２/３１/９９",     "1/1/2100",   { 2099, 12, 31 }, 2 },
        { "ja_full_width_99",   "ja_JP.UTF-8", "９９/１２/３１",     "2100/1/1",   { 2099, 12, 31 }, 2 },
        { "ar_arabic_indic_99", "ar_EG.UTF-8", "٣١/١٢/٩٩",         "1/1/2100",   { 2099, 12, 31 }, 2 },
        { "fa_persian_99",      "fa_IR.UTF-8", "۹۹/۱۲/۳۱",         "2100/1/1",   { 2099, 12, 31 }, 2 },
        { "hi_devanagari_99",   "hi_IN.UTF-8", "३१/१२/९९",         "1/1/2100",   { 2099, 12, 31 }, 2 },
        { "us_circled_99",      "en_US.UTF-8", "①②/③①/⑨⑨",        "1/1/2100",   { 2099, 12, 31 }, 2 },
    };
    // clang-format on

    class YearRuleDigits : public DayCountWindow, public ::testing::WithParamInterface<ScriptRow> {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            use_locale(GetParam().locale);
        }

        void expect_counted()
        {
            ScriptRow const& row = GetParam();
            set_text("efStart", row.start);
            set_text("efEnd", row.end);
            window().Calculate();
            EXPECT_TRUE(messages().empty()) << messages().front();
            ASSERT_TRUE(window().Start);
            EXPECT_EQ(ymd_of(*window().Start), row.start_date);
            EXPECT_EQ(text("efStart"), short_text(row.start_date));
            EXPECT_EQ(text("efTotal"), std::to_string(row.total));
        }
    };

    class FourDigitYear : public YearRuleDigits { };
    class TwoDigitYear : public YearRuleDigits { };

    TEST_P(FourDigitYear, KeepsItsYearInTheDayCount) { expect_counted(); }
    TEST_P(TwoDigitYear, MovesOnACenturyInTheDayCount) { expect_counted(); }

    TEST_P(FourDigitYear, KeepsItsYearOnFocusLoss)
    {
        set_text("efStart", GetParam().start);
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(ymd_of(*window().Start), GetParam().start_date);
    }

    TEST_P(TwoDigitYear, MovesOnACenturyOnReturn)
    {
        set_text("efStart", GetParam().start);
        window().efStart_KeyDown(nullptr, "\r");
        EXPECT_EQ(ymd_of(*window().Start), GetParam().start_date);
    }

    // A character that stands for several digits, or for a digit with more,
    // is no digit to the parser or to the rule: the text is refused, and the
    // field gets back the date it held rather than one a century on.
    struct CompoundRow {
        char const* name;
        char const* locale;
        char const* text;
    };
    void PrintTo(CompoundRow const& row, std::ostream* out) { *out << row.name; }

    CompoundRow const compound_digits[] = {
        { "us_circled_nineteen", "en_US.UTF-8", "12/31/⑲⑨⑨" },
        { "de_circled_nineteen", "de_DE.UTF-8", "15.6.⑲95" },
        { "hu_digit_full_stop", "hu_HU.UTF-8", "199⒐ 12. 25." },
        { "us_parenthesised_one", "en_US.UTF-8", "⑴2/25/2026" },
        { "us_circled_twenty_five", "en_US.UTF-8", "12/㉕/2026" },
    };

    class CompoundDigits : public DayCountWindow, public ::testing::WithParamInterface<CompoundRow> {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            use_locale(GetParam().locale);
            window().Start = make_date({ 1995, 6, 15 }, 0);
        }
    };

    TEST_P(CompoundDigits, AreRefusedAndTheFieldKeepsItsDate)
    {
        fw::Date const* const before = window().Start.ptr();
        set_text("efStart", GetParam().text);
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(window().Start.ptr(), before);
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 1995, 6, 15 }));
        EXPECT_EQ(text("efStart"), short_text({ 1995, 6, 15 }));

        set_text("efStart", GetParam().text);
        window().efStart_KeyDown(nullptr, "\r");
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 1995, 6, 15 }));
    }

    auto const row_name = [](::testing::TestParamInfo<ScriptRow> const& info) { return std::string(info.param.name); };
    INSTANTIATE_TEST_SUITE_P(Scripts, FourDigitYear, ::testing::ValuesIn(four_digit_years), row_name);
    INSTANTIATE_TEST_SUITE_P(Scripts, TwoDigitYear, ::testing::ValuesIn(two_digit_years), row_name);
    INSTANTIATE_TEST_SUITE_P(Scripts, CompoundDigits, ::testing::ValuesIn(compound_digits),
        [](::testing::TestParamInfo<CompoundRow> const& info) { return std::string(info.param.name); });

}
}
