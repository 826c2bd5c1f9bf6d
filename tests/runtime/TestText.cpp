// The text functions: characters rather than bytes, invalid UTF-8 handled
// byte by byte, and what IsNumeric accepts.

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace {

using namespace std::string_literals;

struct TextRow {
    char const* name;
    std::string text;
    std::int32_t length;
};

// Each invalid byte is one character; a valid sequence is one character.
TextRow const text_rows[] = {
    { "empty", "", 0 },
    { "ascii", "2026", 4 },
    { "embedded_nul", "a\0b"s, 3 },
    { "two_byte", "Größe", 5 },
    { "three_byte", "日本語", 3 },
    { "four_byte", "a😀b", 3 },
    { "truncated_two_byte_at_end", "ab\xC3", 3 },
    { "truncated_three_byte_at_end", "ab\xE2\x82", 4 },
    { "truncated_four_byte_at_end", "ab\xF0\x9F\x98", 5 },
    { "lone_continuation_bytes", "\x80x\xBF", 3 },
    { "lead_followed_by_lead", "\xE2\xE2\x82\xAC", 2 },
    { "overlong_slash", "\xC0\xAF", 2 },
    { "overlong_three_byte", "\xE0\x80\xAF", 3 },
    { "encoded_surrogate", "\xED\xA0\x80", 3 },
    { "above_unicode", "\xF4\x90\x80\x80", 4 },
    { "never_valid_bytes", "\xFE\xFF", 2 },
    { "largest_scalar", "\xF4\x8F\xBF\xBF", 1 },
};

class TextByRow : public ::testing::TestWithParam<TextRow> { };

TEST_P(TextByRow, LenCountsCharacters) { EXPECT_EQ(fw::Len(GetParam().text), GetParam().length); }

// Mid from every start is a suffix of the text with the expected number of
// characters, and the cut never falls inside a character.
TEST_P(TextByRow, MidGivesEachSuffixByCharacters)
{
    auto const& text = GetParam().text;
    std::int32_t const length = GetParam().length;
    for (std::int32_t start = -1; start <= length + 2; ++start) {
        SCOPED_TRACE(start);
        auto const rest = fw::Mid(text, start);
        ASSERT_LE(rest.size(), text.size());
        EXPECT_TRUE(text.ends_with(rest));
        EXPECT_EQ(fw::Len(rest), std::max(0, length - std::max(start, 1) + 1));
        auto const head = text.substr(0, text.size() - rest.size());
        EXPECT_EQ(fw::Len(head), std::min(std::max(start, 1) - 1, length)) << "cut inside a character";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextByRow, ::testing::ValuesIn(text_rows), [](auto const& info) { return std::string(info.param.name); });

TEST(Mid, StartBelowOneReadsFromTheFirstCharacter)
{
    EXPECT_EQ(fw::Mid("abc", 0), "abc");
    EXPECT_EQ(fw::Mid("abc", -3), "abc");
    EXPECT_EQ(fw::Mid("abc", std::numeric_limits<std::int32_t>::min()), "abc");
}

TEST(Mid, StartPastTheEndGivesEmpty)
{
    EXPECT_EQ(fw::Mid("abc", 4), "");
    EXPECT_EQ(fw::Mid("abc", std::numeric_limits<std::int32_t>::max()), "");
    EXPECT_EQ(fw::Mid("", 1), "");
}

TEST(Mid, LastFourCharactersAsTheYearRuleTakesThem)
{
    auto last_four = [](std::string const& text) { return fw::Mid(text, fw::Len(text) - 3); };
    EXPECT_EQ(last_four("12/25/2026"), "2026");
    EXPECT_EQ(last_four("25.12.2026"), "2026");
    EXPECT_EQ(last_four("2026年12月25日"), "月25日");
    EXPECT_EQ(last_four("5/26"), "5/26");
    EXPECT_EQ(last_four("26"), "26");
}

TEST(Mid, CutsInsideMultiByteTextByCharacters)
{
    EXPECT_EQ(fw::Mid("Größe", 3), "öße");
    EXPECT_EQ(fw::Mid("a😀b", 2), "😀b");
    EXPECT_EQ(fw::Mid("ab\xE2\x82", 4), "\x82");
}

struct NumericRow {
    char const* name;
    char const* text;
    bool numeric;
};

NumericRow const numeric_rows[] = {
    { "year", "2026", true },
    { "slash_two_digit_year", "/26", false },
    { "month_dash_day", "6-15", false },
    { "leading_space", " 26", true },
    { "surrounding_white_space", "\t26 \r\n", true },
    { "empty", "", false },
    { "only_space", "   ", false },
    { "exponent", "1e5", true },
    { "signed_exponent", "-2.5E-3", true },
    { "plus_and_trailing_point", "+3.", true },
    { "leading_point", ".5", true },
    { "sign_alone", "-", false },
    { "point_alone", ".", false },
    { "two_points", "1.2.3", false },
    { "exponent_without_digits", "1e", false },
    { "exponent_without_mantissa", "e5", false },
    { "two_signs", "+-1", false },
    { "inner_space", "20 26", false },
    { "hex", "0x1A", false },
    { "thousands_separator", "1,000", false },
    { "trailing_letter", "26a", false },
    { "infinity", "inf", false },
    { "fullwidth_digits", "２０２６", false },
};

class IsNumericByRow : public ::testing::TestWithParam<NumericRow> { };

TEST_P(IsNumericByRow, ReadsTextAsADecimalNumber)
{
    EXPECT_EQ(fw::IsNumeric(fw::StringToVariant(GetParam().text)), GetParam().numeric);
}

INSTANTIATE_TEST_SUITE_P(Rows, IsNumericByRow, ::testing::ValuesIn(numeric_rows),
    [](auto const& info) { return std::string(info.param.name); });

TEST(IsNumeric, NumbersAreNumericAndOtherValuesAreNot)
{
    EXPECT_TRUE(fw::IsNumeric(fw::Variant(std::int32_t(-7))));
    EXPECT_TRUE(fw::IsNumeric(fw::Variant(2.5)));
    EXPECT_FALSE(fw::IsNumeric(fw::Variant()));
    EXPECT_FALSE(fw::IsNumeric(fw::BooleanToVariant(true)));
}

TEST(Chr, GivesTheCharacterAsUtf8)
{
    EXPECT_EQ(fw::Chr(13), "\r");
    EXPECT_EQ(fw::Chr(0), "\0"s);
    EXPECT_EQ(fw::Chr(0xE9), "é");
    EXPECT_EQ(fw::Chr(0x20AC), "€");
    EXPECT_EQ(fw::Chr(0x1F600), "😀");
}

TEST(Chr, GivesEmptyForNonScalarValues)
{
    EXPECT_EQ(fw::Chr(-1), "");
    EXPECT_EQ(fw::Chr(0xD800), "");
    EXPECT_EQ(fw::Chr(0xDFFF), "");
    EXPECT_EQ(fw::Chr(0x110000), "");
}

// Every scalar value encodes to one character that Len accepts as well
// formed, and Mid steps over it whole.
TEST(Chr, EveryScalarValueIsOneCharacter)
{
    for (std::int32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp == 0xD800)
            cp = 0xE000;
        auto const text = fw::Chr(cp) + "x";
        ASSERT_EQ(fw::Len(text), 2) << cp;
        ASSERT_EQ(fw::Mid(text, 2), "x") << cp;
    }
}

TEST(Str, EmptyFormatGivesPlainDecimal)
{
    EXPECT_EQ(fw::Str(0, ""), "0");
    EXPECT_EQ(fw::Str(261, ""), "261");
    EXPECT_EQ(fw::Str(-42, ""), "-42");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int32_t>::min(), ""), "-2147483648");
    EXPECT_EQ(fw::Str(3.0, ""), "3");
    EXPECT_EQ(fw::Str(-2.5, ""), "-2.5");
}

