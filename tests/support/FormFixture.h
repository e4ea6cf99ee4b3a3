#pragma once

#include "app/Form1.h"
#include "bitmap/Module1.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedWindow.h"

#include <gtest/gtest.h>

#include <memory>

// Form1 on the scripted window and platform, loaded and shown as the program
// starts it: no toolkit, no event loop.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { Module1::AboutRequested = 0; }
    void TearDown() override
    {
        form.reset();
        Module1::AboutRequested = 0;
    }

    // Form_Load, then the window shown and activated; false when the load
    // step refused the screen.
    bool start(bool show = true)
    {
        form = std::make_unique<Form1>(window, platform);
        if (!form->Form_Load()) return false;
        if (show) {
            window.visible = true;
            form->Form_Activate();
        }
        return true;
    }

    ScriptedWindow window;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};
