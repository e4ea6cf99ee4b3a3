#pragma once

#include "about/frmAbout.h"
#include "support/FormFixture.h"

// A shown Form1 whose About button the test presses.
class AboutFixture : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(start());
    }

    frmAbout* openAbout()
    {
        form->Command6_Click();
        return form->aboutDialog();
    }

    // The window of the last About dialog made.
    const ScriptedWindow::AboutRecord& lastAbout() const { return window.abouts.back(); }
};