TEST(Str, DoublesAreShortestPlainDecimals)
{
    EXPECT_EQ(fw::Str(1000000.0, ""), "1000000");
    EXPECT_EQ(fw::Str(1e15, ""), "1000000000000000");
    EXPECT_EQ(fw::Str(1e-7, ""), "0.0000001");
    EXPECT_EQ(fw::Str(0.1, ""), "0.1");
    EXPECT_EQ(fw::Str(-0.0, ""), "0");
    EXPECT_EQ(fw::Str(0.0, ""), "0");
    EXPECT_EQ(fw::Str(86400.0 * 3652059, ""), "315537897600");
}

TEST(Str, DoublesReadBackAsTheSameValueWithoutExponent)
{
    double const values[] = { std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(), 1.0 / 3, -2.0 / 3, 1e22,
        123456789.125, 5e-324, 9007199254740993.0 };
    for (double const value : values) {
        std::string const text = fw::Str(value, "");
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        EXPECT_TRUE(fw::IsNumeric(fw::StringToVariant(text))) << text;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
}

TEST(Str, OtherFormatsRaise) { EXPECT_THROW(fw::Str(1, "#,##0"), fw::RuntimeError); }

TEST(RuntimeStringCompare, ZeroOnlyWhenEqual)
{
    EXPECT_EQ(fw::RuntimeStringCompare(fw::Chr(13), "\r"), 0);
    EXPECT_EQ(fw::RuntimeStringCompare("", ""), 0);
    EXPECT_NE(fw::RuntimeStringCompare("\r", "\n"), 0);
    EXPECT_NE(fw::RuntimeStringCompare("A", "a"), 0) << "case matters";
    EXPECT_NE(fw::RuntimeStringCompare("a\0b"s, "a"), 0) << "a nul byte does not end the text";
}

TEST(RuntimeStringCompare, OrdersLikeStrcmp)
{
    EXPECT_LT(fw::RuntimeStringCompare("a", "b"), 0);
    EXPECT_GT(fw::RuntimeStringCompare("b", "a"), 0);
    EXPECT_LT(fw::RuntimeStringCompare("ab", "abc"), 0);
    EXPECT_GT(fw::RuntimeStringCompare("é", "z"), 0) << "bytes compare unsigned, so code-point order";
}

}
