// The date fields' key and focus handlers, WeekDay, and the day count's
// failures on a window that lacks a control or a date.

#include "DayCountWindow.h"

#include "framework/runtime/Text.h"

#include <climits>

namespace daycount_test {
namespace {

    struct KeyRow {
        char const* name;
        std::string key;
    };
    void PrintTo(KeyRow const& row, std::ostream* out) { *out << row.name; }

    KeyRow const other_keys[] = {
        { "letter", "a" },
        { "digit", "7" },
        { "tab", fw::Chr(9) },
        { "line_feed", fw::Chr(10) },
        { "enter_on_keypad", fw::Chr(3) },
        { "return_twice", fw::Chr(13) + fw::Chr(13) },
        { "empty", "" },
    };

    class OtherKey : public DayCountWindow, public ::testing::WithParamInterface<KeyRow> {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            window().Start = make_date({ 1995, 6, 15 });
            window().EndD = make_date({ 1996, 6, 15 });
            set_text("efStart", "12/31/99");
            set_text("efEnd", "1/1/00");
            set_result_texts("earlier");
        }
        void expect_nothing_changed(fw::Date const* start, fw::Date const* end)
        {
            EXPECT_EQ(window().Start.ptr(), start);
            EXPECT_EQ(window().EndD.ptr(), end);
            EXPECT_EQ(window().Start->Year(), 1995);
            EXPECT_EQ(text("efStart"), "12/31/99");
            EXPECT_EQ(text("efEnd"), "1/1/00");
            EXPECT_EQ(result_texts(), std::vector<std::string>(5, "earlier"));
            EXPECT_TRUE(messages().empty());
            EXPECT_EQ(yields(), 0);
        }
    };

    TEST_P(OtherKey, InTheStartFieldChangesNothingAndIsNotConsumed)
    {
        fw::Date const* const start = window().Start.ptr();
        fw::Date const* const end = window().EndD.ptr();
        EXPECT_FALSE(window().efStart_KeyDown(nullptr, GetParam().key));
        expect_nothing_changed(start, end);
    }

    TEST_P(OtherKey, InTheEndFieldChangesNothingAndIsNotConsumed)
    {
        fw::Date const* const start = window().Start.ptr();
        fw::Date const* const end = window().EndD.ptr();
        EXPECT_FALSE(window().efEnd_KeyDown(nullptr, GetParam().key));
        expect_nothing_changed(start, end);
    }

    INSTANTIATE_TEST_SUITE_P(Keys, OtherKey, ::testing::ValuesIn(other_keys),
        [](::testing::TestParamInfo<KeyRow> const& info) { return std::string(info.param.name); });

    TEST_F(DayCountWindow, ReturnInTheStartFieldNormalisesItAloneAndIsNotConsumed)
    {
        set_text("efStart", "12/31/99");
        set_text("efEnd", "1/1/00");
        EXPECT_FALSE(window().efStart_KeyDown(nullptr, fw::Chr(13)));
        EXPECT_EQ(text("efStart"), "12/31/2099");
        EXPECT_EQ(text("efEnd"), "1/1/00");
        EXPECT_FALSE(window().EndD);
        EXPECT_EQ(text("efTotal"), "");
        EXPECT_TRUE(messages().empty());
    }

    TEST_F(DayCountWindow, ReturnInTheEndFieldCountsAndIsNotConsumed)
    {
        set_text("efStart", "12/4/2026");
        set_text("efEnd", "12/7/26");
        EXPECT_FALSE(window().efEnd_KeyDown(nullptr, fw::Chr(13)));
        EXPECT_EQ(result_texts(), (std::vector<std::string> { "Friday", "Monday", "2", "2", "4" }));
        EXPECT_EQ(text("efEnd"), "12/7/2026");
        EXPECT_EQ(yields(), 3);
    }

    TEST_F(DayCountWindow, FocusLossNormalisesOnlyItsOwnField)
    {
        set_text("efStart", "1/2/26");
        set_text("efEnd", "3/4/26");
        window().efStart_LostFocus(nullptr);
        EXPECT_EQ(text("efStart"), "1/2/2026");
        EXPECT_EQ(text("efEnd"), "3/4/26");
        window().efEnd_LostFocus(nullptr);
        EXPECT_EQ(text("efEnd"), "3/4/2026");
        EXPECT_EQ(text("efTotal"), "");
        EXPECT_TRUE(messages().empty());
    }

    TEST_F(DayCountWindow, HandlersWorkOnTheirOwnFieldWhateverControlTheyAreGiven)
    {
        fw::Ref<fw::TextField> const other = window().efTotal();
        set_text("efStart", "1/2/26");
        set_text("efEnd", "3/4/26");
        other->set_Text("5/6/27");
        window().efStart_LostFocus(other.ptr());
        window().efEnd_KeyDown(other.ptr(), fw::Chr(13));
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 2026, 1, 2 }));
        EXPECT_EQ(ymd_of(*window().EndD), (oracle::Ymd { 2026, 3, 4 }));
    }

    struct WeekDayRow {
        char const* name;
        std::int32_t day;
        char const* expected;
    };
    void PrintTo(WeekDayRow const& row, std::ostream* out) { *out << row.name; }

    WeekDayRow const week_days[] = {
        { "zero", 0, "" },
        { "one_is_sunday", 1, "Sunday" },
        { "two", 2, "Monday" },
        { "three", 3, "Tuesday" },
        { "four", 4, "Wednesday" },
        { "five", 5, "Thursday" },
        { "six", 6, "Friday" },
        { "seven_is_saturday", 7, "Saturday" },
        { "eight", 8, "" },
        { "minus_one", -1, "" },
        { "lowest", INT_MIN, "" },
        { "highest", INT_MAX, "" },
    };

    class WeekDayName : public DayCountWindow, public ::testing::WithParamInterface<WeekDayRow> { };

    TEST_P(WeekDayName, GivesTheEnglishNameOrNothing)
    {
        EXPECT_EQ(window().WeekDay(GetParam().day), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Days, WeekDayName, ::testing::ValuesIn(week_days),
        [](::testing::TestParamInfo<WeekDayRow> const& info) { return std::string(info.param.name); });

}
}
