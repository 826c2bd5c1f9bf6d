#pragma once

// A frmMain with its fourteen controls registered by name, for calling the
// date-field handlers and the day count directly. It also captures the
// message boxes, counts the background-task yields, sets the date locale for
// one case, and fails a case that leaks an object or frees one twice.

#include "DayCountOracle.h"

#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/ui/MessageBoxCapture.h"
#include "window/frmMain.h"

#include <cstdint>
#include <string>
#include <vector>

namespace daycount_test {

// The date's text as the locale writes it (ShortDate of that day).
std::string short_text(oracle::Ymd date);
fw::Ref<fw::Date> make_date(oracle::Ymd date, double second_of_day = 0);
oracle::Ymd ymd_of(fw::Date const& date);

// LC_ALL for the dates of one case; the date functions read it afresh.
void use_locale(char const* locale);

class DayCountWindow : public LiveCountTest {
protected:
    void SetUp() override;
    void TearDown() override;

    frmMain& window() { return *m_window; }
    std::string text(std::string const& control);
    void set_text(std::string const& control, std::string const& text);
    // The fields the day count writes, by name, to check what it changed.
    std::vector<std::string> result_texts();
    void set_result_texts(std::string const& text);

    std::vector<std::string> const& messages() const { return m_boxes.texts(); }
    std::int64_t yields() const;
    void reset_counters();

    // Types both dates, runs the day count and gives its three numbers.
    oracle::DayCounts count(std::string const& from, std::string const& to);

    fw::Ref<frmMain> m_window;

private:
    std::uint64_t m_yields_before { 0 };
    test_support::MessageBoxCapture m_boxes;
};

}
