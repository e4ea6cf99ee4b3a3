#pragma once

#include "about/frmAbout.h"
#include "qt/AboutDialog.h"
#include "qt/QtFormFixture.h"

#include <QApplication>

#include <vector>

// The Qt main window, shown, whose About button the test clicks.
class QtAboutFixture : public QtFormFixture {
protected:
    void SetUp() override
    {
        QtFormFixture::SetUp();
        ASSERT_TRUE(start());
    }
    void TearDown() override
    {
        QtFormFixture::TearDown();
        settle();  // no dialog of this test is left for the next one to find
    }

    // Clicks the About button and waits until its dialog is on screen.
    AboutDialog* openAbout()
    {
        QTest::mouseClick(window->Command6, Qt::LeftButton);
        AboutDialog* dialog = loadedDialog();
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    // The Qt dialog of the core's loaded About dialog, or nullptr.
    AboutDialog* loadedDialog() const
    {
        frmAbout* about = form ? form->aboutDialog() : nullptr;
        auto* qtWindow = about ? dynamic_cast<QtAboutWindow*>(about->window()) : nullptr;
        return qtWindow ? qtWindow->dialog() : nullptr;
    }

    // Lets dialogs the core has let go of finish deleting themselves.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static std::vector<AboutDialog*> aboutWindows(bool visibleOnly = false)
    {
        std::vector<AboutDialog*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<AboutDialog*>(w); d && (!visibleOnly || d->isVisible())) found.push_back(d);
        return found;
    }
};
