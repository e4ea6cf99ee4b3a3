#include "CanvasFixture.h"

#include <ostream>

void PrintTo(const PixelRect& r, std::ostream* out)
{
    *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

namespace {

// Each handler shows what it changed as one rectangle, once, when it ends.
class RepaintTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        useTool(0);
        usePencil(1);
        canvas().setFillColour(0x000000FF);
        window.canvasChanges.clear();
    }
    std::vector<PixelRect> shown()
    {
        std::vector<PixelRect> result;
        result.swap(window.canvasChanges);
        return result;
    }
};

TEST_F(RepaintTest, AStrokeShowsOnlyTheRectangleEachHandlerChanged)
{
    press(100, 100);
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{99, 99, 3, 3}}));
    moveTo(110, 104);  // ten stamps, one rectangle; column 100 was red already
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{101, 99, 11, 7}}));

    // The next step shows its own new pixels, not the stroke so far.
    moveTo(111, 104);
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{112, 103, 1, 3}}));
    release(111, 104);
    EXPECT_TRUE(shown().empty());

    // A drag over what is already that colour changes nothing and shows nothing.
    press(105, 102);
    moveTo(100, 100);
    EXPECT_TRUE(shown().empty());
}

TEST_F(RepaintTest, AStampPutDownDirectlyIsShownToo)
{
    form->PutPixel(400.0f, 300.0f, 0x0000FF00);
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{399, 299, 3, 3}}));
    // Off the canvas, beyond a corner too: nothing to show.
    form->PutPixel(CanvasImage::kWidth + 5.0f, 300.0f, 0x0000FF00);
    form->PutPixel(CanvasImage::kWidth + 5.0f, -4.0f, 0x0000FF00);
    EXPECT_TRUE(shown().empty());
}

TEST_F(RepaintTest, AFillShowsTheFilledAreaOnly)
{
    blackBox(10, 10, 60, 40);
    useTool(1);
    press(30, 30);
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{11, 11, 49, 29}}));
    // An eraser press shows its one pixel; a grab shows nothing.
    useTool(2);
    press(10, 10);
    EXPECT_EQ(shown(), (std::vector<PixelRect>{{10, 10, 1, 1}}));
    useTool(3);
    press(30, 30);
    EXPECT_TRUE(shown().empty());
}

}  // namespace
