#include "CanvasFixture.h"

#include <cmath>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;

class PencilTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        useTool(0);
        useColour(kRed);
    }
};

TEST_F(PencilTest, APressPutsDownOneStampCentredOnThePointAtEachSize)
{
    for (std::int16_t size = 0; size <= 2; ++size) {
        usePencil(size);
        const int x = 100 + 20 * size, y = 200;
        snapshot();
        press(x, y);
        release(x, y);
        EXPECT_EQ(changed(), square(x, y, size)) << "size " << size;
        EXPECT_EQ(at(x, y), kRed);
        EXPECT_EQ(form->IsDrawing, 0);
        EXPECT_EQ(form->LastX, x);
        EXPECT_EQ(form->LastY, y);
    }
}

TEST_F(PencilTest, AFractionalPointCentresTheWholeStampOnTheSamePixelAsTheStroke)
{
    usePencil(1);
    // 2.5 and 3.5 round to their even neighbours; the square must stay whole.
    struct Case { float x, y; int px, py; };
    for (const Case c : {Case{40.5f, 50.5f, 40, 50}, Case{81.5f, 91.5f, 82, 92}, Case{120.4f, 130.6f, 120, 131}}) {
        snapshot();
        form->Picture1_MouseDown(1, 0, c.x, c.y);
        EXPECT_EQ(changed(), square(c.px, c.py, 1)) << c.x << "," << c.y;
        EXPECT_EQ(form->LastX, c.px);
        EXPECT_EQ(form->LastY, c.py);
        form->Picture1_MouseUp(1, 0, c.x, c.y);
    }
}

TEST_F(PencilTest, ADragJoinsThePointsWithOneStampPerStepRoundingHalvesToEven)
{
    usePencil(0);
    press(10, 10);
    snapshot();
    moveTo(14, 12);
    EXPECT_EQ(changed(), (std::set<Pixel>{{11, 10}, {12, 11}, {13, 12}, {14, 12}}));
    EXPECT_EQ(form->LastX, 14);
    EXPECT_EQ(form->LastY, 12);

    // Steep and backwards: the longer axis is y.
    snapshot();
    moveTo(13, 8);
    EXPECT_EQ(changed(), (std::set<Pixel>{{14, 11}, {14, 10}, {13, 9}, {13, 8}}));
    release(13, 8);
}

TEST_F(PencilTest, AMoveToTheLastPointPutsDownNothing)
{
    usePencil(2);
    press(300, 300);
    canvas().storePixel(300, 300, kGreen);  // would be covered by a second stamp
    snapshot();
    form->Picture1_MouseMove(1, 0, 300.0f, 300.0f);
    EXPECT_TRUE(changed().empty());
    release(300, 300);
}

TEST_F(PencilTest, StrokesEndAtTheReleaseAndMovesWithoutAStrokeChangeNothing)
{
    moveTo(50, 50);  // no press yet
    EXPECT_EQ(form->LastX, 0);
    EXPECT_EQ(form->LastY, 0);

    press(50, 50);
    EXPECT_EQ(form->IsDrawing, 1);
    release(50, 50);
    EXPECT_EQ(form->IsDrawing, 0);
    snapshot();
    moveTo(60, 55);
    EXPECT_TRUE(changed().empty());
    EXPECT_EQ(form->LastX, 50);
    EXPECT_EQ(form->LastY, 50);
}

TEST_F(PencilTest, StampsAtTheEdgesChangeOnlyPixelsInsideTheCanvas)
{
    usePencil(2);
    constexpr int r = CanvasImage::kWidth - 1, b = CanvasImage::kHeight - 1;
    struct Case { int x, y; };
    for (const Case c : {Case{0, 0}, Case{r, b}, Case{-2, 300}, Case{300, -2}, Case{r + 2, 300}, Case{300, b + 2},
                         Case{-1, b + 1}, Case{-3, -3}, Case{r + 3, 100}}) {
        canvas().clear(kWhite);
        snapshot();
        form->PutPixel(static_cast<float>(c.x), static_cast<float>(c.y), kRed);
        EXPECT_EQ(changed(), square(c.x, c.y, 2)) << c.x << "," << c.y;
    }
}

