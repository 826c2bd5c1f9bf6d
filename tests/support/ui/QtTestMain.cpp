// The main of every test program that needs a QApplication: one made for the
// whole program, on Qt's offscreen platform unless the caller chose another.
// A program asks for more with these definitions (tests/CMakeLists.txt):
//   QUORVEL_TEST_PROGRAM_OWNS_CLOSE  closing a window is the program's business
//       (CancelClose, Quit), not Qt's: its last-window rule would end a
//       test's event loop by itself. The windows the cases left to the
//       framework are released before the program ends.
//   QUORVEL_TEST_FRESH_DEATH_TESTS  death tests run in a fresh child that
//       starts the test program again: Quit can be asked for once per
//       process, and some cases need a process in which no class table
//       exists yet.

#include "framework/ui/window/Window_p.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#ifdef QUORVEL_TEST_PROGRAM_OWNS_CLOSE
    QApplication::setQuitOnLastWindowClosed(false);
#endif
#ifdef QUORVEL_TEST_FRESH_DEATH_TESTS
    GTEST_FLAG_SET(death_test_style, "threadsafe");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    int const result = RUN_ALL_TESTS();
#ifdef QUORVEL_TEST_PROGRAM_OWNS_CLOSE
    fw::detail::release_window_lists();
#endif
    return result;
}
