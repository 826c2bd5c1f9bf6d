#pragma once

// Helpers for the date tests: a fixture that proves no Date leaked, and
// scoped changes of the locale and time-zone variables. Dates read the
// locale variables afresh on every ShortDate and ParseDate, so setting them
// is all a test needs to switch locale.

#include "framework/date/Date.h"
#include "tests/support/date/MakeDate.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

namespace fw::civil {
inline std::ostream& operator<<(std::ostream& out, YearMonthDay date)
{
    return out << date.year << '-' << date.month << '-' << date.day;
}
}

using DateTest = LiveCountTest;

// Sets (or, for nullptr, unsets) one environment variable until the end of
// the scope.
class ScopedEnv {
public:
    ScopedEnv(char const* name, char const* value)
        : m_name(name)
    {
        if (char const* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedEnv() { set(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(ScopedEnv const&) = delete;
    ScopedEnv& operator=(ScopedEnv const&) = delete;

private:
    void set(char const* value)
    {
        if (value)
            setenv(m_name.c_str(), value, 1);
        else
            unsetenv(m_name.c_str());
        if (m_name == "TZ")
            tzset();
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

// The user's locale for dates, as LC_ALL sets it over everything else.
class ScopedLocale {
public:
    explicit ScopedLocale(std::string const& locale)
        : m_all("LC_ALL", (locale + ".UTF-8").c_str())
    {
    }

private:
    ScopedEnv m_all;
};

using test_support::make_date;
