// ParseDate in six locales: the forms it accepts, the values it refuses, and
// what a failed parse must leave alone.

#include "DateTestSupport.h"

namespace {

using fw::civil::YearMonthDay;

struct ParseRow {
    char const* locale;
    char const* text;
    std::optional<YearMonthDay> date; // nullopt: the text is no date
};

YearMonthDay const christmas { 2026, 12, 25 };
std::nullopt_t const none = std::nullopt;

ParseRow const parse_rows[] = {
    { "en_US", "12/25/2026", christmas },
    { "en_US", " \t12/25/2026  ", christmas },
    { "en_US", "1/5/2026", YearMonthDay { 2026, 1, 5 } },
    { "en_US", "01/05/2026", YearMonthDay { 2026, 1, 5 } },
    { "en_US", "12/31/99", YearMonthDay { 1999, 12, 31 } },
    { "en_US", "1/1/26", YearMonthDay { 1926, 1, 1 } },
    { "en_US", "1/1/5", YearMonthDay { 1905, 1, 1 } },
    { "en_US", "1/1/00", YearMonthDay { 1900, 1, 1 } },
    { "en_US", "1/1/0001", YearMonthDay { 1, 1, 1 } },
    { "en_US", "12/31/9999", YearMonthDay { 9999, 12, 31 } },
    { "en_US", "2/29/2024", YearMonthDay { 2024, 2, 29 } },
    { "en_US", "2026-12-25", christmas },
    { "en_US", "Dec 25, 2026", christmas },
    { "en_US", "December 25, 2026", christmas },
    { "en_US", "Friday, December 25, 2026", christmas },
    { "en_US", "FRIDAY, december 25, 2026", christmas },
    { "en_US", "\u00A012/25/2026\u2003", christmas }, // white space beyond ASCII
    { "en_US", "DECEMBER\u00A025,\u202F2026\u200F", christmas }, // and an invisible mark
    { "en_US", "Monday, December 25, 2026", none }, // the weekday contradicts the date
    { "en_US", "2/29/2026", none },
    { "en_US", "2/30/2026", none },
    { "en_US", "13/1/2026", none },
    { "en_US", "13/13/2026", none },
    { "en_US", "0/1/2026", none },
    { "en_US", "1/0/2026", none },
    { "en_US", "1/32/2026", none },
    { "en_US", "1/1/0000", none },
    { "en_US", "1/1/10000", none },
    { "en_US", "12/25/2026x", none },
    { "en_US", "12/25/2026 10:00", none },
    { "en_US", "12/25", none },
    { "en_US", "12-25-2026", none },
    { "en_US", "+12/25/2026", none },
    { "en_US", "12/25/-2026", none },
    { "en_US", "2026-13-01", none },
    { "en_US", "26-12-25", none }, // ISO wants its four-digit year
    { "en_US", "", none },
    { "en_US", "   ", none },
    { "en_US", "Dec 32, 2026", none },
    { "en_GB", "25/12/2026", christmas },
    { "en_GB", "1/3/2028", YearMonthDay { 2028, 3, 1 } },
    { "en_GB", "25 Dec 2026", christmas },
    { "en_GB", "25 December 2026", christmas },
    { "en_GB", "Friday, 25 December 2026", christmas },
    { "en_GB", "2026-12-25", christmas },
    { "en_GB", "12/25/2026", none },
    { "en_GB", "31/2/2026", none },
    { "de_DE", "25.12.2026", christmas },
    { "de_DE", "1.3.2024", YearMonthDay { 2024, 3, 1 } },
    { "de_DE", "01.03.24", YearMonthDay { 1924, 3, 1 } },
    { "de_DE", "1. März 2024", YearMonthDay { 2024, 3, 1 } },
    { "de_DE", "Freitag, 25. Dezember 2026", christmas },
    { "de_DE", "2026-12-25", christmas },
    { "de_DE", "31.04.2026", none },
    { "de_DE", "25.12.2026.", none },
    { "de_DE", "25/12/2026", none },
    { "fr_FR", "25/12/2026", christmas },
    { "fr_FR", "25 déc. 2026", christmas },
    { "fr_FR", "25 déc 2026", christmas },
    { "fr_FR", "25 décembre 2026", christmas },
    { "fr_FR", "Vendredi 25 Décembre 2026", christmas },
    { "fr_FR", "30/02/2026", none },
    { "fr_FR", "25 decembre 2026", none }, // an accent is part of the name
    { "sv_SE", "2026-12-25", christmas },
    { "sv_SE", "26-12-25", YearMonthDay { 1926, 12, 25 } },
    { "sv_SE", "25 dec. 2026", christmas },
    { "sv_SE", "25 december 2026", christmas },
    { "sv_SE", "fredag 25 december 2026", christmas },
    { "sv_SE", "2026-02-30", none },
    { "sv_SE", "12/25/2026", none },
    { "ja_JP", "2026/12/25", christmas },
    { "ja_JP", "2026/1/5", YearMonthDay { 2026, 1, 5 } },
    { "ja_JP", "2026年12月25日", christmas },
    { "ja_JP", "2026年12月25日金曜日", christmas },
    { "ja_JP", "２０２６/１２/２５", christmas }, // full-width digits, as an input method types them
    { "ja_JP", "2026-12-25", christmas },
    { "ja_JP", "2026/13/01", none },
    { "ja_JP", "2026年12月25日月曜日", none },
    // A character is a digit only where it stands for exactly one.
    { "en_US", "①②/②⑤/②⓪②⑥", christmas },
    { "en_US", "¹²/²⁵/²⁰²⁶", christmas },
    { "en_US", "12/31/⑲⑨⑨", none },
    { "en_US", "⑫/25/2026", none },
    { "en_US", "12/㉕/2026", none },
    { "en_US", "⑴2/25/2026", none },
    { "en_US", "12/25/202⒍", none },
    { "de_DE", "15.6.⑲95", none },
    { "hu_HU", "1999. 12. 25.", YearMonthDay { 1999, 12, 25 } },
    { "hu_HU", "199⒐ 12. 25.", none },
};

class ParseDateTest : public DateTest { };

TEST_F(ParseDateTest, AcceptsTheLocaleFormsAndRefusesWhatIsNoDate)
{
    for (auto const& row : parse_rows) {
        SCOPED_TRACE(std::string(row.locale) + " \"" + row.text + "\"");
        ScopedLocale locale(row.locale);
        auto date = make_date({ 2000, 6, 15 }, 45000);
        bool const parsed = fw::ParseDate(row.text, date);
        ASSERT_EQ(parsed, row.date.has_value());
        if (parsed) {
            EXPECT_EQ(date->date(), *row.date);
            EXPECT_EQ(date->Hour() + date->Minute() + date->Second(), 0) << "time of day";
        }
    }
}

TEST_F(ParseDateTest, AFailedParseLeavesTheDateExactlyAsItWas)
{
    ScopedLocale locale("en_US");
    auto date = make_date({ 2024, 2, 29 }, 12345.5);
    fw::Date* const object = date.ptr();
    double const seconds = date->TotalSeconds();
    for (char const* text : { "2/30/2026", "junk", "", "12/25/2026 x" }) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(fw::ParseDate(text, date));
        EXPECT_EQ(date.ptr(), object);
        EXPECT_EQ(date->TotalSeconds(), seconds);
        EXPECT_EQ(date->date(), (YearMonthDay { 2024, 2, 29 }));
        EXPECT_EQ(date->DayOfYear(), 60);
        EXPECT_EQ(date->DayOfWeek(), 5);
        EXPECT_EQ(date->ref_count(), 1u);
    }
}

