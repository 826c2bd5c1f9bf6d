#include "framework/date/DatePattern_p.h"

#include <algorithm>
#include <utility>

namespace fw::date_detail {

namespace {
    bool is_pattern_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    bool is_digit(char c) { return c >= '0' && c <= '9'; }

    std::optional<Field> field_of(char letter, std::size_t count)
    {
        switch (letter) {
        case 'y': // year; the other three are the same number in the Gregorian calendar
        case 'Y':
        case 'u':
        case 'r':
            return Field::Year;
        case 'M':
        case 'L':
            return count <= 2 ? Field::Month : Field::MonthName;
        case 'd':
            return Field::Day;
        case 'E':
            return Field::WeekdayName;
        case 'c':
        case 'e':
            return count >= 3 ? std::optional(Field::WeekdayName) : std::nullopt;
        case 'G':
            return Field::Era;
        default:
            return std::nullopt;
        }
    }

    // Reads a quoted run starting after its opening quote; '' inside it is
    // one quote. Returns the index after the closing quote.
    std::size_t read_quoted(std::string_view pattern, std::size_t i, std::string& literal)
    {
        for (; i < pattern.size(); ++i) {
            if (pattern[i] != '\'') {
                literal += pattern[i];
            } else if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                literal += '\'';
                ++i;
            } else {
                return i + 1;
            }
        }
        return i;
    }

    bool has_field(DatePattern const& pattern, Field a, Field b)
    {
        return std::any_of(pattern.tokens.begin(), pattern.tokens.end(),
            [&](PatternToken const& t) { return t.field == a || t.field == b; });
    }

    void append_number(std::string& out, std::int32_t value, std::size_t width)
    {
        std::string const digits = std::to_string(value);
        if (digits.size() < width)
            out.append(width - digits.size(), '0');
        out += digits;
    }

    // A literal's space stands for any run of white space, none included.
    bool read_literal(std::string_view& rest, std::string_view literal)
    {
        for (char c : literal) {
            if (c == ' ') {
                while (!rest.empty() && rest.front() == ' ')
                    rest.remove_prefix(1);
            } else if (!rest.empty() && rest.front() == c) {
                rest.remove_prefix(1);
            } else {
                return false;
            }
        }
        return true;
    }

    // One to max_digits digits, whatever the pattern's width: leading zeros
    // are a matter of form.
    bool read_number(
        std::string_view& rest, std::int32_t max_digits, std::int32_t& value, std::int32_t* digits = nullptr)
    {
        std::int32_t n = 0;
        value = 0;
        while (n < max_digits && std::size_t(n) < rest.size() && is_digit(rest[std::size_t(n)]))
            value = value * 10 + (rest[std::size_t(n++)] - '0'); // at most 9999
        rest.remove_prefix(std::size_t(n));
        if (digits)
            *digits = n;
        return n > 0;
    }

    // Choices are sorted longest first, so "march" wins over "mar".
    bool read_name(std::string_view& rest, std::vector<NameChoice> const& choices, std::int32_t& value)
    {
        for (auto const& choice : choices) {
            if (!choice.folded.empty() && rest.starts_with(choice.folded)) {
                rest.remove_prefix(choice.folded.size());
                value = choice.value;
                return true;
            }
        }
        return false;
    }

    bool read_token(PatternToken const& token, DateNames const& names, std::string_view& rest, DateFields& fields)
    {
        std::int32_t era = 0;
        switch (token.field) {
        case Field::Literal:
            return read_literal(rest, token.folded);
        case Field::Year:
            return read_number(rest, 4, fields.year, &fields.year_digits);
        case Field::Month:
            return read_number(rest, 2, fields.month);
        case Field::Day:
            return read_number(rest, 2, fields.day);
        case Field::MonthName:
            return read_name(rest, names.months, fields.month);
        case Field::WeekdayName:
            return read_name(rest, names.weekdays, fields.weekday);
        case Field::Era:
            return read_name(rest, names.eras, era);
        }
        return false;
    }
}

std::optional<DatePattern> tokenize_pattern(std::string_view pattern)
{
    DatePattern out;
    std::string literal;
    auto flush_literal = [&] {
        if (!literal.empty())
            out.tokens.push_back({ Field::Literal, 0, std::exchange(literal, {}), {} });
    };
    for (std::size_t i = 0; i < pattern.size();) {
        char const c = pattern[i];
        if (c == '\'') {
            i = read_quoted(pattern, i + 1, literal);
        } else if (is_pattern_letter(c)) {
            std::size_t const end = pattern.find_first_not_of(c, i);
            std::size_t const count = (end == std::string_view::npos ? pattern.size() : end) - i;
            auto const field = field_of(c, count);
            if (!field)
                return std::nullopt;
            flush_literal();
            out.tokens.push_back({ *field, std::int32_t(count), {}, {} });
            i += count;
        } else {
            literal += c;
            ++i;
        }
    }
    flush_literal();
    if (!has_field(out, Field::Year, Field::Year) || !has_field(out, Field::Month, Field::MonthName)
        || !has_field(out, Field::Day, Field::Day))
        return std::nullopt;
    return out;
}

DatePattern iso_pattern()
{
    DatePattern iso = *tokenize_pattern("yyyy-MM-dd");
    for (auto& token : iso.tokens)
        token.folded = token.text;
    iso.four_digit_year = true;
    return iso;
}

std::string format_date(
    DatePattern const& pattern, DateNames const& names, civil::YearMonthDay date, std::int32_t weekday)
{
    std::string out;
    auto const month = std::size_t(date.month - 1);
    auto const day_of_week = std::size_t(weekday - 1);
    for (auto const& token : pattern.tokens) {
        bool const long_name = token.width == 4;
        switch (token.field) {
        case Field::Literal:
            out += token.text;
            break;
        case Field::Year:
            append_number(out, date.year, 4);
            break;
        case Field::Month:
            append_number(out, date.month, std::size_t(token.width));
            break;
        case Field::Day:
            append_number(out, date.day, std::size_t(token.width));
            break;
        case Field::MonthName:
            out += long_name ? names.month_long[month] : names.month_short[month];
            break;
        case Field::WeekdayName:
            out += long_name ? names.weekday_long[day_of_week] : names.weekday_short[day_of_week];
            break;
        case Field::Era:
            out += long_name ? names.era_long : names.era_short;
            break;
        }
    }
    return out;
}

std::optional<DateFields> match_pattern(DatePattern const& pattern, DateNames const& names, std::string_view folded)
{
    DateFields fields;
    for (auto const& token : pattern.tokens)
        if (!read_token(token, names, folded, fields))
            return std::nullopt;
    if (!folded.empty() || (pattern.four_digit_year && fields.year_digits != 4))
        return std::nullopt;
    return fields;
}

}
