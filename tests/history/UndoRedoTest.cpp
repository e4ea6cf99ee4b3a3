#include "canvas/CanvasFixture.h"
#include "support/CanvasColours.h"
#include "support/TempDir.h"

#include <climits>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

// A white page with a box outlined in black and a black line through its
// middle, driven through Form1's handlers; undo and redo go through Form1 too.
class UndoRedoTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        blackBox(100, 100, 300, 200);
        blackColumn(200, 50, 250);
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
    struct Choices {
        std::int16_t tool, size, lastX, lastY, loaded;
        Colour colour, swatch;
        PixelRect frame;
        bool operator==(const Choices& o) const
        {
            return tool == o.tool && size == o.size && lastX == o.lastX && lastY == o.lastY && loaded == o.loaded
                && colour == o.colour && swatch == o.swatch && frame == o.frame;
        }
    };
    Choices choices() const
    {
        return {form->CurrentTool, form->PencilSize,           form->LastX,         form->LastY,
                form->PictureLoaded, form->Picture1.fillColour(), window.currentColourBack, window.selectionFrame};
    }

    // Runs `command`, expecting the canvas to become `expected` and exactly
    // the rectangle around the pixels that differ to be shown, once.
    void expectCommandGives(void (Form1::*command)(), const std::vector<Colour>& expected, const char* what)
    {
        const Choices before = choices();
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
    void expectUndoAndRedoDoNothing()
    {
        expectNoChangeFrom(&Form1::undo);
        expectNoChangeFrom(&Form1::redo);
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
    usePencil(1);
    std::vector<Colour> before = pixelsOf(canvas());
    useTool(2);
    press(200, 120);
    moveTo(170, 120);
    moveTo(230, 125);
    release(230, 125);
    ASSERT_EQ(at(200, 120), kWhite);
    ASSERT_EQ(at(200, 124), kPureBlack);
    expectUndoAndRedo(before, "an eraser stroke");
    form->undo();
    EXPECT_EQ(at(200, 120), kPureBlack);
    form->redo();

    before = pixelsOf(canvas());
    fillAt(50, 50, kBlue);  // the page around the box, on both sides of the line
    ASSERT_EQ(at(684, 556), kBlue);
    expectUndoAndRedo(before, "a fill");

    // Steps are undone newest first, all the way back.
    for (int i = 0; i < 6; ++i) form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == page);
    expectNoChangeFrom(&Form1::undo);
}

TEST_F(UndoRedoTest, PressesThatChangeNoPixelMakeNoStepAndKeepTheRedo)
{
    fillAt(150, 150, kGreen);
    const std::vector<Colour> filled = pixelsOf(canvas());
    form->undo();
    ASSERT_EQ(form->history().redoableSteps(), 1u);

    fillAt(100, 150, kBlue);   // on the outline: refused
    fillAt(50, 50, kWhite);    // in the area's own colour
    useTool(3);
    press(50, 50);             // a grab
    release(50, 50);
    usePencil(0);
    useColour(kRed);
    useTool(0);
    press(100, 100);           // along the outline only
    moveTo(100, 200);
    release(100, 200);
    useTool(2);
    press(50, 50);             // an eraser press on white
    release(50, 50);
    EXPECT_EQ(form->history().undoableSteps(), 0u);

    form->redo();
    EXPECT_TRUE(pixelsOf(canvas()) == filled);
}

TEST_F(UndoRedoTest, ANewChangeAfterAnUndoDropsTheRedo)
{
    const std::vector<Colour> blank = pixelsOf(canvas());
    fillAt(150, 150, kGreen);
    const std::vector<Colour> green = pixelsOf(canvas());
    fillAt(150, 150, kBlue);
    form->undo();
    stroke(0, 20, 60, 30);
    form->redo();
    EXPECT_EQ(at(150, 150), kGreen);
    form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == green);
    form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == blank);
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
    expectUndoAndRedoDoNothing();
    moveTo(60, 20);
    release(60, 20);
    EXPECT_EQ(form->history().undoableSteps(), 2u);  // the stroke is one step, still whole

    form->undo();
    form->Command6_Click();
    ASSERT_NE(Module1::AboutRequested, 0);
    expectUndoAndRedoDoNothing();
}

TEST_F(UndoRedoTest, APressDuringAStrokeEndsItsStepAndStartsItsOwn)
{
    // A second button pressed while the first is held, the tool changed by
    // keyboard in between: the fill and the rest of the stroke are one step.
    const std::vector<Colour> blank = pixelsOf(canvas());
    useTool(0);
    usePencil(2);
    press(140, 150);
    const std::vector<Colour> firstStroke = pixelsOf(canvas());
    useTool(1);
    useColour(kGreen);
    press(120, 120, 2);
    useTool(0);
    moveTo(160, 150);  // green over the fill and over the red stamp
    release(160, 150);
    ASSERT_EQ(at(121, 121), kGreen);
    expectUndoAndRedo(firstStroke, "a fill and a stroke in one step");
    form->undo();
    form->undo();
    EXPECT_TRUE(pixelsOf(canvas()) == blank);
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
    ASSERT_TRUE(platform.messages.size() == 1u) << "only the save's confirmation";
    EXPECT_EQ(form->history().undoableSteps(), 0u);
    EXPECT_EQ(form->history().redoableSteps(), 0u);
    expectUndoAndRedoDoNothing();
}

}  // namespace
