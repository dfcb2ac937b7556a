// Runs the shell tests inside a widget application (EndProgram closes top-level widgets), on
// the offscreen platform so that nothing appears on a screen.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Also when CTest lists the tests, where the test environment is not set.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // The toolkit runs threads of its own: death tests start a fresh copy of this program.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
