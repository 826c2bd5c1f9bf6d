#include "framework/ui/application/BackgroundTask.h"
#include "framework/ui/application/Gate_p.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <vector>

// RuntimeBackgroundTask: a long computation calls it often (once per day of
// a day count), so a call is one increment and one compare. Every
// s_calls_between_checks calls it reads the clock, and at most every
// s_yield_interval_ms it lets Qt process pending events so the windows
// repaint.
//
// That processing must never run program code. User input and socket
// notifiers are excluded from it; while it runs, every framework entry
// point that could reach program code (control events, window closes; see
// Gate_p.h) does nothing, and a close request is put off: it is asked
// again from the event loop once the computation has returned to it.

namespace fw {

namespace {

    constexpr std::uint32_t s_calls_between_checks = 1024;
    constexpr qint64 s_yield_interval_ms = 200;

    std::uint32_t s_calls = 0;
    std::uint64_t s_checks = 0; // times s_calls reached s_calls_between_checks

    QElapsedTimer& clock()
    {
        static QElapsedTimer instance;
        return instance;
    }

    std::vector<QPointer<QWidget>>& deferred_closes()
    {
        static std::vector<QPointer<QWidget>> instance;
        return instance;
    }

    void ask_deferred_closes_again()
    {
        for (QPointer<QWidget> const& window : std::exchange(deferred_closes(), {}))
            if (window)
                QMetaObject::invokeMethod(
                    window, [window] { window->close(); }, Qt::QueuedConnection);
    }

    void yield_if_due()
    {
        if (detail::in_background_yield() || !QCoreApplication::instance())
            return;
        if (!clock().isValid() || clock().elapsed() < s_yield_interval_ms) {
            if (!clock().isValid())
                clock().start();
            return;
        }
        {
            detail::BackgroundYieldScope const scope;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
        }
        ask_deferred_closes_again();
        clock().restart();
    }

}

void RuntimeBackgroundTask()
{
    if (++s_calls < s_calls_between_checks)
        return;
    s_calls = 0;
    ++s_checks;
    yield_if_due();
}

std::uint64_t background_task_calls() noexcept { return s_checks * s_calls_between_checks + s_calls; }

namespace detail {

    void defer_close(QWidget* window) { deferred_closes().emplace_back(window); }

}

}
