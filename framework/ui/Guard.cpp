#include "framework/ui/Guard_p.h"

#include <QCoreApplication>

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
    if (QCoreApplication::instance())
        QCoreApplication::exit(1);
}

std::exception_ptr take_exception() noexcept { return std::exchange(s_pending, nullptr); }

}
