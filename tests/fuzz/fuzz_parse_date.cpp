// ParseDate on arbitrary text. The first byte picks the locale, the rest is
// the text. Whatever the text, a failed parse leaves the Date exactly as it
// was, and a successful one gives a real date at midnight whose ShortDate
// reads back as the same day, as does the text with the digits the year rule
// reads. Those digits keep the text's characters: as many, each non-digit
// byte for byte, and they are the very digits the reader compares.

#include "framework/date/Date.h"
#include "framework/date/DateDigits.h"
#include "framework/date/DateLocale_p.h"
#include "framework/runtime/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

char const* const locales[] = {
    "en_US.UTF-8",
    "en_GB.UTF-8",
    "de_DE.UTF-8",
    "fr_FR.UTF-8",
    "sv_SE.UTF-8",
    "ja_JP.UTF-8",
    "ar_EG.UTF-8",
    "th_TH.UTF-8",
    "C",
};

void require(bool holds, char const* what, std::string const& text)
{
    if (holds)
        return;
    std::fprintf(stderr, "ParseDate invariant broken: %s (text of %zu bytes)\n", what, text.size());
    std::abort();
}

bool fields_agree(fw::Date const& date)
{
    fw::civil::YearMonthDay const day = date.date();
    return day.ok() && date.DayOfYear() == fw::civil::day_of_year(day)
        && date.DayOfWeek() == fw::civil::weekday_from_days(fw::civil::days_from_civil(day));
}

std::string digits_of(std::string const& text)
{
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9')
            digits += c;
    return digits;
}

void check_parse(std::string const& text)
{
    auto date = fw::make<fw::Date>(fw::civil::YearMonthDay { 2000, 6, 15 }, 45296.5);
    fw::Date* const object = date.ptr();
    double const before = date->TotalSeconds();
    bool const parsed = fw::ParseDate(text, date);
    require(date.ptr() == object, "the reference was replaced", text);
    if (!parsed) {
        require(date->TotalSeconds() == before, "a failed parse changed the date", text);
        require(date->date() == fw::civil::YearMonthDay { 2000, 6, 15 }, "a failed parse changed the fields", text);
        return;
    }
    require(fields_agree(*date), "the parsed fields disagree", text);
    require(date->Hour() == 0 && date->Minute() == 0 && date->Second() == 0, "time of day is not midnight", text);
    fw::Ref<fw::Date> again;
    require(fw::ParseDate(date->ShortDate(), again), "ShortDate does not parse back", text);
    require(again->TotalSeconds() == date->TotalSeconds(), "ShortDate parses back as another day", text);

    // The year rule reads the digits of ascii_digits: that text must read as
    // the same day, or the rule would judge a year the parser never read.
    fw::Ref<fw::Date> as_digits;
    require(fw::ParseDate(fw::ascii_digits(text), as_digits) && as_digits->TotalSeconds() == date->TotalSeconds(),
        "the text with ASCII digits reads differently", text);

    fw::Ref<fw::Date> nil;
    require(fw::ParseDate(text, nil) && nil->TotalSeconds() == date->TotalSeconds(),
        "a nil reference reads differently", text);
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size == 0)
        return 0;
    setenv("LC_ALL", locales[data[0] % std::size(locales)], 1);
    std::string const text(reinterpret_cast<char const*>(data + 1), size - 1);
    std::int64_t const objects = fw::Object::live_count();
    check_parse(text);
    require(fw::Len(fw::ascii_digits(text)) == fw::Len(text), "ascii_digits changed the character count", text);
    require(digits_of(fw::date_detail::fold_for_matching(text)) == digits_of(fw::ascii_digits(text)),
        "the reader and ascii_digits see different digits", text);
    require(fw::Object::live_count() == objects, "a Date leaked or was freed twice", text);
    return 0;
}
