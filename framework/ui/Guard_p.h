#pragma once

// Not part of the framework's API: used by framework code that Qt calls.
//
// Every place where Qt calls into the framework (event filters, slots,
// timers, virtual overrides of Qt classes) runs the framework's and the
// program's code through deliver(). An exception never crosses Qt: the
// first one is kept, the event loop is asked to end, and _RuntimeRun raises
// it again after the loop has returned. Once one is pending, once Quit has
// been asked for while the loop runs, and once the loop has ended, no
// further program code runs from an event: Qt still hands out what was
// queued before exec() returns, and a nested loop after it (the report's
// message box) would hand out the rest.

#include <exception>
#include <utility>

namespace fw::detail {

bool exception_pending() noexcept;
// Whether events may no longer reach the framework's and the program's code
// (EventLoop.cpp).
bool events_closed() noexcept;
// Keeps the exception (the first one wins) and ends the event loop.
void keep_exception(std::exception_ptr exception) noexcept;
// Hands the kept exception over, leaving none pending.
std::exception_ptr take_exception() noexcept;

template<typename F, typename R = decltype(std::declval<F>()())>
R deliver(F&& f, R fallback = R())
{
    if (events_closed())
        return fallback;
    try {
        return std::forward<F>(f)();
    } catch (...) {
        keep_exception(std::current_exception());
        return fallback;
    }
}

template<typename F>
requires std::is_void_v<decltype(std::declval<F>()())>
void deliver(F&& f)
{
    if (events_closed())
        return;
    try {
        std::forward<F>(f)();
    } catch (...) {
        keep_exception(std::current_exception());
    }
}

}