TEST_F(ParseDateTest, ASuccessfulParseStoresIntoTheDateItWasGiven)
{
    ScopedLocale locale("en_US");
    auto date = make_date({ 2024, 2, 29 }, 12345.5);
    fw::Ref<fw::Date> other_holder = date;
    ASSERT_TRUE(fw::ParseDate("3/1/2026", date));
    EXPECT_EQ(date, other_holder);
    EXPECT_EQ(date->TotalSeconds(), fw::Date::total_seconds_at({ 2026, 3, 1 }));
    EXPECT_EQ(date->DayOfYear(), 60);
    EXPECT_EQ(date->DayOfWeek(), 1);
}

TEST_F(ParseDateTest, ANilReferenceReceivesANewDateOnlyOnSuccess)
{
    ScopedLocale locale("en_US");
    fw::Ref<fw::Date> date;
    EXPECT_FALSE(fw::ParseDate("2/30/2026", date));
    EXPECT_TRUE(date.is_nil());
    ASSERT_TRUE(fw::ParseDate("2/28/2026", date));
    ASSERT_FALSE(date.is_nil());
    EXPECT_EQ(date->date(), (YearMonthDay { 2026, 2, 28 }));
}

TEST_F(ParseDateTest, RefusesTextsTooLongToBeADate)
{
    ScopedLocale locale("en_US");
    fw::Ref<fw::Date> date;
    EXPECT_FALSE(fw::ParseDate(std::string(100000, '0') + "1/1/2026", date));
    EXPECT_FALSE(fw::ParseDate(std::string("1/1/2026\0", 9), date));
    EXPECT_FALSE(fw::ParseDate("1/1/2026\xff", date));
}

// The limit is on the date's own text: white space around it, of any length
// and any kind, is not counted, while white space inside it is.
TEST_F(ParseDateTest, TheLengthLimitLeavesOutTheWhiteSpaceAround)
{
    ScopedLocale locale("en_US");
    fw::Ref<fw::Date> date;
    std::string const spaces(1000, ' ');
    ASSERT_TRUE(fw::ParseDate(spaces + "12/25/2026" + spaces, date));
    EXPECT_EQ(date->date(), christmas);
    std::string wide;
    for (int i = 0; i < 500; ++i)
        wide += i % 2 ? "\u3000" : "\t\u00A0\n";
    ASSERT_TRUE(fw::ParseDate(wide + "12/24/2026" + wide, date));
    EXPECT_EQ(date->date(), (YearMonthDay { 2026, 12, 24 }));
    EXPECT_TRUE(fw::ParseDate(std::string(100000, ' ') + "1/1/2026", date));

    std::string const at_limit = "December" + std::string(240, ' ') + "25, 2026"; // 256 bytes
    ASSERT_EQ(at_limit.size(), 256u);
    EXPECT_TRUE(fw::ParseDate(spaces + at_limit + spaces, date));
    std::string const past_limit = "December" + std::string(241, ' ') + "25, 2026";
    ASSERT_EQ(past_limit.size(), 257u);
    EXPECT_FALSE(fw::ParseDate(past_limit, date));
    EXPECT_FALSE(fw::ParseDate(" " + past_limit + " ", date));
    EXPECT_EQ(date->date(), christmas) << "a refused text leaves the date";
}

}
