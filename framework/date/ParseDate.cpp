// Dates as text in the user's locale: ShortDate writes, ParseDate reads.
//
// Each of the locale's forms is tried in turn (short, medium, long, full,
// then ISO 8601); a form must read the whole text, and its fields must then
// make a real date. Reading is into scratch fields, and the Date changes only
// once they have passed, so a failed parse leaves it exactly as it was.

#include "framework/date/Date.h"
#include "framework/date/DateLocale_p.h"

#include <optional>
#include <string_view>

namespace fw {

namespace {
    using namespace date_detail;

    // Far longer than any date of any locale; a text past it, not counting
    // the white space around it, is no date, and the cap keeps folding cheap
    // for whatever is pasted into a field.
    constexpr std::size_t longest_date_text = 256;

    // One- and two-digit years are of the 1900s; the program moves them on a
    // century itself where it wants to.
    std::optional<civil::YearMonthDay> validate(DateFields const& fields)
    {
        civil::YearMonthDay const date { fields.year_digits <= 2 ? 1900 + fields.year : fields.year, fields.month,
            fields.day };
        if (!date.ok())
            return std::nullopt;
        // A weekday that contradicts the date makes the text no date at all.
        if (fields.weekday != 0 && fields.weekday != civil::weekday_from_days(civil::days_from_civil(date)))
            return std::nullopt;
        return date;
    }

    std::optional<civil::YearMonthDay> read_date(std::string const& text)
    {
        std::string_view const core = trim_white_space(text);
        if (core.size() > longest_date_text)
            return std::nullopt;
        std::string const folded = fold_for_matching(core);
        std::size_t const first = folded.find_first_not_of(' ');
        if (first == std::string::npos)
            return std::nullopt;
        std::string_view const trimmed
            = std::string_view(folded).substr(first, folded.find_last_not_of(' ') + 1 - first);
        DateForms const& forms = date_forms(date_locale_name());
        for (DatePattern const& pattern : forms.read_forms)
            if (auto const fields = match_pattern(pattern, forms.names, trimmed))
                if (auto const date = validate(*fields))
                    return date;
        return std::nullopt;
    }
}

std::string Date::ShortDate() const
{
    DateForms const& forms = date_forms(date_locale_name());
    return format_date(forms.short_form, forms.names, m_date, m_day_of_week);
}

bool ParseDate(std::string const& text, Ref<Date>& date)
{
    std::optional<civil::YearMonthDay> const parsed = read_date(text);
    if (!parsed)
        return false;
    if (date)
        date->set_date(*parsed);
    else
        date = make<Date>(*parsed);
    return true;
}

}
