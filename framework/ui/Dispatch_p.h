#pragma once

// Not part of the framework's API: the gate every Qt entry point of the
// window and control code passes before it runs framework or program code.
//
// run_event() adds two things to deliver(): nothing runs while the
// background-task yield is processing events (that yield must never reach
// program code), and a depth count says whether program code is on the
// stack, so that a closed window is never destroyed under its own event.

#include "framework/ui/Guard_p.h"

namespace fw::detail {

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

template<typename F, typename R = decltype(std::declval<F>()())>
R run_event(F&& f, R fallback = R())
{
    if (in_background_yield())
        return fallback;
    DispatchScope scope;
    return deliver(std::forward<F>(f), fallback);
}

template<typename F>
requires std::is_void_v<decltype(std::declval<F>()())>
void run_event(F&& f)
{
    if (in_background_yield())
        return;
    DispatchScope scope;
    deliver(std::forward<F>(f));
}

}

class QWidget;

namespace fw::detail {

// A close request that arrived while the background-task yield was
// processing events; it is asked again once the yield has returned.
void defer_close(QWidget* window);

}
