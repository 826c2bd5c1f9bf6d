// The three messages of the day count, and exactly what the count has
// changed by the time each is shown.

#include "DayCountWindow.h"

#include "framework/runtime/WeakRef.h"

#include <cmath>

namespace daycount_test {
namespace {

    using Messages = std::vector<std::string>;

    class DayCountMessages : public DayCountWindow {
    protected:
        void SetUp() override
        {
            DayCountWindow::SetUp();
            set_result_texts("earlier");
            window().Start = make_date({ 2001, 2, 3 });
            window().EndD = make_date({ 2001, 2, 4 });
            m_old_start = fw::WeakRef<fw::Date>(window().Start.ptr());
            m_old_end = fw::WeakRef<fw::Date>(window().EndD.ptr());
        }
        // The weak references go before the count of live links.
        void TearDown() override
        {
            m_old_start = {};
            m_old_end = {};
            DayCountWindow::TearDown();
        }

        // A date made during the count holds the moment it was made.
        static bool holds_now(fw::Ref<fw::Date> const& date)
        {
            fw::Ref<fw::Date> const now = fw::make<fw::Date>();
            return date && std::abs(date->TotalSeconds() - now->TotalSeconds()) <= 5;
        }

        void expect_old_dates_released()
        {
            EXPECT_TRUE(m_old_start.is_nil());
            EXPECT_TRUE(m_old_end.is_nil());
        }

        fw::WeakRef<fw::Date> m_old_start;
        fw::WeakRef<fw::Date> m_old_end;
    };

    TEST_F(DayCountMessages, UnreadableStartShowsTheCurrentDateInTheStartFieldOnly)
    {
        set_text("efStart", "next tuesday");
        set_text("efEnd", "12/25/26");
        window().Calculate();

        EXPECT_EQ(messages(), Messages { "Problem with start date" });
        expect_old_dates_released();
        EXPECT_TRUE(holds_now(window().Start));
        EXPECT_TRUE(holds_now(window().EndD));
        EXPECT_EQ(text("efStart"), fw::make<fw::Date>()->ShortDate());
        EXPECT_EQ(text("efEnd"), "12/25/26");
        EXPECT_EQ(result_texts(), Messages(5, "earlier"));
        EXPECT_EQ(yields(), 0);
    }

    TEST_F(DayCountMessages, GoWithAnEmptyEndFieldFillsItWithTheCurrentDate)
    {
        set_text("efStart", "3/4/26");
        set_text("efEnd", "");
        window().Calculate();

        EXPECT_EQ(messages(), Messages { "Problem with end date" });
        expect_old_dates_released();
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 2026, 3, 4 }));
        EXPECT_EQ(text("efStart"), "3/4/2026");
        EXPECT_TRUE(holds_now(window().EndD));
        EXPECT_EQ(text("efEnd"), fw::make<fw::Date>()->ShortDate());
        EXPECT_EQ(result_texts(), Messages(5, "earlier"));
    }

    TEST_F(DayCountMessages, EndBeforeStartRewritesBothFieldsAndKeepsTheResults)
    {
        set_text("efStart", "12/25/26");
        set_text("efEnd", "  12/24/2026 ");
        window().Calculate();

        EXPECT_EQ(messages(), Messages { "End date must be AFTER start date ..." });
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 2026, 12, 25 }));
        EXPECT_EQ(ymd_of(*window().EndD), (oracle::Ymd { 2026, 12, 24 }));
        EXPECT_EQ(text("efStart"), "12/25/2026");
        EXPECT_EQ(text("efEnd"), "12/24/2026");
        EXPECT_EQ(result_texts(), Messages(5, "earlier"));
        EXPECT_EQ(yields(), 0);
    }

    TEST_F(DayCountMessages, EqualDatesAreNotAnEndBeforeTheStart)
    {
        set_text("efStart", "7/4/2026");
        set_text("efEnd", "7/4/26");
        window().Calculate();
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(result_texts(), (Messages { "Saturday", "Saturday", "0", "1", "1" }));
    }

    TEST_F(DayCountMessages, AFailedCountKeepsThePreviousResult)
    {
        EXPECT_EQ(count("12/4/2026", "12/7/2026"), (oracle::DayCounts { 2, 2, 4 }));
        set_text("efEnd", "12/3/2026");
        window().Calculate();
        EXPECT_EQ(messages(), Messages { "End date must be AFTER start date ..." });
        EXPECT_EQ(result_texts(), (Messages { "Friday", "Monday", "2", "2", "4" }));
    }

    TEST_F(DayCountMessages, NormalisingAFieldNeverShowsAMessage)
    {
        set_text("efStart", "no date");
        set_text("efEnd", "no date either");
        window().efStart_LostFocus(nullptr);
        window().efEnd_LostFocus(nullptr);
        window().efStart_KeyDown(nullptr, "\r");
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(text("efStart"), "2/3/2001");
        EXPECT_EQ(text("efEnd"), "2/4/2001");
        EXPECT_EQ(result_texts(), Messages(5, "earlier"));
    }

}
}
