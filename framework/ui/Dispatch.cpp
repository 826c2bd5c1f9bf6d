#include "framework/ui/Dispatch_p.h"

namespace fw::detail {

namespace {
    int s_dispatch_depth = 0;
    int s_yield_depth = 0;
}

bool in_background_yield() noexcept { return s_yield_depth > 0; }
bool in_event_dispatch() noexcept { return s_dispatch_depth > 0; }

DispatchScope::DispatchScope() noexcept { ++s_dispatch_depth; }
DispatchScope::~DispatchScope() { --s_dispatch_depth; }

BackgroundYieldScope::BackgroundYieldScope() noexcept { ++s_yield_depth; }
BackgroundYieldScope::~BackgroundYieldScope() { --s_yield_depth; }

}
