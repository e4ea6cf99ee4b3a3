#include "CanvasFixture.h"

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kPink = 0x00C080FF;

class FillTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        useTool(1);
        useColour(kRed);
        blackBox(100, 100, 200, 150);
    }
};

TEST_F(FillTest, APressInsideAnOutlineFillsTheAreaUpToTheOutline)
{
    snapshot();
    press(150, 120);
    release(150, 120);
    const std::set<Pixel> area = changed();
    EXPECT_EQ(area.size(), 99u * 49u);
    for (const Pixel& p : area) {
        EXPECT_GT(p.first, 100);
        EXPECT_LT(p.first, 200);
        EXPECT_GT(p.second, 100);
        EXPECT_LT(p.second, 150);
        EXPECT_EQ(at(p.first, p.second), kRed);
    }
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(form->LastX, 150);
    EXPECT_EQ(form->LastY, 120);

    // A move afterwards draws nothing, with or without a button.
    snapshot();
    moveTo(300, 300);
    form->Picture1_MouseMove(1, 0, 310.0f, 300.0f);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->LastX, 150);
}

TEST_F(FillTest, APressOnAnOutlineOrOnTheBorderChangesNothingButStillMovesTheLastPoint)
{
    snapshot();
    press(100, 120);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->LastX, 100);
    EXPECT_EQ(form->LastY, 120);

    // The border around the drawing area is no colour to fill.
    form->Picture1_MouseDown(1, 0, -1.0f, -1.0f);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->LastX, -1);
    EXPECT_EQ(form->LastY, -1);
}

TEST_F(FillTest, AFillDoesNotLeakThroughADiagonalGap)
{
    // A staircase outline: pixels touch only at corners.
    for (int i = 0; i < 40; ++i) canvas().storePixel(300 + i, 300 + i, kPureBlack);
    blackRow(299, 299, 340);
    blackColumn(340, 299, 340);
    blackColumn(299, 299, 300);
    blackRow(340, 339, 340);
    snapshot();
    press(330, 310);  // above the diagonal
    for (const Pixel& p : changed()) EXPECT_GT(p.first, p.second) << p.first << "," << p.second;
    EXPECT_EQ(at(305, 320), kWhite);  // below the diagonal
    EXPECT_EQ(at(339, 301), kRed);
}

TEST_F(FillTest, AFillWithTheColourAlreadyThereChangesNothing)
{
    press(150, 120);
    snapshot();
    press(150, 120);
    EXPECT_TRUE(changed().empty());
    useColour(kGreen);
    press(160, 130);  // now a different colour: the area takes it
    EXPECT_EQ(at(101, 101), kGreen);
    EXPECT_EQ(at(99, 99), kWhite);
}

TEST_F(FillTest, AFractionalPressFillsFromThePixelItReads)
{
    canvas().storePixel(150, 120, kGreen);  // a one-pixel area
    snapshot();
    form->Picture1_MouseDown(1, 0, 150.5f, 119.5f);  // rounds to (150, 120)
    EXPECT_EQ(changed(), (std::set<Pixel>{{150, 120}}));
    EXPECT_EQ(form->LastX, 150);
    EXPECT_EQ(form->LastY, 120);
}

class GrabTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        useTool(3);
        canvas().storePixel(40, 60, kPink);
        canvas().storePixel(41, 60, kPureBlack);
    }
    PixelRect frame() const { return window.selectionFrame; }
};

TEST_F(GrabTest, APressOnAColourMakesItCurrentAndCollapsesTheFrame)
{
    form->Label1_Click(3);
    ASSERT_FALSE(frame() == PixelRect{});
    snapshot();
    press(40, 60);
    release(40, 60);
    EXPECT_EQ(canvas().fillColour(), kPink);
    EXPECT_EQ(window.currentColourBack, kPink);
    EXPECT_EQ(frame(), PixelRect{});
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(form->LastX, 40);

    // Grabbing the white of the page works too, and a move then draws nothing.
    press(300, 300);
    EXPECT_EQ(canvas().fillColour(), kWhite);
    moveTo(320, 320);
    EXPECT_TRUE(changed().empty());
}

TEST_F(GrabTest, APressOnBlackOrOnTheBorderChangesNothing)
{
    form->Label1_Click(3);
    const Colour before = canvas().fillColour();
    const PixelRect frameBefore = frame();
    press(41, 60);
    EXPECT_EQ(form->LastX, 41);
    // The border reads as no colour at all; it must not become the current colour.
    form->Picture1_MouseDown(1, 0, CanvasImage::kWidth + 1.0f, CanvasImage::kHeight + 1.0f);
    EXPECT_EQ(form->LastX, CanvasImage::kWidth + 1);
    EXPECT_EQ(canvas().fillColour(), before);
    EXPECT_EQ(window.currentColourBack, before);
    EXPECT_EQ(frame(), frameBefore);
}

class PressGateTest : public CanvasFixture {};

TEST_F(PressGateTest, PressesWhileTheAboutDialogIsOpenDoNothing)
{
    useTool(0);
    useColour(kRed);
    Module1::AboutRequested = 1;
    snapshot();
    press(50, 50);
    moveTo(60, 60);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(form->LastX, 0);

    form->PictureLoaded = 0;  // and before a picture: no Open dialog either
    press(50, 50);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(PressGateTest, APressBeforeAnyPictureOpensTheOpenDialogAndDrawsNothing)
{
    form->PictureLoaded = 0;
    useTool(0);
    snapshot();
    press(50, 50);  // the scripted dialog is cancelled
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Open);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(form->LastX, 0);
    EXPECT_EQ(form->LastY, 0);
    EXPECT_EQ(form->PictureLoaded, 0);
}

TEST_F(PressGateTest, TheToolChangedDuringAStrokeDecidesTheDrag)
{
    useTool(0);
    useColour(kRed);
    press(50, 50);
    useTool(1);  // by keyboard, with the button still held
    snapshot();
    moveTo(60, 50);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->LastX, 60);
    useTool(2);
    moveTo(50, 50);  // erases back over the press stamp
    EXPECT_EQ(changed(), (std::set<Pixel>{{50, 50}}));
    release(50, 50);
}

}  // namespace
