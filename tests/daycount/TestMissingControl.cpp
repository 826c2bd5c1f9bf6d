// A window without one of the controls the day count uses, or without a date:
// the handler raises NilObjectException where it would use it, after the
// steps before it, and leaks nothing on the way out.

#include "DayCountWindow.h"

#include "framework/runtime/Exceptions.h"
#include "tests/support/program/ProgramWindows.h"
#include "tests/support/runtime/RaisedClass.h"

namespace daycount_test {
namespace {

    bool raises_nil(auto&& action)
    {
        return test_support::raised_class(action) == fw::NilObjectException::__Lookup().name;
    }

    class MissingControl : public DayCountWindow {
    protected:
        void use_window_without(std::string const& name)
        {
            m_window = test_support::window_with_plain_controls(name);
            if (name != "efStart")
                set_text("efStart", "12/4/2026");
            if (name != "efEnd")
                set_text("efEnd", "12/7/2026");
        }
    };

    TEST_F(MissingControl, StartFieldRaisesOnFocusLossAndOnReturn)
    {
        use_window_without("efStart");
        EXPECT_TRUE(raises_nil([&] { window().efStart_LostFocus(nullptr); }));
        EXPECT_TRUE(raises_nil([&] { window().efStart_KeyDown(nullptr, "\r"); }));
        EXPECT_FALSE(window().efStart_KeyDown(nullptr, "a"));
    }

    TEST_F(MissingControl, EndFieldRaisesOnFocusLossAndInTheCountAfterTheStart)
    {
        use_window_without("efEnd");
        EXPECT_TRUE(raises_nil([&] { window().efEnd_LostFocus(nullptr); }));
        EXPECT_TRUE(raises_nil([&] { window().Calculate(); }));
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 2026, 12, 4 }));
    }

    TEST_F(MissingControl, AResultFieldRaisesAfterTheFieldsBeforeItAreWritten)
    {
        use_window_without("efWeekenddays");
        EXPECT_TRUE(raises_nil([&] { window().Calculate(); }));
        EXPECT_EQ(text("efEndDay"), "Monday");
        EXPECT_EQ(text("efWeekdays"), "2");
        EXPECT_EQ(text("efTotal"), "");
        EXPECT_EQ(yields(), 3);
    }

    TEST_F(MissingControl, EveryFieldOfTheCountIsNeeded)
    {
        for (char const* name : { "efStartDay", "efEndDay", "efWeekdays", "efTotal" }) {
            SCOPED_TRACE(name);
            use_window_without(name);
            EXPECT_TRUE(raises_nil([&] { window().Calculate(); }));
        }
    }

    TEST_F(DayCountWindow, AFailedParseWithoutADateRaises)
    {
        set_text("efStart", "not a date");
        EXPECT_TRUE(raises_nil([&] { window().efStart_LostFocus(nullptr); }));
        EXPECT_EQ(text("efStart"), "not a date");
    }

    TEST_F(DayCountWindow, AParsedFieldWithoutADateGetsANewOne)
    {
        set_text("efStart", "12/31/99");
        window().efStart_LostFocus(nullptr);
        ASSERT_TRUE(window().Start);
        EXPECT_EQ(ymd_of(*window().Start), (oracle::Ymd { 2099, 12, 31 }));
    }

}
}
