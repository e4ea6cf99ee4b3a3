#include "AboutFixture.h"

#include "app/QtPlatform.h"

#include <QPushButton>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

class AboutLifecycleTest : public AboutFixture {};

TEST_F(AboutLifecycleTest, AboutTwiceShowsTheSameModelessDialogOnce)
{
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Module1::AboutRequested, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    frmAbout* second = openAbout();
    EXPECT_EQ(second, first);
    EXPECT_EQ(aboutWindows().size(), 1u);
    EXPECT_EQ(Module1::AboutRequested, 1);

    // The main window keeps working behind it.
    QTest::mouseClick(form->Command3[0], Qt::LeftButton);
    EXPECT_EQ(form->CurrentTool, 0);
}

TEST_F(AboutLifecycleTest, OkHasTheFocusAndIsTheDefaultButton)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->focusWidget(), dialog->cmdOK);
    EXPECT_TRUE(dialog->cmdOK->isDefault());
}

struct CloseCase {
    const char* name;
    std::function<void(frmAbout*)> close;
};

class AboutCloseTest : public AboutFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutCloseTest, EveryWayOfClosingUnloadsAndClearsTheFlag)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QPointer<frmAbout> watch(dialog);

    GetParam().close(dialog);
    EXPECT_EQ(Module1::AboutRequested, 0);
    ASSERT_FALSE(watch.isNull());
    EXPECT_FALSE(watch->isVisible());
    settle();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(form->aboutDialog(), nullptr);

    // Back at the main window the activation step shows nothing.
    form->Form_Activate();
    EXPECT_TRUE(aboutWindows(true).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutCloseTest,
    ::testing::Values(
        CloseCase{"OkButton", [](frmAbout* d) { QTest::mouseClick(d->cmdOK, Qt::LeftButton); }},
        CloseCase{"EnterOnTheDialog", [](frmAbout* d) { QTest::keyClick(d, Qt::Key_Return); }},
        CloseCase{"EnterOnTheButton", [](frmAbout* d) { QTest::keyClick(d->cmdOK, Qt::Key_Enter, Qt::KeypadModifier); }},
        CloseCase{"EscapeOnTheDialog", [](frmAbout* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        CloseCase{"EscapeOnTheButton", [](frmAbout* d) { QTest::keyClick(d->cmdOK, Qt::Key_Escape); }},
        CloseCase{"CloseBox", [](frmAbout* d) { d->close(); }},
        CloseCase{"Reject", [](frmAbout* d) { d->reject(); }}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

TEST_F(AboutLifecycleTest, CanvasPressesWaitUntilTheDialogCloses)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    // No picture yet: a press would run the Open dialog, unless the About dialog is open.
    QTest::mousePress(form->Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(platform.dialogs.empty());

    QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    QTest::mousePress(form->Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Open);
}

TEST_F(AboutLifecycleTest, AboutRightAfterClosingLoadsAFreshDialog)
{
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    const QPointer<frmAbout> old(first);
    QTest::mouseClick(first->cmdOK, Qt::LeftButton);

    // The closed dialog's deletion is still pending; it must not come back.
    frmAbout* second = openAbout();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(aboutWindows().size(), 1u);
    EXPECT_EQ(Module1::AboutRequested, 1);
}

TEST_F(AboutLifecycleTest, ActivatingTheMainWindowBringsTheDialogBack)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    dialog->hide();  // as good as buried behind the main window

    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }, 1000));
    EXPECT_EQ(aboutWindows().size(), 1u);
}

TEST_F(AboutLifecycleTest, ActivationWithoutAboutDoesNothing)
{
    form->Form_Activate();
    EXPECT_EQ(form->aboutDialog(), nullptr);
    EXPECT_TRUE(aboutWindows().empty());
}

TEST_F(AboutLifecycleTest, ExitEndsTheProgramWithTheDialogOpen)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QPointer<frmAbout> watch(dialog);

    QTest::mouseClick(form->Command5, Qt::LeftButton);
    EXPECT_EQ(platform.endStatuses, std::vector<int>{0});

    // The real platform hides every window at once; no unload step runs.
    QtPlatform real;
    real.endProgram(0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Module1::AboutRequested, 1);

    form.reset();
    EXPECT_TRUE(watch.isNull());
}

struct ScreenCase {
    int width;
    int height;
};

class AboutCentringTest : public AboutFixture, public ::testing::WithParamInterface<ScreenCase> {};

// Whole pixels from a half: the nearest, and the even one from a tie.
void expectCentred(int start, int length, int screen)
{
    const int slack = screen - length;
    EXPECT_LE(std::abs(2 * start - slack), 1) << start << " of " << screen;
    if (slack % 2 != 0) {
        EXPECT_EQ(start % 2, 0) << start;
    }
}

TEST_P(AboutCentringTest, TheWholeWindowIsCentredOnTheScreen)
{
    const ScreenCase s = GetParam();
    form->move(37, 52);  // wherever the main window is
    platform.screen = QSize(s.width, s.height);
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QRect outer = dialog->frameGeometry();
    expectCentred(outer.left(), outer.width(), s.width);
    expectCentred(outer.top(), outer.height(), s.height);
}

INSTANTIATE_TEST_SUITE_P(Screens, AboutCentringTest,
                         ::testing::Values(ScreenCase{800, 600}, ScreenCase{1024, 768}, ScreenCase{1920, 1080},
                                           ScreenCase{1365, 767}, ScreenCase{1366, 769}, ScreenCase{801, 601}),
                         [](const ::testing::TestParamInfo<ScreenCase>& param) {
                             return std::to_string(param.param.width) + "x" + std::to_string(param.param.height);
                         });

TEST_F(AboutLifecycleTest, OnlyALoadCentresTheDialog)
{
    platform.screen = QSize(1024, 768);
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    dialog->move(10, 20);
    platform.screen = QSize(1920, 1080);
    openAbout();
    EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(10, 20));

    QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    frmAbout* reopened = openAbout();
    ASSERT_NE(reopened, nullptr);
    const QRect outer = reopened->frameGeometry();
    expectCentred(outer.left(), outer.width(), 1920);
    expectCentred(outer.top(), outer.height(), 1080);
}

}  // namespace
