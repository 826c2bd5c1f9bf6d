// ICU's part in dates: the locale's patterns and names. ICU parses and formats nothing here; its calendars (which turn
// Julian before 1582) never see our dates.

#include "framework/date/DateLocale_p.h"

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

namespace fw::date_detail {

namespace {
    std::string to_utf8(icu::UnicodeString const& text)
    {
        std::string out;
        text.toUTF8String(out);
        return out;
    }

    std::string locale_pattern(icu::Locale const& locale, icu::DateFormat::EStyle style)
    {
        std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, locale));
        auto const* simple = dynamic_cast<icu::SimpleDateFormat const*>(format.get());
        icu::UnicodeString pattern;
        if (simple)
            simple->toPattern(pattern);
        return to_utf8(pattern);
    }

    // Adds a name and, for an abbreviation ending in a dot ("déc."), the same
    // without its dot, as people type it.
    void add_choice(std::vector<NameChoice>& choices, std::string const& written, std::int32_t value)
    {
        std::string folded = fold_for_matching(written);
        if (folded.empty())
            return;
        if (folded.size() > 1 && folded.back() == '.')
            choices.push_back({ folded.substr(0, folded.size() - 1), value });
        choices.push_back({ std::move(folded), value });
    }

    void sort_choices(std::vector<NameChoice>& choices)
    {
        std::stable_sort(choices.begin(), choices.end(),
            [](NameChoice const& a, NameChoice const& b) { return a.folded.size() > b.folded.size(); });
    }

    using Context = icu::DateFormatSymbols::DtContextType;
    using Width = icu::DateFormatSymbols::DtWidthType;

    void load_months(icu::DateFormatSymbols const& symbols, DateNames& names)
    {
        for (Context context : { icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::STANDALONE }) {
            for (Width width : { icu::DateFormatSymbols::ABBREVIATED, icu::DateFormatSymbols::WIDE }) {
                std::int32_t count = 0;
                icu::UnicodeString const* months = symbols.getMonths(count, context, width);
                for (std::int32_t m = 0; m < std::min(count, 12); ++m) {
                    std::string written = to_utf8(months[m]);
                    add_choice(names.months, written, m + 1);
                    if (context == icu::DateFormatSymbols::FORMAT)
                        (width == icu::DateFormatSymbols::WIDE ? names.month_long : names.month_short)[std::size_t(m)]
                            = written;
                }
            }
        }
        sort_choices(names.months);
    }

    // ICU numbers weekdays 1 = Sunday .. 7 = Saturday, as we do.
    void load_weekdays(icu::DateFormatSymbols const& symbols, DateNames& names)
    {
        for (Context context : { icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::STANDALONE }) {
            for (Width width :
                { icu::DateFormatSymbols::SHORT, icu::DateFormatSymbols::ABBREVIATED, icu::DateFormatSymbols::WIDE }) {
                std::int32_t count = 0;
                icu::UnicodeString const* days = symbols.getWeekdays(count, context, width);
                for (std::int32_t d = 1; d < std::min(count, 8); ++d) {
                    std::string written = to_utf8(days[d]);
                    add_choice(names.weekdays, written, d);
                    if (context == icu::DateFormatSymbols::FORMAT && width != icu::DateFormatSymbols::SHORT)
                        (width == icu::DateFormatSymbols::WIDE ? names.weekday_long
                                                               : names.weekday_short)[std::size_t(d - 1)]
                            = written;
                }
            }
        }
        sort_choices(names.weekdays);
    }

    void load_eras(icu::DateFormatSymbols const& symbols, DateNames& names)
    {
        std::int32_t count = 0;
        icu::UnicodeString const* short_eras = symbols.getEras(count);
        if (count > 1)
            names.era_short = to_utf8(short_eras[1]);
        icu::UnicodeString const* long_eras = symbols.getEraNames(count);
        if (count > 1)
            names.era_long = to_utf8(long_eras[1]);
        add_choice(names.eras, names.era_short, 1);
        add_choice(names.eras, names.era_long, 1);
        sort_choices(names.eras);
    }

    DateNames load_names(icu::Locale const& locale)
    {
        DateNames names;
        UErrorCode status = U_ZERO_ERROR;
        icu::DateFormatSymbols const symbols(locale, status);
        if (U_FAILURE(status))
            return names;
        load_months(symbols, names);
        load_weekdays(symbols, names);
        load_eras(symbols, names);
        return names;
    }

    // For a locale it has no data for, ICU falls back to its default locale,
    // which it took from the environment of whenever it first ran; en_US
    // instead keeps the answer the same in every process.
    std::string known_locale(std::string const& name)
    {
        UErrorCode status = U_ZERO_ERROR;
        UResourceBundle* bundle = ures_open(nullptr, name.c_str(), &status);
        ures_close(bundle);
        return U_FAILURE(status) || status == U_USING_DEFAULT_WARNING ? "en_US" : name;
    }

    std::unique_ptr<DateForms> load_forms(std::string const& name)
    {
        // Gregorian and ASCII digits whatever the locale's own calendar and
        // numbering: dates are proleptic Gregorian, and the program's year
        // rule reads the end of a field as an ASCII number.
        icu::Locale const locale((known_locale(name) + "@calendar=gregorian;numbers=latn").c_str());
        auto forms = std::make_unique<DateForms>();
        forms->locale = name;
        forms->names = load_names(locale);
        // The short form, when ICU has one we can write; ISO 8601 otherwise.
        forms->short_form = iso_pattern();
        for (auto style :
            { icu::DateFormat::kShort, icu::DateFormat::kMedium, icu::DateFormat::kLong, icu::DateFormat::kFull }) {
            std::optional<DatePattern> pattern = tokenize_pattern(locale_pattern(locale, style));
            if (!pattern)
                continue;
            for (auto& token : pattern->tokens)
                token.folded = fold_for_matching(token.text);
            if (style == icu::DateFormat::kShort)
                forms->short_form = *pattern;
            forms->read_forms.push_back(std::move(*pattern));
        }
        forms->read_forms.push_back(iso_pattern());
        return forms;
    }
}

std::string date_locale_name()
{
    std::string name;
    for (char const* variable : { "LC_ALL", "LC_TIME", "LANG" }) {
        char const* value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return "en_US";
    return name;
}

DateForms const& date_forms(std::string const& locale)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<DateForms>, std::less<>> cache;
    std::lock_guard const lock(mutex);
    auto& forms = cache[locale];
    if (!forms)
        forms = load_forms(locale);
    return *forms;
}

}
