// Test entry point for GoogleTest suites that need a QApplication: offscreen, right to left,
// with the program's font mapping.

#include "platform/fonts.h"
#include "resources/resources.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    velmora::resources::initialise();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    velmora::platform::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
