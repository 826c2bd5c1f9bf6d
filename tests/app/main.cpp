// The application tests run the program's start-up, event loop and shut-down
// in this process, so they need a Qt application; they run on the offscreen
// platform unless the caller chose another. The framework's RuntimeInit finds
// this application and leaves it to us, so one process can hold many runs.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The cases that need a process in which no class table exists yet run
    // in a fresh child that starts the test program again.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
