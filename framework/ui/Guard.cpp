#include "framework/ui/Guard_p.h"

#include <QCoreApplication>
#include <QThread>

namespace fw::detail {

namespace {
    std::exception_ptr s_pending;
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

}
