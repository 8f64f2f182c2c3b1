#include <gtest/gtest.h>
#include <QApplication>

// On the X display it is given: these tests are about the window system.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
