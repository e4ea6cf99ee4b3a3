#pragma once

#include "app/Form1.h"
#include "bitmap/Module1.h"
#include "qt/QtMainWindow.h"
#include "support/ScriptedPlatform.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The Qt main window driving a Form1 on the scripted platform, loaded and
// shown as the program starts it.
class QtFormFixture : public ::testing::Test {
protected:
    void SetUp() override { Module1::AboutRequested = 0; }
    void TearDown() override
    {
        form.reset();
        window.reset();
        Module1::AboutRequested = 0;
    }

    // The window and its form, attached; Form_Load and show when asked.
    bool start(bool load = true, bool show = true)
    {
        window = std::make_unique<QtMainWindow>();
        form = std::make_unique<Form1>(*window, platform);
        window->attach(*form);
        if (!load) return true;
        if (!form->Form_Load()) return false;
        if (show) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return true;
    }

    ScriptedPlatform platform;
    std::unique_ptr<QtMainWindow> window;
    std::unique_ptr<Form1> form;
};
