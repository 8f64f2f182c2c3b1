#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

// Offscreen unless told otherwise (the X display tests are), so that the tests and
// their listing at build time run without a display.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
