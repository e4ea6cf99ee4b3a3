#include "qt/QtPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Widget tests run headless unless told otherwise, and never touch settings.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QtPlatform::keepSettingsAway();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
