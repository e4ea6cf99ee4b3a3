#include "history/UndoHistory.h"
#include "support/CanvasColours.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

// One step: a red stroke `length` pixels long along row `y`.
void strokeStep(UndoHistory& history, CanvasImage& canvas, int y, int length, int reach = 0)
{
    history.beginStep();
    for (int x = 0; x < length; ++x) canvas.stampSquare(x, y, reach, kRed);
    history.endStep();
}

TEST(UndoHistoryTest, PartsOfOneStepAreUndoneNewestFirst)
{
    // Pixels, then a fill over some of them, then pixels again over the fill:
    // undoing must not leave a colour from the middle of the step.
    CanvasImage canvas;
    for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.storePixel(x, 20, kPureBlack);
    UndoHistory history(canvas);
    const std::vector<Colour> blank = pixelsOf(canvas);
    history.beginStep();
    canvas.stampSquare(10, 10, 2, kRed);
    canvas.setFillColour(kGreen);
    canvas.floodFillSurface(10, 10, kRed);
    canvas.stampSquare(11, 11, 2, kBlue);
    canvas.setPixelV(5, 20, kWhite);
    history.endStep();
    const std::vector<Colour> done = pixelsOf(canvas);

    EXPECT_EQ(history.undo(), (PixelRect{5, 8, 9, 13}));
    EXPECT_TRUE(pixelsOf(canvas) == blank);
    EXPECT_EQ(history.redo(), (PixelRect{5, 8, 9, 13}));
    EXPECT_TRUE(pixelsOf(canvas) == done);
}

TEST(UndoHistoryTest, TheBudgetDropsTheOldestStepsAndNeverHoldsMore)
{
    CanvasImage canvas;
    std::size_t stepBytes = 0;
    {
        UndoHistory probe(canvas);
        strokeStep(probe, canvas, 0, 400);
        stepBytes = probe.heldBytes();
        canvas.clear(kWhite);
    }
    ASSERT_GT(stepBytes, 400u * 8u) << "a stroke's pixels are not all kept";

    UndoHistory history(canvas, stepBytes * 7 / 2);
    std::vector<std::vector<Colour>> states{pixelsOf(canvas)};
    for (int y = 0; y < 6; ++y) {
        strokeStep(history, canvas, y, 400);
        states.push_back(pixelsOf(canvas));
        EXPECT_LE(history.heldBytes(), history.budgetBytes());
    }
    EXPECT_EQ(history.undoableSteps(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(history.undo().isEmpty());
    EXPECT_TRUE(history.undo().isEmpty());
    EXPECT_TRUE(pixelsOf(canvas) == states[3]);

    // One step bigger than all the budget: not kept, and the older steps,
    // which would now undo onto its pixels, go too.
    history.redo();
    strokeStep(history, canvas, 20, 685, 2);  // 3425 pixels against room for 1400
    EXPECT_EQ(history.undoableSteps(), 0u);
    EXPECT_EQ(history.redoableSteps(), 0u);
    EXPECT_EQ(history.heldBytes(), 0u);
    EXPECT_TRUE(history.undo().isEmpty());
    strokeStep(history, canvas, 30, 400);
    EXPECT_EQ(history.undoableSteps(), 1u);
}

}  // namespace
