#include "AboutFixture.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Corner = std::pair<int, int>;

class AboutLifecycleTest : public AboutFixture {};

TEST_F(AboutLifecycleTest, AboutTwiceShowsTheSameDialogOnce)
{
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Module1::AboutRequested, 1);
    frmAbout* second = openAbout();
    EXPECT_EQ(second, first);
    ASSERT_EQ(window.abouts.size(), 1u);
    EXPECT_EQ(lastAbout().shows, 2);
    EXPECT_EQ(lastAbout().moves.size(), 1u);  // the load step ran once
    EXPECT_EQ(Module1::AboutRequested, 1);

    // The main window keeps working behind it.
    form->Command3_Click(0);
    EXPECT_EQ(form->CurrentTool, 0);
}

struct CloseCase {
    const char* name;
    std::function<void(frmAbout&)> close;
    int windowCloses;  // how often the dialog asked its window to close
};

class AboutCloseTest : public AboutFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutCloseTest, EveryWayOfClosingUnloadsAndClearsTheFlag)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);

    GetParam().close(*dialog);
    EXPECT_EQ(Module1::AboutRequested, 0);
    EXPECT_EQ(lastAbout().closes, GetParam().windowCloses);
    EXPECT_EQ(form->aboutDialog(), nullptr);

    // Back at the main window the activation step shows nothing; a second
    // OK (Enter pressed twice) closes nothing more.
    form->Form_Activate();
    dialog->cmdOK_Click();
    EXPECT_EQ(lastAbout().shows, 1);
    EXPECT_EQ(lastAbout().closes, GetParam().windowCloses);
    EXPECT_EQ(Module1::AboutRequested, 0);
}

// Enter and Escape are OK's; the front-end reports every other closing of
// the window, its close box included, as the unload.
INSTANTIATE_TEST_SUITE_P(Ways, AboutCloseTest,
                         ::testing::Values(CloseCase{"Ok", [](frmAbout& d) { d.cmdOK_Click(); }, 1},
                                           CloseCase{"CloseBox", [](frmAbout& d) { d.Form_Unload(); }, 0}),
                         [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

TEST_F(AboutLifecycleTest, CanvasPressesWaitUntilTheDialogCloses)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    // No picture yet: a press would run the Open dialog, unless the About dialog is open.
    form->Picture1_MouseDown(1, 0, 50.0f, 50.0f);
    form->Picture1_MouseUp(1, 0, 50.0f, 50.0f);
    EXPECT_TRUE(platform.dialogs.empty());

    dialog->cmdOK_Click();
    form->Picture1_MouseDown(1, 0, 50.0f, 50.0f);
    form->Picture1_MouseUp(1, 0, 50.0f, 50.0f);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Open);
}

TEST_F(AboutLifecycleTest, AboutAfterClosingLoadsAFreshDialog)
{
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    first->cmdOK_Click();

    frmAbout* second = openAbout();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(window.abouts.size(), 2u);
    EXPECT_TRUE(window.abouts[0].destroyed);
    EXPECT_FALSE(window.abouts[1].destroyed);
    EXPECT_EQ(window.abouts[1].shows, 1);
    EXPECT_EQ(Module1::AboutRequested, 1);
}

TEST_F(AboutLifecycleTest, ActivatingTheMainWindowBringsTheDialogBack)
{
    ASSERT_NE(openAbout(), nullptr);
    form->Form_Activate();
    form->Form_Activate();
    EXPECT_EQ(lastAbout().shows, 3);
    EXPECT_EQ(window.abouts.size(), 1u);
}

TEST_F(AboutLifecycleTest, ActivationWithoutAboutDoesNothing)
{
    form->Form_Activate();
    EXPECT_EQ(form->aboutDialog(), nullptr);
    EXPECT_TRUE(window.abouts.empty());
}

TEST_F(AboutLifecycleTest, ExitEndsTheProgramWithTheDialogOpen)
{
    ASSERT_NE(openAbout(), nullptr);
    form->Command5_Click();
    EXPECT_EQ(platform.endStatuses, std::vector<int>{0});
    // Ending closes the windows without the unload step.
    EXPECT_EQ(lastAbout().closes, 0);
    EXPECT_EQ(Module1::AboutRequested, 1);

    form.reset();
    EXPECT_TRUE(lastAbout().destroyed);
}

TEST_F(AboutLifecycleTest, LinksOpenExactlyTheirTargetsAndLeaveTheDialogOpen)
{
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    dialog->Label1_Click();
    dialog->Label4_Click();
    dialog->Label4_Click();
    const std::vector<std::string> expected = {"http://www.example.org/",
                                               "mailto:pintaro@example.org?subject=Pintaro v1.0",
                                               "mailto:pintaro@example.org?subject=Pintaro v1.0"};
    EXPECT_EQ(platform.urls, expected);
    EXPECT_EQ(frmAbout::kWebLink, expected[0]);
    EXPECT_EQ(frmAbout::kMailLink, expected[1]);
    EXPECT_EQ(form->aboutDialog(), dialog);
    EXPECT_EQ(lastAbout().closes, 0);
    EXPECT_EQ(Module1::AboutRequested, 1);
    EXPECT_TRUE(platform.messages.empty());
}

struct CentringCase {
    int screenWidth, screenHeight;
    int outerWidth, outerHeight;  // the dialog's window, frame included
    Corner corner;
};

class AboutCentringTest : public AboutFixture, public ::testing::WithParamInterface<CentringCase> {};

TEST_P(AboutCentringTest, TheWholeWindowIsCentredOnTheScreen)
{
    const CentringCase c = GetParam();
    platform.screen = {c.screenWidth, c.screenHeight};
    window.aboutOuterWidth = c.outerWidth;
    window.aboutOuterHeight = c.outerHeight;
    ASSERT_NE(openAbout(), nullptr);
    EXPECT_EQ(lastAbout().moves, std::vector<Corner>{c.corner});
}

// Halves go to the even pixel: 162.5 to 162, 247.5 to 248, -37.5 to -38.
INSTANTIATE_TEST_SUITE_P(Screens, AboutCentringTest,
                         ::testing::Values(CentringCase{800, 600, 324, 275, {238, 162}},
                                           CentringCase{1024, 768, 324, 275, {350, 246}},
                                           CentringCase{1024, 768, 324, 273, {350, 248}},
                                           CentringCase{1920, 1080, 324, 275, {798, 402}},
                                           CentringCase{1365, 767, 324, 275, {520, 246}},
                                           CentringCase{1367, 769, 324, 275, {522, 247}},
                                           CentringCase{300, 200, 324, 275, {-12, -38}}),
                         [](const ::testing::TestParamInfo<CentringCase>& param) {
                             const CentringCase& c = param.param;
                             return std::to_string(c.screenWidth) + "x" + std::to_string(c.screenHeight) + "_"
                                 + std::to_string(c.outerWidth) + "x" + std::to_string(c.outerHeight);
                         });

TEST_F(AboutLifecycleTest, OnlyALoadCentresTheDialog)
{
    platform.screen = {1024, 768};
    frmAbout* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    platform.screen = {1920, 1080};
    openAbout();
    EXPECT_EQ(lastAbout().moves, (std::vector<Corner>{{350, 246}}));

    dialog->cmdOK_Click();
    ASSERT_NE(openAbout(), nullptr);
    ASSERT_EQ(window.abouts.size(), 2u);
    EXPECT_EQ(lastAbout().moves, (std::vector<Corner>{{798, 402}}));
}

}  // namespace
