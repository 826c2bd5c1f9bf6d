// ShortDate: the locale's short form with a four-digit year, which the
// locale comes from, and that ParseDate reads every written date back.

#include "DateTestSupport.h"

namespace {

using fw::civil::YearMonthDay;

char const* const locales[] = { "en_US", "en_GB", "de_DE", "fr_FR", "sv_SE", "ja_JP" };

struct ShortRow {
    char const* locale;
    YearMonthDay date;
    char const* text;
};

ShortRow const short_rows[] = {
    { "en_US", { 2026, 12, 25 }, "12/25/2026" },
    { "en_US", { 2026, 1, 5 }, "1/5/2026" },
    { "en_US", { 99, 3, 4 }, "3/4/0099" },
    { "en_GB", { 2026, 1, 5 }, "05/01/2026" },
    { "de_DE", { 2026, 1, 5 }, "05.01.2026" },
    { "de_DE", { 1, 1, 1 }, "01.01.0001" },
    { "fr_FR", { 2026, 1, 5 }, "05/01/2026" },
    { "sv_SE", { 2026, 1, 5 }, "2026-01-05" },
    { "ja_JP", { 2026, 1, 5 }, "2026/01/05" },
    { "ja_JP", { 9999, 12, 31 }, "9999/12/31" },
};

class ShortDateTest : public DateTest { };

TEST_F(ShortDateTest, WritesTheLocaleShortFormWithAFourDigitYear)
{
    for (auto const& row : short_rows) {
        SCOPED_TRACE(row.locale);
        ScopedLocale locale(row.locale);
        EXPECT_EQ(make_date(row.date, 3600)->ShortDate(), row.text);
    }
}

struct EnvRow {
    char const* name;
    char const* lc_all;
    char const* lc_time;
    char const* lang;
    char const* text; // 25 December 2026 in the locale chosen
};

EnvRow const env_rows[] = {
    { "nothing set", nullptr, nullptr, nullptr, "12/25/2026" },
    { "LANG alone", nullptr, nullptr, "de_DE.UTF-8", "25.12.2026" },
    { "LC_TIME over LANG", nullptr, "sv_SE.UTF-8", "de_DE.UTF-8", "2026-12-25" },
    { "LC_ALL over both", "en_GB.UTF-8", "sv_SE.UTF-8", "de_DE.UTF-8", "25/12/2026" },
    { "empty LC_ALL is unset", "", "sv_SE.UTF-8", "de_DE.UTF-8", "2026-12-25" },
    { "C", "C", nullptr, "de_DE.UTF-8", "12/25/2026" },
    { "C.UTF-8", "C.UTF-8", nullptr, "de_DE.UTF-8", "12/25/2026" },
    { "POSIX", nullptr, nullptr, "POSIX", "12/25/2026" },
    { "a modifier", nullptr, nullptr, "de_DE@euro", "25.12.2026" },
    { "no codeset", nullptr, nullptr, "ja_JP", "2026/12/25" },
    { "a locale nobody has", nullptr, nullptr, "zz_ZZ.UTF-8", "12/25/2026" },
};

TEST_F(ShortDateTest, TakesTheLocaleFromLcAllThenLcTimeThenLang)
{
    for (auto const& row : env_rows) {
        SCOPED_TRACE(row.name);
        ScopedEnv all("LC_ALL", row.lc_all);
        ScopedEnv time("LC_TIME", row.lc_time);
        ScopedEnv lang("LANG", row.lang);
        EXPECT_EQ(make_date({ 2026, 12, 25 })->ShortDate(), row.text);
    }
}

// Reads back every day of the given years; stops at the first failure.
void expect_round_trips(std::int32_t first_year, std::int32_t last_year)
{
    auto date = make_date({ first_year, 1, 1 });
    fw::Ref<fw::Date> read = make_date({ 2000, 6, 15 });
    while (date->Year() <= last_year) {
        std::string const text = date->ShortDate();
        ASSERT_TRUE(fw::ParseDate(text, read)) << text;
        ASSERT_EQ(read->TotalSeconds(), date->TotalSeconds()) << text;
        if (date->date() == YearMonthDay { 9999, 12, 31 })
            break;
        date->set_TotalSeconds(date->TotalSeconds() + 86400.0);
    }
}

TEST_F(ShortDateTest, ParseDateReadsBackEveryDayOfWholeCenturies)
{
    for (char const* name : locales) {
        SCOPED_TRACE(name);
        ScopedLocale locale(name);
        expect_round_trips(1, 100);
        expect_round_trips(1900, 2100);
        expect_round_trips(9900, 9999);
    }
}

}
