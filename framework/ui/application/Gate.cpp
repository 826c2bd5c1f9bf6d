// The gate's state: the kept exception and the two depth counts.

#include "framework/ui/application/Gate_p.h"

#include <QCoreApplication>
#include <QThread>

namespace fw::detail {

namespace {
    std::exception_ptr s_pending;
    int s_dispatch_depth = 0;
    int s_yield_depth = 0;
}

bool exception_pending() noexcept { return s_pending != nullptr; }

void keep_exception(std::exception_ptr exception) noexcept
{
    if (s_pending)
        return;
    s_pending = std::move(exception);
    // With no loop running there is none to end, and Qt would keep the
    // request for the next loop: the report's message box, which would then
    // close before the user saw it. _RuntimeRun does not start the loop with
    // an exception pending.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
}

std::exception_ptr take_exception() noexcept { return std::exchange(s_pending, nullptr); }

bool in_background_yield() noexcept { return s_yield_depth > 0; }
bool in_event_dispatch() noexcept { return s_dispatch_depth > 0; }

DispatchScope::DispatchScope() noexcept { ++s_dispatch_depth; }
DispatchScope::~DispatchScope() { --s_dispatch_depth; }

BackgroundYieldScope::BackgroundYieldScope() noexcept { ++s_yield_depth; }
BackgroundYieldScope::~BackgroundYieldScope() { --s_yield_depth; }

}
