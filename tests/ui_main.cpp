// Entry point of the Qt tests: one QApplication for the whole run, as the program has.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // The build lists the tests by running this binary where there may be no display at all; the
    // offscreen platform serves both that and the runs, unless a caller chose a platform (Xvfb's xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
