#include "print/PrintLayout.h"

#include "raster/CanvasImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

struct AreaCase {
    const char* name;
    PrintableArea area;
};

// Printable areas of real and awkward pages: A4 and Letter both ways at
// common resolutions, printers with unequal resolutions, strips, and areas
// a few pixels across.
const AreaCase kAreas[] = {
    {"A4LandscapeAt600", {6814, 4760, 600, 600}},
    {"A4PortraitAt600", {4760, 6814, 600, 600}},
    {"LetterLandscapeAt300", {3150, 2400, 300, 300}},
    {"LetterPortraitAt1200", {9600, 12600, 1200, 1200}},
    {"ExactlyTheCanvasShape", {1370, 1114, 300, 300}},
    {"Wide", {5000, 300, 600, 600}},
    {"Tall", {300, 5000, 600, 600}},
    {"OddSizes", {4999, 3331, 600, 600}},
    {"FinerAcross", {4760, 2380, 600, 300}},
    {"FinerDown", {2380, 4760, 300, 600}},
    {"Tiny", {3, 2, 72, 72}},
    {"OnePixelHigh", {685, 1, 96, 96}},
};

TEST(CanvasPlaceOnPage, FillsOneAxisKeepsTheShapeInInchesAndIsCentred)
{
    for (const AreaCase& c : kAreas) {
        SCOPED_TRACE(c.name);
        const PrintableArea& a = c.area;
        const PixelRect r = canvasPlaceOnPage(a);
        ASSERT_FALSE(r.isEmpty());
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right(), a.width);
        EXPECT_LE(r.bottom(), a.height);
        EXPECT_TRUE(r.width == a.width || r.height == a.height) << r.width << "x" << r.height;
        // Centred within a pixel: the margins either side differ by at most one.
        EXPECT_LE(std::abs(r.left - (a.width - r.right())), 1);
        EXPECT_LE(std::abs(r.top - (a.height - r.bottom())), 1);
        // The shape in inches: the axis worked out is within half a pixel of exact.
        const double rowsPerColumn = double(CanvasImage::kHeight) * a.dpiY / (double(CanvasImage::kWidth) * a.dpiX);
        if (r.width == a.width)
            EXPECT_LE(std::abs(r.height - r.width * rowsPerColumn), 0.5);
        else
            EXPECT_LE(std::abs(r.width - r.height / rowsPerColumn), 0.5);
    }
}

TEST(CanvasPlaceOnPage, ExactFiguresAtTheCanvasShapeAndOnAnA4Page)
{
    EXPECT_EQ(canvasPlaceOnPage({1370, 1114, 300, 300}), (PixelRect{0, 0, 1370, 1114}));
    EXPECT_EQ(canvasPlaceOnPage({685, 557, 1, 1}), CanvasImage::whole());
    // 6814 across keeps 6814 * 557 / 685 = 5540.8 down, more than the 4760
    // there are: the height decides, 4760 * 685 / 557 = 5853.8 across.
    EXPECT_EQ(canvasPlaceOnPage({6814, 4760, 600, 600}), (PixelRect{480, 0, 5854, 4760}));
    // Twice as many pixels down as across per inch: twice as many rows.
    EXPECT_EQ(canvasPlaceOnPage({685, 2000, 100, 200}), (PixelRect{0, 443, 685, 1114}));
}

TEST(CanvasPlaceOnPage, NothingForAnAreaWithoutPixelsOrResolution)
{
    for (const PrintableArea a : {PrintableArea{0, 100, 300, 300}, PrintableArea{100, -1, 300, 300},
                                  PrintableArea{100, 100, 0, 300}, PrintableArea{100, 100, 300, -5}})
        EXPECT_TRUE(canvasPlaceOnPage(a).isEmpty()) << a.width << "x" << a.height;
}

}  // namespace
