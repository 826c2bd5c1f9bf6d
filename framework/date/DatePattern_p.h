#pragma once

// Date patterns as ICU writes them ("M/d/yy", "EEEE, d. MMMM y"), reduced to
// the few fields a date uses, and the two things done with them: writing a
// date and reading one. Free of ICU: the locale data arrives as UTF-8, and
// text to be read arrives already folded by fold_for_matching
// (DateLocale_p.h), as do the literals and names it is compared with.

#include "framework/date/Civil.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::date_detail {

enum class Field : std::uint8_t { Literal, Year, Month, Day, MonthName, WeekdayName, Era };

struct PatternToken {
    Field field { Field::Literal };
    std::int32_t width { 0 }; // how many pattern letters: padding, or short (<= 3) against long names
    std::string text; // a literal as written
    std::string folded; // a literal as read: folded, white space as single spaces
};

struct DatePattern {
    std::vector<PatternToken> tokens;
    bool four_digit_year { false }; // ISO 8601: the year must be written with exactly four digits
};

struct NameChoice {
    std::string folded;
    std::int32_t value;
};

// A locale's month, weekday and era names: as written, and every form a
// reader may type, folded.
struct DateNames {
    std::array<std::string, 12> month_short, month_long;
    std::array<std::string, 7> weekday_short, weekday_long; // [0] = Sunday
    std::string era_short, era_long; // of our era; years 1 .. 9999 need no other
    std::vector<NameChoice> months, weekdays, eras;
};

// What a pattern read from a text: scratch values, not yet validated.
struct DateFields {
    std::int32_t year { 0 };
    std::int32_t year_digits { 0 };
    std::int32_t month { 0 };
    std::int32_t day { 0 };
    std::int32_t weekday { 0 }; // 0: the text named none
};

// Splits an ICU pattern into tokens; nullopt when it holds a field we do not
// read (a time, a quarter, a week number...) or lacks a year, month or day.
std::optional<DatePattern> tokenize_pattern(std::string_view pattern);

DatePattern iso_pattern();

// Writes the date; every year is written with four digits.
std::string format_date(
    DatePattern const& pattern, DateNames const& names, civil::YearMonthDay date, std::int32_t weekday);

// Reads the whole of `folded` with the pattern, or gives nullopt.
std::optional<DateFields> match_pattern(DatePattern const& pattern, DateNames const& names, std::string_view folded);

}
