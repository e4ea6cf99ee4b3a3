#include "support/FormFixture.h"

namespace {

constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kNearBlack = 0x00101010;

class SelectionTest : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(start());
    }
    Colour current() const { return form->Picture1.fillColour(); }
    PixelRect frame() const { return window.selectionFrame; }
    static PixelRect around(int swatch)
    {
        const PixelRect s = layout::swatchPlace(swatch);
        return {s.left - 2, s.top - 2, s.width + 4, s.height + 4};
    }
};

TEST_F(SelectionTest, ToolButtonsDisableExactlyTheChosenToolAndFocusTheCanvas)
{
    for (std::int16_t tool : {std::int16_t{0}, std::int16_t{2}, std::int16_t{3}, std::int16_t{1}, std::int16_t{1}}) {
        const int focusedBefore = window.canvasFocused;
        form->Command3_Click(tool);
        EXPECT_EQ(form->CurrentTool, tool);
        for (std::int16_t i = 0; i < 4; ++i) EXPECT_EQ(window.toolEnabled[static_cast<std::size_t>(i)], i != tool);
        EXPECT_EQ(window.canvasFocused, focusedBefore + 1);
    }
}

TEST_F(SelectionTest, ToolSelectionLeavesTheFocusAloneWhileTheWindowIsHidden)
{
    window.visible = false;
    const int focusedBefore = window.canvasFocused;
    form->Command3_Click(2);
    EXPECT_EQ(window.canvasFocused, focusedBefore);
    EXPECT_FALSE(window.toolEnabled[2]);
}

TEST_F(SelectionTest, SwatchesSetTheColourAndFrameTheSwatch)
{
    const Colour palette[9] = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                               0x000000FF, kBlue, kNearBlack, 0x00FFFFFF};
    for (std::int16_t i = 0; i < 9; ++i) {
        form->Label1_Click(i);
        EXPECT_EQ(current(), palette[i]) << i;
        EXPECT_EQ(window.currentColourBack, palette[i]);
        EXPECT_EQ(frame(), around(i));
    }
    // The chosen swatch again: the frame is placed around it again.
    form->Label1_Click(8);
    EXPECT_EQ(frame(), around(8));
    EXPECT_NE(current(), kPureBlack);
}

TEST_F(SelectionTest, PencilSizesBlackenTheChosenSquareOnly)
{
    for (std::int16_t size : {std::int16_t{2}, std::int16_t{1}, std::int16_t{1}, std::int16_t{0}}) {
        form->Label3_Click(size);
        EXPECT_EQ(form->PencilSize, size);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(window.pencilSquareBack[i], static_cast<int>(i) == size ? kPureBlack : ScriptedWindow::kButtonFace);
    }
}

TEST_F(SelectionTest, ColourDialogIsPresetAndOpensFull)
{
    form->Label1_Click(3);
    platform.cancelColourDialog();
    form->Command1_Click();
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Color);
    EXPECT_EQ(platform.dialogs[0].state.colour, 0x0000FF00u);
    EXPECT_EQ(platform.dialogs[0].state.flags, 2u);
}

TEST_F(SelectionTest, ColourDialogCancelOrSameColourChangesNothing)
{
    platform.cancelColourDialog();
    form->Command1_Click();
    platform.answerColourDialog(kBlue);
    form->Command1_Click();
    EXPECT_EQ(current(), kBlue);
    EXPECT_EQ(frame(), around(6));
}

TEST_F(SelectionTest, ColourDialogPureBlackGivesWhiteSwatch8)
{
    platform.answerColourDialog(kPureBlack);
    form->Command1_Click();
    EXPECT_EQ(current(), 0x00FFFFFFu);
    EXPECT_EQ(window.currentColourBack, 0x00FFFFFFu);
    EXPECT_EQ(frame(), around(8));
}

TEST_F(SelectionTest, ColourDialogOtherColoursCollapseTheFrameEvenForASwatchColour)
{
    for (Colour c : {kNearBlack, 0x00123456u, 0x000000FFu}) {
        platform.answerColourDialog(c);
        form->Command1_Click();
        EXPECT_EQ(current(), c);
        EXPECT_EQ(window.currentColourBack, c);
        EXPECT_EQ(frame(), (PixelRect{0, 0, 0, 0}));
    }
    // A swatch afterwards brings the frame back.
    form->Label1_Click(2);
    EXPECT_EQ(frame(), around(2));
}

}  // namespace
