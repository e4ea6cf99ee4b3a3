#include "qt/CanvasWidget.h"

#include <QImage>
#include <QRegion>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr QRgb kUntouched = 0xFF00FF00;  // what the target holds where nothing is drawn

// Every canvas pixel a colour of its own, so a misplaced or dropped one shows.
void paintCodes(CanvasImage& image)
{
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) image.storePixel(x, y, rgbColour(x, y, x ^ y));
}

// Paints one changed rectangle through the widget's own paint path and says
// where the target differs from the canvas inside it, or from the untouched
// colour outside it.
std::string paintedDifference(CanvasWidget& widget, const CanvasImage& image, QImage::Format format,
                              const PixelRect& changed)
{
    QImage target(widget.size(), format);
    target.fill(kUntouched);
    const QRect area(changed.left + CanvasWidget::kBorder, changed.top + CanvasWidget::kBorder, changed.width,
                     changed.height);
    widget.render(&target, area.topLeft(), QRegion(area), QWidget::RenderFlags());
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            QRgb expected = kUntouched;
            if (area.contains(x, y)) {
                const Colour c = image.pixel(x - CanvasWidget::kBorder, y - CanvasWidget::kBorder);
                expected = qRgb(redOf(c), greenOf(c), blueOf(c));
            }
            if (target.pixel(x, y) != expected)
                return "at (" + std::to_string(x) + ", " + std::to_string(y) + "): " + std::to_string(target.pixel(x, y))
                    + " instead of " + std::to_string(expected);
        }
    return {};
}

}  // namespace

TEST(CanvasPaint, ChangedRectanglesShowExactlyOnOpaqueAndPremultipliedTargets)
{
    CanvasImage image;
    paintCodes(image);
    CanvasWidget widget;
    widget.resize(CanvasImage::kWidth + 2 * CanvasWidget::kBorder, CanvasImage::kHeight + 2 * CanvasWidget::kBorder);
    widget.showImage(image);
    const PixelRect rects[] = {{0, 0, 1, 1}, {684, 556, 1, 1}, {300, 200, 1, 1}, {17, 3, 1, 40},
                               {5, 500, 90, 1}, CanvasImage::whole()};
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        for (const PixelRect& r : rects)
            EXPECT_EQ(paintedDifference(widget, image, format, r), "")
                << "format " << format << ", rectangle " << r.left << ", " << r.top << ", " << r.width << " x "
                << r.height;
}
