// The day count over the whole calendar, 1 January 0001 to 31 December 9999
// (3,652,059 days), through a real frmMain, its controls and the real
// background-task yield, on Qt's offscreen platform.

#include "window/frmMain.h"

#include "framework/runtime/Runtime.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr std::int64_t days_in_calendar = 3652059;

template<typename T>
void add_control(frmMain& window, char const* name)
{
    fw::Ref<T> const control = fw::RuntimeCheckCast<T>(window.__New(T::__Lookup()));
    control->Constructor();
    window._AddControl(name, control.ptr());
}

// The controls the day count reaches, registered by name as the stored layout
// registers them.
fw::Ref<frmMain> make_window()
{
    fw::Ref<frmMain> window = fw::RuntimeCheckCast<frmMain>(fw::RuntimeNewObject(frmMain::__Lookup()));
    for (char const* name : { "efStart", "efEnd", "efStartDay", "efEndDay", "efWeekdays", "efWeekenddays", "efTotal" })
        add_control<fw::TextField>(*window, name);
    return window;
}

void BM_CalculateWholeCalendar(benchmark::State& state)
{
    fw::Ref<frmMain> const window = make_window();
    window->efStart()->set_Text("1/1/0001");
    window->efEnd()->set_Text("12/31/9999");
    for (auto _ : state)
        window->Calculate();
    if (window->efTotal()->Text() != "3652059")
        state.SkipWithError("wrong day count");
    state.counters["days"] = static_cast<double>(days_in_calendar);
    state.counters["per_day"] = benchmark::Counter(static_cast<double>(days_in_calendar),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalculateWholeCalendar)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
