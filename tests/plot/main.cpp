#include <QGuiApplication>

#include <gtest/gtest.h>

// Text needs fonts, and fonts need a GUI application (offscreen in tests).
int main(int argc, char** argv)
{
    // Listing the tests at build time runs this too, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
