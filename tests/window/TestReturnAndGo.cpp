// Return in the end field and a press of "GO" take different roads (a
// KeyDown binding and an Action binding) to the same day count.

#include "WindowTestSupport.h"

#include "framework/ui/controls/Control_p.h"
#include "framework/ui/window/Window_p.h"
#include "tests/support/program/ProgramWindows.h"
#include "tests/support/ui/MessageBoxCapture.h"

#include <QTest>

using namespace fw;

namespace {

struct Outcome {
    std::vector<std::string> results;
    std::vector<std::string> messages;
    friend bool operator==(Outcome const&, Outcome const&) = default;
};

struct Row {
    char const* label;
    civil::YearMonthDay start;
    char const* end_text; // null: the short form of `end`
    civil::YearMonthDay end;
};

class ReturnAndGo : public window_test::WindowTest, public ::testing::WithParamInterface<Row> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_window = window_test::unconstructed_window();
        m_window->Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window->d().main_window()));
    }
    void TearDown() override
    {
        window_test::close_window(*m_window);
        m_window = nullptr;
        WindowTest::TearDown();
    }

public:
    QWidget* widget(char const* name) { return m_window->_ControlByName(name)->d().widget(); }

protected:
    // Types both dates as a user would, then asks for the count one way.
    Outcome count(void (*ask)(ReturnAndGo&))
    {
        Row const& row = GetParam();
        for (char const* name : test_support::result_fields)
            RuntimeCheckCast<TextField>(m_window->_ControlByName(name))->set_Text("");
        m_boxes.clear();
        m_window->efStart()->set_Text(make<Date>(row.start)->ShortDate());
        m_window->efEnd()->set_Text(row.end_text ? row.end_text : make<Date>(row.end)->ShortDate());
        ask(*this);
        Outcome outcome { {}, m_boxes.texts() };
        for (char const* name : test_support::result_fields)
            outcome.results.push_back(RuntimeCheckCast<TextField>(m_window->_ControlByName(name))->Text());
        return outcome;
    }

    Ref<frmMain> m_window;
    test_support::MessageBoxCapture m_boxes;
};

}

TEST_P(ReturnAndGo, GiveTheSameResultsAndTheSameMessages)
{
    Outcome const by_return = count([](ReturnAndGo& test) {
        QTest::mouseClick(test.widget("efEnd"), Qt::LeftButton);
        QTest::keyClick(test.widget("efEnd"), Qt::Key_Return);
    });
    Outcome const by_go
        = count([](ReturnAndGo& test) { QTest::mouseClick(test.widget("BevelButton1"), Qt::LeftButton); });
    EXPECT_EQ(by_return, by_go);
    if (GetParam().end_text)
        EXPECT_EQ(by_go.messages, std::vector<std::string> { "Problem with end date" });
    else
        EXPECT_EQ(by_go.results.back(), "7");
}

INSTANTIATE_TEST_SUITE_P(Rows, ReturnAndGo,
    ::testing::Values(Row { "one_week", { 2026, 1, 1 }, nullptr, { 2026, 1, 7 } },
        Row { "unreadable_end", { 2026, 1, 1 }, "no date", {} }),
    [](auto const& info) { return std::string(info.param.label); });
