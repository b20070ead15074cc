// The window tests need one QApplication for the whole run.

#include <gtest/gtest.h>

#include <QApplication>

#include "render/fonts.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does) must work without any display.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    grahavani::RegisterFontSubstitutes();
    return RUN_ALL_TESTS();
}
