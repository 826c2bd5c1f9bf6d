// Folding text for comparison: the reader compares a text with a locale's
// literals and names only after all three have been folded alike.

#include "framework/date/DateLocale_p.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace fw::date_detail {

namespace {
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

std::string fold_for_matching(std::string_view utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return fold_ascii(utf8);
    UErrorCode status = U_ZERO_ERROR;
    icu::Normalizer2 const* fold = icu::Normalizer2::getNFKCCasefoldInstance(status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString const text = fold->normalize(
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), std::int32_t(utf8.size()))), status);
    if (U_FAILURE(status))
        return {};
    std::string out;
    for (std::int32_t i = 0; i < text.length();) {
        UChar32 const c = text.char32At(i);
        i += U16_LENGTH(c);
        if (u_isUWhiteSpace(c)) {
            if (out.empty() || out.back() != ' ')
                out += ' ';
        } else if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) {
            out += char('0' + u_charDigitValue(c));
        } else {
            icu::UnicodeString(c).toUTF8String(out);
        }
    }
    return out;
}

}
