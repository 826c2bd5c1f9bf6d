#include "DayCountWindow.h"

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/BackgroundTask.h"
#include "framework/ui/application/MsgBox.h"

#include <cstdlib>

namespace daycount_test {

namespace {

    // The fourteen controls of the window, by name and class.
    enum class Kind { Field, Label, Button };
    struct ControlRow {
        char const* name;
        Kind kind;
    };
    constexpr ControlRow controls[] = {
        { "efStart", Kind::Field },
        { "efEnd", Kind::Field },
        { "StaticText1", Kind::Label },
        { "StaticText2", Kind::Label },
        { "StaticText3", Kind::Label },
        { "efStartDay", Kind::Field },
        { "efEndDay", Kind::Field },
        { "efWeekdays", Kind::Field },
        { "efWeekenddays", Kind::Field },
        { "StaticText4", Kind::Label },
        { "StaticText5", Kind::Label },
        { "efTotal", Kind::Field },
        { "StaticText6", Kind::Label },
        { "BevelButton1", Kind::Button },
    };
    constexpr char const* result_fields[] = { "efStartDay", "efEndDay", "efWeekdays", "efWeekenddays", "efTotal" };

    template<typename T>
    void add_control(frmMain& window, char const* name)
    {
        fw::Ref<T> const control = fw::RuntimeCheckCast<T>(window.__New(T::__Lookup()));
        control->Constructor();
        window._AddControl(name, control.ptr());
    }

    fw::Ref<fw::TextField> field_named(frmMain& window, std::string const& name)
    {
        fw::Ref<fw::TextField> field = fw::RuntimeCheckCast<fw::TextField>(window._ControlByName(name));
        EXPECT_TRUE(field) << "no field " << name;
        return field;
    }

}

fw::Ref<frmMain> make_window_with_controls(std::string const& missing)
{
    fw::Ref<frmMain> window = fw::RuntimeCheckCast<frmMain>(fw::RuntimeNewObject(frmMain::__Lookup()));
    for (ControlRow const& row : controls) {
        if (row.name == missing)
            continue;
        if (row.kind == Kind::Field)
            add_control<fw::TextField>(*window, row.name);
        else if (row.kind == Kind::Label)
            add_control<fw::Label>(*window, row.name);
        else
            add_control<fw::BevelButton>(*window, row.name);
    }
    return window;
}

std::string short_text(oracle::Ymd date) { return make_date(date)->ShortDate(); }

fw::Ref<fw::Date> make_date(oracle::Ymd date, double second_of_day)
{
    return fw::make<fw::Date>(fw::civil::YearMonthDay { date.year, date.month, date.day }, second_of_day);
}

oracle::Ymd ymd_of(fw::Date const& date) { return { date.Year(), date.Month(), date.Day() }; }

void use_locale(char const* locale) { setenv("LC_ALL", locale, 1); }

void DayCountWindow::SetUp()
{
    use_locale("en_US.UTF-8");
    m_objects_before = fw::Object::live_count();
    fw::set_message_box_presenter([this](std::string const& text) { m_messages.push_back(text); });
    m_window = make_window_with_controls();
    reset_counters();
}

void DayCountWindow::TearDown()
{
    m_window = nullptr;
    fw::set_message_box_presenter({});
    EXPECT_EQ(fw::Object::live_count(), m_objects_before) << "objects leaked or freed twice";
}

std::string DayCountWindow::text(std::string const& control) { return field_named(window(), control)->Text(); }

void DayCountWindow::set_text(std::string const& control, std::string const& text)
{
    field_named(window(), control)->set_Text(text);
}

std::vector<std::string> DayCountWindow::result_texts()
{
    std::vector<std::string> texts;
    for (char const* name : result_fields)
        texts.push_back(text(name));
    return texts;
}

void DayCountWindow::set_result_texts(std::string const& text)
{
    for (char const* name : result_fields)
        set_text(name, text);
}

std::int64_t DayCountWindow::yields() const
{
    return static_cast<std::int64_t>(fw::background_task_calls() - m_yields_before);
}

void DayCountWindow::reset_counters()
{
    m_messages.clear();
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
