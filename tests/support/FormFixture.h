#pragma once

#include "app/Form1.h"
#include "bitmap/Module1.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <memory>

// A real Form1 on the scripted platform, loaded and shown as the program
// starts it.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { Module1::AboutRequested = 0; }
    void TearDown() override
    {
        form.reset();
        Module1::AboutRequested = 0;
    }

    // Form_Load, then show; false when the load step refused the screen.
    bool start(bool show = true);

    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};
