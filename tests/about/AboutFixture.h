#pragma once

#include "about/frmAbout.h"
#include "support/FormFixture.h"

#include <QApplication>
#include <QTest>

#include <vector>

// A shown Form1 whose About button the test presses.
class AboutFixture : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(start());
    }

    // Presses the About button and waits until its dialog is on screen.
    frmAbout* openAbout()
    {
        QTest::mouseClick(form->Command6, Qt::LeftButton);
        frmAbout* dialog = form->aboutDialog();
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    // Lets closed dialogs finish deleting themselves.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static std::vector<frmAbout*> aboutWindows(bool visibleOnly = false)
    {
        std::vector<frmAbout*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<frmAbout*>(w); d && (!visibleOnly || d->isVisible())) found.push_back(d);
        return found;
    }
};
