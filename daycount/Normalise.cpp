// The date-field normalisation that both date fields share: parse the
// field's text into its date, move a two-digit year on by a century, and
// write the date back in the user's short form.

#include "window/frmMain.h"

#include "framework/date/DateDigits.h"
#include "framework/runtime/Text.h"

#include <algorithm>
#include <string_view>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Whether the text ends in a year written out in four digits. The last four
// characters must read as a number and be digits: a dotted short form such
// as "15.6.95" ends in "6.95", a number but no year.
bool ends_in_four_digits(fw::String const& tail)
{
    return fw::IsNumeric(fw::StringToVariant(tail)) && fw::Len(tail) == 4
        && std::all_of(tail.begin(), tail.end(), is_digit);
}

// Whether the text holds the year as a run of exactly four digits, zero
// padded ("0050" for the year 50), not as part of a longer run of digits.
bool holds_four_digit_year(std::string_view text, std::int32_t year)
{
    if (year < 0 || year > 9999)
        return false;
    char const padded[4]
        = { char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10), char('0' + year % 10) };
    std::string_view const wanted(padded, 4);
    for (std::size_t run_start = 0; run_start < text.size();) {
        if (!is_digit(text[run_start])) {
            ++run_start;
            continue;
        }
        std::size_t run_end = run_start;
        while (run_end < text.size() && is_digit(text[run_end]))
            ++run_end;
        if (run_end - run_start == 4 && text.substr(run_start, 4) == wanted)
            return true;
        run_start = run_end;
    }
    return false;
}

}

bool frmMain::normalise(fw::Ref<fw::TextField> (frmMain::*field)(), fw::Ref<fw::Date>& date)
{
    // The field is looked up again for every use, as the accessors intend.
    auto const field_text = [&] { return fw::checked((this->*field)()).Text(); };
    // The century rule looks at the digits the parser read, whatever script
    // they were typed in: a year written "１９９９" or "١٩٩٩" is written out in
    // four digits as much as "1999". ASCII text reaches the rule unchanged.
    auto const field_digits = [&] { return fw::ascii_digits(field_text()); };

    fw::String const typed = field_text();
    bool const parsed = fw::ParseDate(typed, date);

    // Only a date the parser has just produced is subject to the century
    // rule: after a failed parse the field gets back the date it held. A
    // year written out in four digits is kept even when a year-first form
    // (1950-06-15) puts it at the start of the text. The parser reads a
    // one- or two-digit year as 1900 to 1999, so a year below 1900 was
    // written out in three or four digits and is kept too.
    if (parsed && fw::checked(date).Year() >= 1900 && date->Year() < 2000) {
        // The last four characters; a shorter text gives Mid's answer for a
        // start below 1.
        fw::String const tail = fw::Mid(field_digits(), fw::Len(field_digits()) - 3);
        if (!ends_in_four_digits(tail) && !holds_four_digit_year(fw::ascii_digits(typed), date->Year()))
            date->set_Year(date->Year() + 100);
    }

    fw::Ref<fw::TextField> const rewritten = (this->*field)();
    fw::checked(rewritten).set_Text(fw::checked(date).ShortDate());
    return parsed;
}
