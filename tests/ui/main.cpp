// The ui tests need a QApplication, made once for the whole program, on
// Qt's offscreen platform unless the caller chose another.

#include "framework/ui/window/Window_p.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Closing a window is the program's business (CancelClose, Quit), not
    // Qt's: its last-window rule would end a test's event loop by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    int const result = RUN_ALL_TESTS();
    fw::detail::release_window_lists();
    return result;
}
