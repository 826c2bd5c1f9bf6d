// Folding text for comparison: the reader compares a text with a locale's
// literals and names only after all three have been folded alike. What a
// digit is, is decided here once, for the reader and for ascii_digits.

#include "framework/date/DateDigits.h"
#include "framework/date/DateLocale_p.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace fw::date_detail {

namespace {
    bool is_ascii(std::string_view text)
    {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    icu::Normalizer2 const* nfkc_casefold()
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Normalizer2 const* fold = icu::Normalizer2::getNFKCCasefoldInstance(status);
        return U_SUCCESS(status) ? fold : nullptr;
    }

    // The one definition of a digit: a code point of the decimal digits of
    // any script, as its ASCII digit; 0 for any other code point. The reader
    // applies it after NFKC folding, which has already turned compatibility
    // digits (superscripts, circled digits) into plain ones.
    char ascii_digit(UChar32 c)
    {
        return u_charType(c) == U_DECIMAL_DIGIT_NUMBER ? char('0' + u_charDigitValue(c)) : 0;
    }

    // What one character stands for as digits, read after folding it as the
    // reader folds text: exactly one digit (superscripts, circled one-digit
    // numbers, full-width and other scripts' digits), or digits with more
    // (circled "19", "1." as one character, "1日" as one character), or none.
    struct DigitReading {
        char digit = 0; // the ASCII digit of a character that is exactly one
        bool with_more = false; // a digit and something more in one character
    };

    DigitReading read_digit(icu::Normalizer2 const& fold, UChar32 c)
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString const folded = fold.normalize(icu::UnicodeString(c), status);
        if (U_FAILURE(status))
            return {};
        if (folded.countChar32() == 1)
            return { ascii_digit(folded.char32At(0)), false };
        for (std::int32_t i = 0; i < folded.length(); i += U16_LENGTH(folded.char32At(i)))
            if (ascii_digit(folded.char32At(i)))
                return { 0, true };
        return {};
    }

    // The text with every character that stands for a digit and more put
    // out of the reader's reach: folded whole, "⑲" would become "19" and
    // pass for two digits, where ascii_digits, and so the year rule, sees
    // none. U+FFFD folds to itself and matches nothing a form expects.
    icu::UnicodeString without_compound_digits(icu::Normalizer2 const& fold, icu::UnicodeString const& text)
    {
        icu::UnicodeString out;
        for (std::int32_t i = 0; i < text.length();) {
            UChar32 const c = text.char32At(i);
            i += U16_LENGTH(c);
            out.append(c > 0x7F && read_digit(fold, c).with_more ? UChar32(0xFFFD) : c);
        }
        return out;
    }

    // What the ICU path below gives for ASCII text, without its cost: NFKC
    // case folding of ASCII is lowercasing, and its white space is 9..13, 32.
    std::string fold_ascii(std::string_view text)
    {
        std::string out;
        for (char c : text) {
            if (c == ' ' || (c >= '\t' && c <= '\r')) {
                if (out.empty() || out.back() != ' ')
                    out += ' ';
            } else {
                out += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
            }
        }
        return out;
    }
}

std::string_view trim_white_space(std::string_view utf8)
{
    // Past what ICU's int32_t offsets reach, the text is far too long to be
    // a date whatever its ends hold.
    if (utf8.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        return utf8;
    auto const length = std::int32_t(utf8.size());
    std::int32_t begin = 0;
    while (begin < length) {
        std::int32_t next = begin;
        UChar32 c = 0;
        U8_NEXT(utf8.data(), next, length, c);
        if (c < 0 || !u_isUWhiteSpace(c))
            break;
        begin = next;
    }
    std::int32_t end = length;
    while (end > begin) {
        // The last character starts at most three continuation bytes back;
        // a malformed end is no white space.
        std::int32_t start = end - 1;
        while (
            start > begin && end - start < 4 && (static_cast<unsigned char>(utf8[std::size_t(start)]) & 0xC0) == 0x80)
            --start;
        std::int32_t next = start;
        UChar32 c = 0;
        U8_NEXT(utf8.data(), next, length, c);
        if (next != end || c < 0 || !u_isUWhiteSpace(c))
            break;
        end = start;
    }
    return utf8.substr(std::size_t(begin), std::size_t(end - begin));
}

std::string fold_for_matching(std::string_view utf8)
{
    if (is_ascii(utf8))
        return fold_ascii(utf8);
    icu::Normalizer2 const* fold = nfkc_casefold();
    if (!fold)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString const text
        = fold->normalize(without_compound_digits(*fold,
                              icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), std::int32_t(utf8.size())))),
            status);
    if (U_FAILURE(status))
        return {};
    std::string out;
    for (std::int32_t i = 0; i < text.length();) {
        UChar32 const c = text.char32At(i);
        i += U16_LENGTH(c);
        if (u_isUWhiteSpace(c)) {
            if (out.empty() || out.back() != ' ')
                out += ' ';
        } else if (char const digit = ascii_digit(c)) {
            out += digit;
        } else {
            icu::UnicodeString(c).toUTF8String(out);
        }
    }
    return out;
}

}

namespace fw {

std::string ascii_digits(std::string_view utf8)
{
    bool const plain
        = date_detail::is_ascii(utf8) || utf8.size() > std::size_t(std::numeric_limits<std::int32_t>::max());
    icu::Normalizer2 const* fold = plain ? nullptr : date_detail::nfkc_casefold();
    if (!fold)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    auto const length = std::int32_t(utf8.size());
    for (std::int32_t at = 0; at < length;) {
        std::int32_t const start = at;
        UChar32 c = 0;
        U8_NEXT(utf8.data(), at, length, c);
        char const digit = c > 0x7F ? date_detail::read_digit(*fold, c).digit : 0;
        if (digit)
            out += digit;
        else
            out.append(utf8.substr(std::size_t(start), std::size_t(at - start)));
    }
    return out;
}

}
