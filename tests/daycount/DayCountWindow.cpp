#include "DayCountWindow.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/BackgroundTask.h"
#include "tests/support/date/MakeDate.h"
#include "tests/support/program/ProgramWindows.h"

#include <cstdlib>

namespace daycount_test {

namespace {

    fw::Ref<fw::TextField> field_named(frmMain& window, std::string const& name)
    {
        fw::Ref<fw::TextField> field = fw::RuntimeCheckCast<fw::TextField>(window._ControlByName(name));
        EXPECT_TRUE(field) << "no field " << name;
        return field;
    }

}

std::string short_text(oracle::Ymd date) { return make_date(date)->ShortDate(); }

fw::Ref<fw::Date> make_date(oracle::Ymd date, double second_of_day)
{
    return test_support::make_date({ date.year, date.month, date.day }, second_of_day);
}

oracle::Ymd ymd_of(fw::Date const& date) { return { date.Year(), date.Month(), date.Day() }; }

void use_locale(char const* locale) { setenv("LC_ALL", locale, 1); }

void DayCountWindow::SetUp()
{
    use_locale("en_US.UTF-8");
    m_window = test_support::window_with_plain_controls();
    reset_counters();
}

void DayCountWindow::TearDown()
{
    m_window = nullptr;
    LiveCountTest::TearDown();
}

std::string DayCountWindow::text(std::string const& control) { return field_named(window(), control)->Text(); }

void DayCountWindow::set_text(std::string const& control, std::string const& text)
{
    field_named(window(), control)->set_Text(text);
}

std::vector<std::string> DayCountWindow::result_texts()
{
    std::vector<std::string> texts;
    for (char const* name : test_support::result_fields)
        texts.push_back(text(name));
    return texts;
}

void DayCountWindow::set_result_texts(std::string const& text)
{
    for (char const* name : test_support::result_fields)
        set_text(name, text);
}

std::int64_t DayCountWindow::yields() const
{
    return static_cast<std::int64_t>(fw::background_task_calls() - m_yields_before);
}

void DayCountWindow::reset_counters()
{
    m_boxes.clear();
    m_yields_before = fw::background_task_calls();
}

oracle::DayCounts DayCountWindow::count(std::string const& from, std::string const& to)
{
    set_text("efStart", from);
    set_text("efEnd", to);
    window().Calculate();
    return { std::atoi(text("efWeekdays").c_str()), std::atoi(text("efWeekenddays").c_str()),
        std::atoi(text("efTotal").c_str()) };
}

}
