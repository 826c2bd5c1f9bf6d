#pragma once

// The fixture of the event-loop and entry-point tests, with the message
// boxes captured.

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/Lifecycle.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/ui/MessageBoxCapture.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace uitest {

// Every case runs between RuntimeInit and RuntimeExit. The test program's
// own QApplication exists already, so neither makes or destroys one.
class LifecycleTest : public LiveCountTest {
protected:
    void SetUp() override { fw::RuntimeInit(); }
    void TearDown() override
    {
        m_context.reset(); // timers a case left behind must not fire in the next
        if (!exited)
            fw::RuntimeExit();
        LiveCountTest::TearDown();
    }
    std::int32_t exit_code()
    {
        exited = true;
        return fw::RuntimeExit();
    }

    // A stand-in for any framework entry point that Qt calls.
    template<typename F>
    void on_next_event(F f, int delay = 0)
    {
        QTimer::singleShot(delay, m_context.get(), [f] { fw::detail::deliver(f); });
    }

    test_support::MessageBoxCapture boxes;
    bool exited { false };

private:
    std::unique_ptr<QObject> m_context { std::make_unique<QObject>() };
};

}
