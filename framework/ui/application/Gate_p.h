#pragma once

// Not part of the framework's API: the one gate every place where Qt calls
// into the framework (event filters, slots, timers, virtual overrides of Qt
// classes) passes before it runs framework or program code.
//
// deliver() keeps exceptions from crossing Qt: the first one is kept, the
// event loop is asked to end, and _RuntimeRun raises it again after the loop
// has returned. Once one is pending, once Quit has been asked for while the
// loop runs, and once the loop has ended, no further program code runs from
// an event: Qt still hands out what was queued before exec() returns, and a
// nested loop after it (the report's message box) would hand out the rest.
//
// run_event() is deliver() for window and control code, with two things
// more: nothing runs while the background-task yield is processing events
// (that yield must never reach program code), and a depth count says whether
// program code is on the stack, so that a closed window is never destroyed
// under its own event.
//
// Both give the routine's result, or `fallback` where the routine did not
// run or raised; a routine without a result takes no fallback.

#include <exception>
#include <type_traits>
#include <utility>

class QWidget;

namespace fw::detail {

bool exception_pending() noexcept;
// Whether events may no longer reach the framework's and the program's code
// (Lifecycle.cpp).
bool events_closed() noexcept;
// Keeps the exception (the first one wins) and ends the event loop.
void keep_exception(std::exception_ptr exception) noexcept;
// Hands the kept exception over, leaving none pending.
std::exception_ptr take_exception() noexcept;

bool in_background_yield() noexcept;
bool in_event_dispatch() noexcept;

class DispatchScope {
public:
    DispatchScope() noexcept;
    ~DispatchScope();
    DispatchScope(DispatchScope const&) = delete;
    DispatchScope& operator=(DispatchScope const&) = delete;
};

class BackgroundYieldScope {
public:
    BackgroundYieldScope() noexcept;
    ~BackgroundYieldScope();
    BackgroundYieldScope(BackgroundYieldScope const&) = delete;
    BackgroundYieldScope& operator=(BackgroundYieldScope const&) = delete;
};

// What a routine with result R gives where it did not run: a value of R, or
// nothing at all for a routine without a result.
struct NoResult { };
template<typename R>
using Fallback = std::conditional_t<std::is_void_v<R>, NoResult, R>;

template<typename R>
R fallback_result(Fallback<R>& fallback)
{
    if constexpr (!std::is_void_v<R>)
        return std::move(fallback);
}

template<typename F, typename R = std::invoke_result_t<F>>
R deliver(F&& f, Fallback<R> fallback = {})
{
    if (events_closed())
        return fallback_result<R>(fallback);
    try {
        return std::forward<F>(f)();
    } catch (...) {
        keep_exception(std::current_exception());
        return fallback_result<R>(fallback);
    }
}

template<typename F, typename R = std::invoke_result_t<F>>
R run_event(F&& f, Fallback<R> fallback = {})
{
    if (in_background_yield())
        return fallback_result<R>(fallback);
    DispatchScope scope;
    return deliver(std::forward<F>(f), std::move(fallback));
}

// A close request that arrived while the background-task yield was
// processing events; it is asked again once the yield has returned.
void defer_close(QWidget* window);

}
