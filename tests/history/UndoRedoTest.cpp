#include "canvas/CanvasFixture.h"
#include "support/CanvasColours.h"
#include "support/TempDir.h"

#include <climits>
#include <tuple>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

// A white page with a box outlined in black, a black line through it and a
// corridor one pixel wide, painted and undone through Form1's handlers.
class UndoRedoTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        blackBox(100, 100, 300, 200);
        blackColumn(200, 50, 250);
        blackColumn(400, 300, 400);
        blackColumn(402, 300, 400);
        useColour(kRed);
    }

    void fillAt(int x, int y, Colour colour)
    {
        useTool(1);
        useColour(colour);
        press(x, y);
        release(x, y);
    }
    void stroke(std::int16_t tool, int fromX, int toX, int y)
    {
        useTool(tool);
        press(fromX, y);
        moveTo((fromX + toX) / 2, y + 3);
        moveTo(toX, y);
        release(toX, y);
    }

    // What undo and redo must leave alone.
    auto choices() const
    {
        return std::make_tuple(form->CurrentTool, form->PencilSize, form->LastX, form->LastY, form->PictureLoaded,
                               form->Picture1.fillColour(), window.currentColourBack, window.selectionFrame);
    }

    // `command` must turn the canvas into `expected` and show exactly the
    // rectangle around the pixels it changed, once.
    void expectCommandGives(void (Form1::*command)(), const std::vector<Colour>& expected, const char* what)
    {
        const auto before = choices();
        const std::vector<Colour> was = pixelsOf(canvas());
        window.canvasChanges.clear();
        (form.get()->*command)();
        EXPECT_TRUE(pixelsOf(canvas()) == expected) << what;
        int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
        for (std::size_t i = 0; i < was.size(); ++i) {
            if (was[i] == expected[i]) continue;
            const int x = static_cast<int>(i % CanvasImage::kWidth), y = static_cast<int>(i / CanvasImage::kWidth);
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        EXPECT_EQ(window.canvasChanges, (std::vector<PixelRect>{{minX, minY, maxX - minX + 1, maxY - minY + 1}}))
            << what;
        EXPECT_TRUE(choices() == before) << what << " changed more than pixels";
    }
    // The step just made is undone back to `before` and redone to where it is now.
    void expectUndoAndRedo(const std::vector<Colour>& before, const char* what)
    {
        const std::vector<Colour> after = pixelsOf(canvas());
        ASSERT_FALSE(before == after) << what << " changed nothing";
        expectCommandGives(&Form1::undo, before, what);
        expectCommandGives(&Form1::redo, after, what);
    }
    void expectNoChangeFrom(void (Form1::*command)())
    {
        const std::vector<Colour> now = pixelsOf(canvas());
        window.canvasChanges.clear();
        (form.get()->*command)();
        EXPECT_TRUE(pixelsOf(canvas()) == now);
        EXPECT_TRUE(window.canvasChanges.empty());
    }
};

TEST_F(UndoRedoTest, EachKindOfStepIsUndoneAndRedonePixelForPixel)
{
    const std::vector<Colour> page = pixelsOf(canvas());
    fillAt(150, 150, kGreen);  // under the strokes, so undoing one must bring back green, not white
    for (std::int16_t size = 0; size <= 2; ++size) {
        usePencil(size);
        useColour(size == 1 ? kBlue : kRed);
        const std::vector<Colour> before = pixelsOf(canvas());
        stroke(0, 180, 220, 150 + 10 * size);  // across the line, which stays black
        ASSERT_EQ(at(200, 150 + 10 * size), kPureBlack);
        expectUndoAndRedo(before, "a pencil stroke");
    }

    // The eraser's press whitens the outline pixel under it; its drag spares the others.
    const std::vector<Colour> beforeEraser = pixelsOf(canvas());
    useTool(2);
    press(200, 120);
    moveTo(170, 120);
    moveTo(230, 125);
    release(230, 125);
    ASSERT_EQ(at(200, 120), kWhite);
    ASSERT_EQ(at(200, 124), kPureBlack);
    expectUndoAndRedo(beforeEraser, "an eraser stroke");

    const std::vector<Colour> beforeFill = pixelsOf(canvas());
    fillAt(50, 50, kBlue);  // the page around the box, on both sides of the line
    ASSERT_EQ(at(684, 556), kBlue);
    expectUndoAndRedo(beforeFill, "a fill");

    // Newest first, all the way back.
    for (int i = 0; i < 6; ++i) form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == page);
    expectNoChangeFrom(&Form1::undo);
}

TEST_F(UndoRedoTest, PressesThatChangeNoPixelMakeNoStepAndKeepTheRedo)
{
    fillAt(150, 150, kGreen);
    const std::vector<Colour> filled = pixelsOf(canvas());
    form->undo();

    fillAt(100, 150, kBlue);  // on the outline: refused
    fillAt(50, 50, kWhite);   // in the area's own colour
    useTool(3);
    press(50, 50);
    release(50, 50);
    usePencil(0);
    useColour(kRed);
    useTool(0);
    press(100, 100);  // along the outline only
    moveTo(100, 200);
    release(100, 200);
    useTool(2);
    press(50, 50);  // an eraser press on white
    release(50, 50);
    EXPECT_EQ(form->history().undoableSteps(), 0u);

    form->redo();
    EXPECT_TRUE(pixelsOf(canvas()) == filled);
}

TEST_F(UndoRedoTest, ANewChangeAfterAnUndoDropsTheRedo)
{
    fillAt(150, 150, kGreen);
    const std::vector<Colour> green = pixelsOf(canvas());
    fillAt(150, 150, kBlue);
    form->undo();
    stroke(0, 20, 60, 30);
    expectNoChangeFrom(&Form1::redo);
    form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == green);
}

TEST_F(UndoRedoTest, NothingDuringAStrokeOrWithTheAboutDialogOpen)
{
    // A fill is no stroke: it is undone with the button still held.
    const std::vector<Colour> blank = pixelsOf(canvas());
    useTool(1);
    press(150, 150);
    form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == blank);
    release(150, 150);

    fillAt(150, 150, kGreen);
    useTool(0);
    press(20, 20);
    moveTo(40, 20);
    expectNoChangeFrom(&Form1::undo);
    moveTo(60, 20);
    release(60, 20);
    EXPECT_EQ(form->history().undoableSteps(), 2u);  // the stroke still one step

    form->undo();
    form->Command6_Click();
    ASSERT_NE(Module1::AboutRequested, 0);
    expectNoChangeFrom(&Form1::undo);
    expectNoChangeFrom(&Form1::redo);
}

TEST_F(UndoRedoTest, OpeningAPictureEmptiesTheHistoryAndSavingKeepsIt)
{
    const TempDir dir;
    ASSERT_TRUE(dir.valid());
    const std::filesystem::path art = dir.root() / "art.bmp";
    fillAt(150, 150, kGreen);
    fillAt(50, 50, kBlue);
    form->undo();
    platform.answerFileDialog(art);
    form->Command4_Click();
    ASSERT_TRUE(std::filesystem::exists(art));
    EXPECT_EQ(form->history().undoableSteps(), 1u);
    EXPECT_EQ(form->history().redoableSteps(), 1u);

    platform.answerFileDialog(art);
    form->Command2_Click();
    ASSERT_EQ(platform.messages.size(), 1u) << "only the save's confirmation";
    EXPECT_EQ(form->history().undoableSteps(), 0u);
    EXPECT_EQ(form->history().redoableSteps(), 0u);
}

}  // namespace
