// ascii_digits: the digits ParseDate reads, written as ASCII digits, and
// nothing else changed.

#include "framework/date/DateDigits.h"
#include "framework/runtime/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(AsciiDigits, DigitsOfEveryScriptBecomeAscii)
{
    EXPECT_EQ(fw::ascii_digits("１９９９/１２/３１"), "1999/12/31");
    EXPECT_EQ(fw::ascii_digits("٣١/١٢/١٩٩٩"), "31/12/1999");
    EXPECT_EQ(fw::ascii_digits("۱۹۹۹/۱۲/۳۱"), "1999/12/31");
    EXPECT_EQ(fw::ascii_digits("३१/१२/१९९९"), "31/12/1999");
    EXPECT_EQ(fw::ascii_digits("১৯৯৯"), "1999") << "Bengali";
    EXPECT_EQ(fw::ascii_digits("²⁰²⁶"), "2026") << "superscripts fold to digits for the reader too";
}

TEST(AsciiDigits, EverythingElseIsKeptAsItWas)
{
    EXPECT_EQ(fw::ascii_digits("12/31/99"), "12/31/99");
    EXPECT_EQ(fw::ascii_digits("1999年12月31日"), "1999年12月31日");
    EXPECT_EQ(fw::ascii_digits("31\u200F/12\u200F/1999"), "31\u200F/12\u200F/1999") << "format marks stay";
    EXPECT_EQ(fw::ascii_digits("Ⅻ ½ ⑩"), "Ⅻ ½ ⑩") << "a numeral that is not one digit stays";
    EXPECT_EQ(fw::ascii_digits("⑲⒐⑴㉕"), "⑲⒐⑴㉕") << "digits with more in one character stay";
    EXPECT_EQ(fw::ascii_digits("⑨⓪¹"), "901") << "a circled or raised single digit is one";
    EXPECT_EQ(fw::ascii_digits(""), "");
}

TEST(AsciiDigits, MalformedBytesComeBackUnchangedAndCountAlike)
{
    std::string const texts[] = { "\xFF١\xC0"s, "١\xE2\x82"s, "\x80\x80٢"s, "a\0١"s };
    for (std::string const& text : texts) {
        std::string const folded = fw::ascii_digits(text);
        EXPECT_EQ(fw::Len(folded), fw::Len(text));
        EXPECT_EQ(folded.find("١"), std::string::npos);
    }
    EXPECT_EQ(fw::ascii_digits("\xFF١\xC0"s), "\xFF"s + "1" + "\xC0");
}

}
