#include "history/UndoHistory.h"
#include "support/CanvasColours.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

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

// Resident memory of this process in megabytes, from the kernel's own account.
std::optional<double> residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return std::nullopt;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsOurs = false;  // the sanitizer's shadow and quarantine dwarf the program
#else
constexpr bool kMemoryIsOurs = true;
#endif

class ManyFillsTest : public FormFixture {};

TEST_F(ManyFillsTest, TheLastHundredOfManyLargeFillsStayUndoableInLittleMemory)
{
    // The shipped picture with the largest background, three quarters of the canvas.
    ASSERT_TRUE(start());
    platform.answerFileDialog(PINTARO_SOURCE_DIR "/pics/space.bmp");
    form->Command2_Click();
    ASSERT_EQ(form->PictureLoaded, 1);
    ASSERT_EQ(form->Picture1.pixel(0, 0), kWhite);
    form->Command3_Click(1);

    std::vector<Colour> afterTenth;
    for (int i = 1; i <= 110; ++i) {
        form->Label1_Click(i % 2 == 0 ? 3 : 6);
        form->Picture1_MouseDown(1, 0, 0.0f, 0.0f);
        form->Picture1_MouseUp(1, 0, 0.0f, 0.0f);
        if (i == 10) afterTenth = pixelsOf(form->Picture1);
    }
    const auto resident = residentMegabytes();
    ASSERT_TRUE(resident.has_value());
    RecordProperty("resident_megabytes", std::to_string(*resident));
    RecordProperty("history_bytes", std::to_string(form->history().heldBytes()));
    if constexpr (kMemoryIsOurs) {
        EXPECT_LT(*resident, 80.0);
    }
    EXPECT_LE(form->history().heldBytes(), UndoHistory::kBudgetBytes);
    EXPECT_GE(form->history().undoableSteps(), 100u);

    for (int i = 0; i < 100; ++i) form->undo();
    EXPECT_TRUE(pixelsOf(form->Picture1) == afterTenth);
}

}  // namespace
