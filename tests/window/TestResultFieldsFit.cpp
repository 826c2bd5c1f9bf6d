// Every count the window can show is shown whole: the longest span gives
// seven-digit counts, which the read-only count fields draw smaller rather
// than cut, while every six-digit count keeps the stored size and the date
// fields keep scrolling as they always did.

#include "WindowTestSupport.h"

#include "framework/ui/controls/Control_p.h"
#include "framework/ui/window/Window_p.h"
#include "tests/support/program/ProgramWindows.h"
#include "tests/support/ui/LineEditRoom.h"
#include "tests/support/ui/MessageBoxCapture.h"

#include <QLineEdit>
#include <QTest>

#include <map>

using namespace fw;

namespace {

constexpr char const* count_fields[] = { "efWeekdays", "efWeekenddays", "efTotal" };

class ResultFieldsFit : public window_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_window = window_test::unconstructed_window();
        m_window->Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window->d().main_window()));
        for (char const* name : count_fields)
            m_stored_fonts[name] = edit(name).font();
    }
    void TearDown() override
    {
        window_test::close_window(*m_window);
        m_window = nullptr;
        WindowTest::TearDown();
    }

    QWidget* widget(char const* name) { return m_window->_ControlByName(name)->d().widget(); }
    QLineEdit& edit(char const* name) { return *qobject_cast<QLineEdit*>(widget(name)); }
    Ref<TextField> field(char const* name) { return RuntimeCheckCast<TextField>(m_window->_ControlByName(name)); }

    // Types into a field as a user would: a click, Ctrl+A, the keys.
    void type(char const* name, char const* text)
    {
        QTest::mouseClick(&edit(name), Qt::LeftButton);
        QTest::keyClick(&edit(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&edit(name), QString::fromUtf8(text));
    }

    // Both dates typed, then "GO"; the five result texts.
    std::vector<std::string> count(char const* from, char const* to)
    {
        type("efStart", from);
        type("efEnd", to);
        QTest::mouseClick(widget("BevelButton1"), Qt::LeftButton);
        EXPECT_EQ(m_boxes.texts(), std::vector<std::string> {});
        std::vector<std::string> texts;
        for (char const* name : test_support::result_fields)
            texts.push_back(field(name)->Text());
        return texts;
    }

    void expect_stored_font(char const* name)
    {
        EXPECT_EQ(edit(name).font(), m_stored_fonts[name]) << name << " at " << edit(name).font().pixelSize();
        EXPECT_EQ(edit(name).font().pixelSize(), 36) << name;
    }

    // Whole, and at the stored size when the text fits at it, else at the
    // largest size at which it fits.
    void expect_whole_at_largest_size(char const* name)
    {
        SCOPED_TRACE(name);
        QLineEdit const& shown = edit(name);
        EXPECT_EQ(test_support::misfit(shown, shown.text()), "");
        int const size = shown.font().pixelSize();
        if (!test_support::scrolls_at(shown, 36)) {
            expect_stored_font(name);
        } else {
            EXPECT_LT(size, 36);
            EXPECT_FALSE(test_support::scrolls_at(shown, size));
            EXPECT_TRUE(test_support::scrolls_at(shown, size + 1)) << "at " << size << ", not the largest that fits";
        }
        EXPECT_FLOAT_EQ(field(name)->TextSize(), 36.0f) << "the property reads as stored";
        EXPECT_EQ(field(name)->Alignment(), 3);
        EXPECT_EQ(shown.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    Ref<frmMain> m_window;
    std::map<std::string, QFont> m_stored_fonts;
    test_support::MessageBoxCapture m_boxes;
};

}

TEST_F(ResultFieldsFit, TheLongestSpanShowsEveryCountWhole)
{
    EXPECT_EQ(count("1/1/0001", "12/31/9999"),
        (std::vector<std::string> { "Monday", "Friday", "2608615", "1043444", "3652059" }));
    for (char const* name : test_support::result_fields) {
        SCOPED_TRACE(name);
        EXPECT_EQ(test_support::misfit(edit(name), edit(name).text()), "");
        EXPECT_TRUE(edit(name).isReadOnly());
    }
    for (char const* name : count_fields) {
        expect_whole_at_largest_size(name);
        EXPECT_TRUE(test_support::scrolls_at(edit(name), 36)) << name << ": seven digits need a smaller size";
    }
}

TEST_F(ResultFieldsFit, OrdinaryCountsKeepTheStoredSizeExactlyAndGetItBack)
{
    // 99,999 days, the longest total with five digits.
    std::vector<std::string> const five { "Saturday", "Tuesday", "71427", "28572", "99999" };
    EXPECT_EQ(count("1/1/2000", "10/14/2273"), five);
    for (char const* name : count_fields)
        expect_stored_font(name);

    EXPECT_EQ(count("1/1/0001", "12/31/9999")[4], "3652059");
    EXPECT_EQ(count("1/1/2000", "10/14/2273"), five);
    for (char const* name : count_fields) {
        expect_stored_font(name);
        EXPECT_EQ(test_support::misfit(edit(name), edit(name).text()), "") << name;
    }
}

TEST_F(ResultFieldsFit, SixDigitCountsAreWholeAtTheLargestSizeThatHoldsThem)
{
    // 999,999 days: the longest total with six digits, and six-digit
    // weekday and weekend counts with it.
    EXPECT_EQ(count("1/1/0001", "11/27/2738"),
        (std::vector<std::string> { "Monday", "Sunday", "714285", "285714", "999999" }));
    for (char const* name : count_fields)
        expect_whole_at_largest_size(name);
}

TEST_F(ResultFieldsFit, ADateFieldKeepsItsSizeAndScrollsALongText)
{
    QFont const stored = edit("efEnd").font();
    type("efEnd", "12/31/9999 and then a good deal more typing");
    EXPECT_EQ(edit("efEnd").font(), stored);
    EXPECT_NE(test_support::misfit(edit("efEnd"), edit("efEnd").text()), "") << "it scrolls, as it always did";
}
