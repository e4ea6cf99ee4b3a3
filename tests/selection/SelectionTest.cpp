#include "support/FormFixture.h"

#include <QApplication>
#include <QTest>

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
    Colour current() const { return form->Picture1->image().fillColour(); }
    QRect frame() const { return form->Shape1->geometry(); }
    QRect around(int swatch) const { return form->Label1[static_cast<std::size_t>(swatch)]->geometry().adjusted(-2, -2, 2, 2); }
};

TEST_F(SelectionTest, ToolButtonsDisableExactlyTheChosenToolAndFocusTheCanvas)
{
    for (std::int16_t tool : {std::int16_t{0}, std::int16_t{2}, std::int16_t{3}, std::int16_t{1}}) {
        form->Command2->setFocus();
        QTest::mouseClick(form->Command3[static_cast<std::size_t>(tool)], Qt::LeftButton);
        if (tool == 1) form->Command3_Click(1);  // the chosen button cannot be clicked: call it
        EXPECT_EQ(form->CurrentTool, tool);
        for (std::int16_t i = 0; i < 4; ++i) EXPECT_EQ(form->Command3[static_cast<std::size_t>(i)]->isEnabled(), i != tool);
        EXPECT_TRUE(form->Picture1->hasFocus() || QApplication::focusWidget() == form->Picture1);
    }
}

TEST_F(SelectionTest, ToolSelectionLeavesTheFocusAloneWhileTheWindowIsHidden)
{
    Form1 hidden(platform);
    QWidget* before = QApplication::focusWidget();
    hidden.Command3_Click(2);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_FALSE(hidden.Command3[2]->isEnabled());
}

TEST_F(SelectionTest, SwatchesSetTheColourAndFrameTheSwatch)
{
    const Colour palette[9] = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                               0x000000FF, kBlue, kNearBlack, 0x00FFFFFF};
    for (int i = 0; i < 9; ++i) {
        QTest::mouseClick(form->Label1[static_cast<std::size_t>(i)], Qt::LeftButton);
        EXPECT_EQ(current(), palette[i]) << i;
        EXPECT_EQ(form->Label6->backColour(), palette[i]);
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
        QTest::mouseClick(form->Label3[static_cast<std::size_t>(size)], Qt::LeftButton);
        EXPECT_EQ(form->PencilSize, size);
        for (std::int16_t i = 0; i < 3; ++i)
            EXPECT_EQ(form->Label3[static_cast<std::size_t>(i)]->backColour(), i == size ? kPureBlack : form->backColour());
    }
}

TEST_F(SelectionTest, OtherButtonsAndCaptionClicksChangeNothing)
{
    QTest::mouseClick(form->Label1[3], Qt::RightButton);
    QTest::mouseClick(form->Label6, Qt::LeftButton);
    QTest::mouseClick(form->Label7, Qt::LeftButton);
    EXPECT_EQ(current(), kBlue);
    EXPECT_EQ(frame(), around(6));
}

TEST_F(SelectionTest, ColourDialogIsPresetAndOpensFull)
{
    form->Label1_Click(3);
    platform.cancelColourDialog();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
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
    EXPECT_EQ(form->Label6->backColour(), 0x00FFFFFFu);
    EXPECT_EQ(frame(), around(8));
}

TEST_F(SelectionTest, ColourDialogOtherColoursCollapseTheFrameEvenForASwatchColour)
{
    for (Colour c : {kNearBlack, 0x00123456u, 0x000000FFu}) {
        platform.answerColourDialog(c);
        form->Command1_Click();
        EXPECT_EQ(current(), c);
        EXPECT_EQ(form->Label6->backColour(), c);
        EXPECT_EQ(frame(), QRect(0, 0, 0, 0));
    }
    // A swatch afterwards brings the frame back.
    form->Label1_Click(2);
    EXPECT_EQ(frame(), around(2));
}

}  // namespace
