#pragma once

// The user's date locale and what ICU tells us about it: its date patterns
// and names, loaded once per locale and kept for the life of the process.

#include "framework/date/DatePattern_p.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw::date_detail {

struct DateForms {
    std::string locale; // "en_US"
    DatePattern short_form; // the locale's short pattern; its year is written with four digits
    std::vector<DatePattern> read_forms; // short, medium, long, full, then ISO 8601
    DateNames names;
};

// LC_ALL, then LC_TIME, then LANG, the first one set and not empty, without
// its ".codeset" and "@modifier"; en_US when that is empty, "C" or "POSIX".
// Read afresh on every call, so a change of the environment (tests do it)
// takes effect at the next ShortDate or ParseDate.
std::string date_locale_name();

// The forms of a locale, made on first use and cached by name. A locale
// that ICU has no data for gets en_US's forms.
DateForms const& date_forms(std::string const& locale);

// The text without the white space (any Unicode white space) around it.
std::string_view trim_white_space(std::string_view utf8);

// Text as the reader compares it: case folded (NFKC_Casefold, which also
// drops invisible format marks such as U+200F), every decimal digit as an
// ASCII digit, every run of white space as one ASCII space. A character that
// stands for a digit and more ("⑲", "⒈") becomes U+FFFD, which no form reads.
std::string fold_for_matching(std::string_view utf8);

}
