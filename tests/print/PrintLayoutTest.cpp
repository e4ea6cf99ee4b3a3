#include "print/PrintLayout.h"

#include "raster/CanvasImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// Printable areas of real and awkward pages: A4 and Letter both ways, wide
// and tall strips, odd sizes, unequal resolutions, a few pixels.
TEST(CanvasPlaceOnPage, FillsOneAxisKeepsTheShapeInInchesAndIsCentred)
{
    const PrintableArea areas[] = {{6814, 4760, 600, 600}, {4760, 6814, 600, 600},  {3150, 2400, 300, 300},
                                   {9600, 12600, 1200, 1200}, {1370, 1114, 300, 300}, {5000, 300, 600, 600},
                                   {300, 5000, 600, 600},   {4999, 3331, 600, 600},  {4760, 2380, 600, 300},
                                   {2380, 4760, 300, 600},  {3, 2, 72, 72},          {685, 1, 96, 96}};
    for (const PrintableArea& a : areas) {
        SCOPED_TRACE(testing::Message() << a.width << "x" << a.height << " at " << a.dpiX << "x" << a.dpiY);
        const PixelRect r = canvasPlaceOnPage(a);
        ASSERT_FALSE(r.isEmpty());
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= a.width && r.bottom() <= a.height);
        EXPECT_TRUE(r.width == a.width || r.height == a.height) << r.width << "x" << r.height;
        EXPECT_LE(std::abs(r.left - (a.width - r.right())), 1);
        EXPECT_LE(std::abs(r.top - (a.height - r.bottom())), 1);
        // The axis worked out is within half a pixel of the shape in inches.
        const double rowsPerColumn = double(CanvasImage::kHeight) * a.dpiY / (double(CanvasImage::kWidth) * a.dpiX);
        EXPECT_LE(r.width == a.width ? std::abs(r.height - r.width * rowsPerColumn)
                                     : std::abs(r.width - r.height / rowsPerColumn),
                  0.5);
    }
    EXPECT_EQ(canvasPlaceOnPage({6814, 4760, 600, 600}), (PixelRect{480, 0, 5854, 4760}));
    for (const PrintableArea a : {PrintableArea{0, 100, 300, 300}, PrintableArea{100, 100, 300, -5}})
        EXPECT_TRUE(canvasPlaceOnPage(a).isEmpty());
}

}  // namespace
