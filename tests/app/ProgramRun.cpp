#include "ProgramRun.h"

#include "app/Startup.h"
#include "framework/ui/application/Lifecycle.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <sstream>

using namespace fw;

namespace app_test {

void ProgramRun::TearDown()
{
    m_context.reset(); // a timer a case left behind must not fire in the next
    // A run that ended early (a case that let an exception out of
    // module_main) still leaves nothing to the next case.
    if (Menu::_implicitInstance)
        module_finalize();
    (void)RuntimeExit();
    LiveCountTest::TearDown();
}

std::int32_t ProgramRun::run(std::function<void()> first_event)
{
    QTimer::singleShot(0, m_context.get(), [this, first_event] {
        loop_entered = true;
        if (first_event)
            first_event();
    });
    QTimer::singleShot(10000, m_context.get(), [] {
        ADD_FAILURE() << "the run did not end";
        Quit(99);
    });
    testing::internal::CaptureStderr();
    struct KeepStderr {
        std::string& into;
        ~KeepStderr() { into = testing::internal::GetCapturedStderr(); }
    } keep { err };
    return module_main();
}

std::vector<std::string> ProgramRun::report_lines() const
{
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        if (line.find("unhandled exception") != std::string::npos)
            lines.push_back(line);
    return lines;
}

QAction* shown_action(char const* name)
{
    for (auto* widget : QApplication::topLevelWidgets())
        if (auto* action = widget->findChild<QAction*>(QString::fromUtf8(name)))
            return action;
    return nullptr;
}

void choose(char const* menu, char const* item)
{
    auto* title = shown_action(menu);
    ASSERT_NE(title, nullptr) << menu;
    ASSERT_NE(title->menu(), nullptr) << menu;
    emit title->menu()->aboutToShow();
    auto* action = shown_action(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
}

}