TEST_F(PencilTest, StampsNeverPaintOverPureBlack)
{
    usePencil(2);
    blackColumn(101, 0, 100);
    canvas().storePixel(99, 48, 0x00101010);  // near-black is a colour like any other
    snapshot();
    form->PutPixel(100.0f, 50.0f, kRed);
    std::set<Pixel> expected = square(100, 50, 2);
    for (int y = 48; y <= 52; ++y) expected.erase({101, y});
    EXPECT_EQ(changed(), expected);
    for (int y = 48; y <= 52; ++y) EXPECT_EQ(at(101, y), kPureBlack);

    // A stamp of the colour already there changes nothing; size 0 spares black too.
    snapshot();
    form->PutPixel(100.0f, 50.0f, kRed);
    usePencil(0);
    form->PutPixel(101.0f, 50.0f, kRed);
    EXPECT_TRUE(changed().empty());
}

TEST_F(PencilTest, EveryButtonPaintsLikeTheLeftOne)
{
    for (std::int16_t button : {std::int16_t{2}, std::int16_t{4}}) {
        canvas().clear(kWhite);
        snapshot();
        form->Picture1_MouseDown(button, 7, 20.0f, 30.0f);  // with Shift, Ctrl and Alt held
        form->Picture1_MouseMove(button, 7, 23.0f, 30.0f);
        release(23, 30, button);
        EXPECT_EQ(changed(), (std::set<Pixel>{{20, 30}, {21, 30}, {22, 30}, {23, 30}})) << button;
        EXPECT_EQ(form->IsDrawing, 0);
    }
}

TEST_F(PencilTest, ADragFarOffTheCanvasPaintsOnlyItsPartOnTheCanvasAndReturnsPromptly)
{
    press(680, 10);
    snapshot();
    form->Picture1_MouseMove(1, 0, 1.0e9f, 10.0f);
    EXPECT_EQ(changed(), (std::set<Pixel>{{681, 10}, {682, 10}, {683, 10}, {684, 10}}));
    EXPECT_EQ(form->LastX, 32767);

    // Back from the far end: the stroke re-enters at the canvas edge.
    snapshot();
    form->Picture1_MouseMove(1, 0, 0.0f, 10.0f);
    EXPECT_EQ(changed().size(), 680u);  // columns 0 to 679; the rest are red already
    form->Picture1_MouseMove(1, 0, std::nanf(""), 10.0f);  // must not hang
    release(0, 10);
}

class EraserTest : public CanvasFixture {};

TEST_F(EraserTest, APressWhitensExactlyThePixelUnderThePointerWhateverItsColour)
{
    usePencil(2);
    useTool(2);
    blackColumn(200, 100, 200);
    for (int x = 195; x <= 205; ++x)
        for (int y = 145; y <= 155; ++y)
            if (x != 200) canvas().storePixel(x, y, kGreen);
    snapshot();
    press(200, 150);
    EXPECT_EQ(changed(), (std::set<Pixel>{{200, 150}}));
    EXPECT_EQ(at(200, 150), kWhite);
    EXPECT_EQ(form->IsDrawing, 1);

    // The drag then erases at the pencil size but spares the outline.
    snapshot();
    moveTo(204, 150);
    release(204, 150);
    for (int x = 199; x <= 206; ++x)
        for (int y = 148; y <= 152; ++y)
            EXPECT_EQ(at(x, y), x == 200 && y != 150 ? kPureBlack : kWhite) << x << "," << y;
    EXPECT_EQ(at(198, 150), kGreen);  // only the steps are stamped, not the press point
}

TEST_F(EraserTest, ADragAcrossOutlinesLeavesThemBlack)
{
    usePencil(1);
    useTool(2);
    blackColumn(110, 0, 300);
    blackRow(160, 0, 300);
    for (int x = 100; x <= 130; ++x)
        for (int y = 150; y <= 170; ++y)
            if (x != 110 && y != 160) canvas().storePixel(x, y, kGreen);
    press(100, 150);
    moveTo(130, 170);
    release(130, 170);
    for (int y = 0; y <= 300; ++y) EXPECT_EQ(at(110, y), kPureBlack) << y;
    for (int x = 0; x <= 300; ++x) EXPECT_EQ(at(x, 160), kPureBlack) << x;
    EXPECT_EQ(at(120, 163), kWhite);  // on the diagonal
    EXPECT_EQ(at(129, 151), kGreen);  // off it
}

}  // namespace
