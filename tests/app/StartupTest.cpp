#include "support/FormFixture.h"

namespace {

const std::string kScreenMessage = "Screen Size Is To Small\r\nPlease Change Screen Size to 800 x 600";

class StartupTest : public FormFixture {};

struct ScreenCase {
    int width;
    int height;
    bool accepted;
};

class ScreenCheckTest : public FormFixture, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenCheckTest, RefusesOnlyScreensSmallerThan800By600WithOneMessage)
{
    platform.screen = {GetParam().width, GetParam().height};
    const bool loaded = start(false);
    EXPECT_EQ(loaded, GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(window.outer, (PixelRect{0, 0, 800, 600}));
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kScreenMessage);
        EXPECT_EQ(platform.messages[0].title, "Pintaro v1.0 [Error]");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        // Nothing after the check ran: the window was not placed and no
        // selection was made.
        EXPECT_FALSE(window.outer.has_value());
        EXPECT_TRUE(window.toolEnabled[1]);
        EXPECT_EQ(window.pencilSquareBack[0], ScriptedWindow::kButtonFace);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenCheckTest,
                         ::testing::Values(ScreenCase{799, 600, false}, ScreenCase{800, 599, false},
                                           ScreenCase{640, 480, false}, ScreenCase{0, 0, false},
                                           ScreenCase{800, 600, true}, ScreenCase{1920, 1080, true}));

TEST_F(StartupTest, FirstVisibleStateShowsFillBluePencilSizeZero)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(form->CurrentTool, 1);
    EXPECT_EQ(form->PencilSize, 0);
    EXPECT_EQ(form->PictureLoaded, 0);
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(Module1::AboutRequested, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window.toolEnabled[static_cast<std::size_t>(i)], i != 1) << i;
    EXPECT_EQ(window.pencilSquareBack[0], kPureBlack);
    EXPECT_EQ(window.pencilSquareBack[1], ScriptedWindow::kButtonFace);
    EXPECT_EQ(window.pencilSquareBack[2], ScriptedWindow::kButtonFace);
    EXPECT_EQ(form->Picture1.fillColour(), 0x00FF0000u);
    EXPECT_EQ(window.currentColourBack, 0x00FF0000u);
    EXPECT_EQ(window.selectionFrame, (PixelRect{710, 78, 21, 21}));
    EXPECT_FALSE(window.saveEnabled);
    // The tool was chosen before the window showed: the focus was left alone.
    EXPECT_EQ(window.canvasFocused, 0);
}

TEST_F(StartupTest, ExitEndsTheProgramWithStatusZeroWithoutAQuestion)
{
    ASSERT_TRUE(start());
    form->PictureLoaded = 1;
    form->Command5_Click();
    ASSERT_EQ(platform.endStatuses.size(), 1u);
    EXPECT_EQ(platform.endStatuses[0], 0);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
