// The day count's date work per day, as the walk does it through a
// Ref<Date>: step TotalSeconds by 86,400, then read DayOfYear, Year and
// DayOfWeek. One iteration walks every day from 0001-01-01 to 9999-12-31;
// the "time/day" counter (seconds per day, so "3n" is 3 ns) is the figure to
// watch; the whole day count's target is 8 ns a day.

#include "framework/date/Date.h"

#include <benchmark/benchmark.h>

namespace {

void walk_every_day(benchmark::State& state)
{
    std::int64_t days = 0;
    for (auto _ : state) {
        fw::Ref<fw::Date> const cursor = fw::make<fw::Date>(fw::civil::YearMonthDay { 1, 1, 1 });
        fw::Ref<fw::Date> const end = fw::make<fw::Date>(fw::civil::YearMonthDay { 9999, 12, 31 });
        std::int32_t weekend = 0;
        // The walk's own test: on while the day of the year or the year is behind the end's.
        while (cursor->DayOfYear() < end->DayOfYear() || cursor->Year() < end->Year()) {
            std::int32_t const weekday = cursor->DayOfWeek();
            weekend += weekday == 1 || weekday == 7;
            cursor->set_TotalSeconds(cursor->TotalSeconds() + 86400.0);
            ++days;
        }
        benchmark::DoNotOptimize(weekend);
    }
    state.SetItemsProcessed(days);
    state.counters["time/day"]
        = benchmark::Counter(double(days), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}

BENCHMARK(walk_every_day)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
