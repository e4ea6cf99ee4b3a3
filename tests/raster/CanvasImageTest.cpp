#include "raster/CanvasImage.h"
#include "support/CanvasColours.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <vector>

namespace {

constexpr int W = CanvasImage::kWidth;
constexpr int H = CanvasImage::kHeight;

// A colour that tells which pixel it came from.
Colour code(int x, int y) { return static_cast<Colour>(x) | (static_cast<Colour>(y) << 12) | 0x00800000; }

void paintCodes(CanvasImage& image)
{
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) image.storePixel(x, y, code(x, y));
}


struct ReadCase {
    float x, y;
    bool inside;
    int px, py;  // the pixel read when inside
};

}  // namespace

TEST(CanvasImageReadPixel, EdgesAndRoundingOfHalvesToEven)
{
    const ReadCase cases[] = {
        {0.0f, 0.0f, true, 0, 0},
        {684.0f, 556.0f, true, 684, 556},
        {-1.0f, 0.0f, false, 0, 0},
        {685.0f, 0.0f, false, 0, 0},
        {0.0f, -1.0f, false, 0, 0},
        {0.0f, 557.0f, false, 0, 0},
        {-0.5f, -0.5f, true, 0, 0},      // -0.5 rounds to 0, inside
        {-0.51f, 0.0f, false, 0, 0},
        {-1.5f, 3.0f, false, 0, 0},      // -1.5 rounds to -2
        {0.5f, 1.5f, true, 0, 2},
        {2.5f, 3.5f, true, 2, 4},
        {10.49f, 10.51f, true, 10, 11},
        {684.5f, 556.5f, true, 684, 556},  // halves down to the even edge pixel
        {683.5f, 555.5f, true, 684, 556},
        {685.5f, 0.0f, false, 0, 0},
        {0.0f, 557.5f, false, 0, 0},
        // Far positions must saturate, not wrap back into the image.
        {65636.0f, 5.0f, false, 0, 0},
        {5.0f, -65436.0f, false, 0, 0},
        {1e9f, 1e9f, false, 0, 0},
        {-1e30f, 0.0f, false, 0, 0},
    };
    CanvasImage image;
    paintCodes(image);
    for (const ReadCase& c : cases) {
        const std::int32_t expected = c.inside ? static_cast<std::int32_t>(code(c.px, c.py)) : kOutsidePixel;
        EXPECT_EQ(image.readPixel(c.x, c.y), expected) << "at (" << c.x << ", " << c.y << ")";
    }
}

TEST(CanvasImageReadPixel, OutsideIsNeverPureBlack)
{
    CanvasImage image(kPureBlack);
    EXPECT_EQ(image.readPixel(0, 0), 0);
    EXPECT_EQ(image.readPixel(-1, 0), -1);
    EXPECT_EQ(image.readPixel(685, 556), -1);
}

TEST(CanvasImageSetPixel, OutsideChangesNothing)
{
    const float outside[][2] = {{-1, 0}, {685, 0}, {0, -1}, {0, 557}, {-0.51f, 3}, {685.5f, 3}, {65636, 5}, {3, 65893}};
    CanvasImage image;
    paintCodes(image);
    const std::vector<Colour> before = pixelsOf(image);
    for (const auto& p : outside)
        EXPECT_TRUE(image.setPixel(p[0], p[1], kPureBlack).isEmpty()) << p[0] << ", " << p[1];
    const int outsideV[][2] = {{-1, 0}, {685, 0}, {0, -1}, {0, 557}, {70000, 3}, {3, -70000}};
    for (const auto& p : outsideV)
        EXPECT_TRUE(image.setPixelV(p[0], p[1], kPureBlack).isEmpty()) << p[0] << ", " << p[1];
    EXPECT_EQ(pixelsOf(image), before);
}

TEST(CanvasImageSetPixel, SetsTheRoundedPixelAndReportsIt)
{
    CanvasImage image;
    EXPECT_EQ(image.setPixel(2.5f, 3.5f, rgbColour(1, 2, 3)), PixelRect::point(2, 4));
    EXPECT_EQ(image.pixel(2, 4), rgbColour(1, 2, 3));
    EXPECT_EQ(image.setPixel(684.5f, -0.5f, rgbColour(4, 5, 6)), PixelRect::point(684, 0));
    EXPECT_EQ(image.pixel(684, 0), rgbColour(4, 5, 6));
    // A stray high byte must not make an inside pixel read as the outside.
    image.setPixel(7, 7, 0xFFFFFFFF);
    EXPECT_EQ(image.readPixel(7, 7), 0x00FFFFFF);
}

namespace {

struct BlitCase {
    const char* what;
    int destX, destY, width, height, srcX, srcY;
};

// BitBlt as its definition reads: through a copy, pixel by pixel, leaving
// destinations whose source is outside the image alone.
PixelRect referenceBlt(std::vector<Colour>& pixels, const BlitCase& c)
{
    const std::vector<Colour> copy = pixels;
    PixelRect changed;
    for (long long y = 0; y < H; ++y) {
        for (long long x = 0; x < W; ++x) {
            if (x < c.destX || y < c.destY || x >= c.destX + 1LL * c.width || y >= c.destY + 1LL * c.height) continue;
            const long long sx = x - c.destX + c.srcX, sy = y - c.destY + c.srcY;
            if (sx < 0 || sy < 0 || sx >= W || sy >= H) continue;
            pixels[static_cast<std::size_t>(y * W + x)] = copy[static_cast<std::size_t>(sy * W + sx)];
            changed = changed.united(PixelRect::point(static_cast<int>(x), static_cast<int>(y)));
        }
    }
    return changed;
}

}  // namespace

TEST(CanvasImageBitBlt, MatchesACopyThroughATemporary)
{
    const BlitCase cases[] = {
        {"opening: down one row", 0, 0, W, H, 0, -1},
        {"up one row", 0, 0, W, H, 0, 1},
        {"right one column", 0, 0, W, H, -1, 0},
        {"left one column", 0, 0, W, H, 1, 0},
        {"diagonal overlap down-right", 30, 40, 200, 100, 25, 33},
        {"diagonal overlap up-left", 25, 33, 200, 100, 30, 40},
        {"onto itself", 0, 0, W, H, 0, 0},
        {"destination partly outside top-left", -5, -7, 50, 60, 10, 10},
        {"destination partly outside bottom-right", 600, 500, 200, 200, 0, 0},
        {"source partly outside bottom-right", 0, 0, 100, 100, 650, 530},
        {"source partly outside top-left", 100, 100, 50, 50, -20, -30},
        {"source wholly outside", 0, 0, 10, 10, 700, 0},
        {"destination wholly outside", -20, 0, 10, 10, 0, 0},
        {"zero width", 0, 0, 0, 10, 0, 1},
        {"negative height", 0, 0, 10, -3, 0, 1},
        {"huge extent", 0, 0, INT_MAX, INT_MAX, 0, -1},
        {"far offsets", INT_MIN, 0, 10, 10, INT_MAX, 0},
    };
    for (const BlitCase& c : cases) {
        CanvasImage image;
        paintCodes(image);
        std::vector<Colour> expected = pixelsOf(image);
        const PixelRect expectedRect = referenceBlt(expected, c);
        const PixelRect rect = image.bitBlt(c.destX, c.destY, c.width, c.height, c.srcX, c.srcY);
        EXPECT_TRUE(pixelsOf(image) == expected) << c.what;
        if (expectedRect.isEmpty())
            EXPECT_TRUE(rect.isEmpty()) << c.what;
        else
            EXPECT_EQ(rect, expectedRect) << c.what;
    }
}

TEST(CanvasImageBitBlt, OpeningShiftKeepsTheTopRowAndDropsTheBottomRow)
{
    CanvasImage image;
    paintCodes(image);
    EXPECT_EQ(image.bitBlt(0, 0, W, H, 0, -1), (PixelRect{0, 1, W, H - 1}));
    for (int x = 0; x < W; x += 17) {
        EXPECT_EQ(image.pixel(x, 0), code(x, 0));
        EXPECT_EQ(image.pixel(x, 1), code(x, 0));
        EXPECT_EQ(image.pixel(x, 300), code(x, 299));
        EXPECT_EQ(image.pixel(x, H - 1), code(x, H - 2));
    }
}

TEST(CanvasImageBackgroundPicture, SmallerPictureLeavesTheRestBackground)
{
    const Colour background = rgbColour(200, 210, 220);
    CanvasImage image(background);
    EXPECT_EQ(image.background(), background);
    image.storePixel(500, 500, kPureBlack);
    // 3 by 2 pixels in rows of 5, with stray high bytes.
    const Colour picture[] = {0xFF000001, 0x02, 0x03, 0xDEAD, 0xDEAD, 0x11, 0x12, 0xAA000013, 0xDEAD, 0xDEAD};
    EXPECT_EQ(image.setBackgroundPicture(picture, 3, 2, 5), CanvasImage::whole());
    EXPECT_EQ(image.pixel(0, 0), 0x01u);
    EXPECT_EQ(image.pixel(2, 0), 0x03u);
    EXPECT_EQ(image.pixel(0, 1), 0x11u);
    EXPECT_EQ(image.pixel(2, 1), 0x13u);
    EXPECT_EQ(image.pixel(3, 0), background);
    EXPECT_EQ(image.pixel(0, 2), background);
    EXPECT_EQ(image.pixel(500, 500), background);
}

TEST(CanvasImageBackgroundPicture, LargerPictureIsClipped)
{
    const int pw = W + 15, ph = H + 4;
    std::vector<Colour> picture(static_cast<std::size_t>(pw) * ph);
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) picture[static_cast<std::size_t>(y) * pw + x] = code(x % W, y % H) ^ 0x1;
    CanvasImage image;
    image.setBackgroundPicture(picture.data(), pw, ph, static_cast<std::size_t>(pw));
    for (int y = 0; y < H; y += 37)
        for (int x = 0; x < W; x += 29) EXPECT_EQ(image.pixel(x, y), code(x, y) ^ 0x1);
    EXPECT_EQ(image.pixel(W - 1, H - 1), code(W - 1, H - 1) ^ 0x1);
}

TEST(CanvasImageBackgroundPicture, PictureOneRowShortLeavesTheLastRowBackground)
{
    std::vector<Colour> picture(static_cast<std::size_t>(W) * (H - 1), kPureBlack);
    CanvasImage image;
    image.setBackgroundPicture(picture.data(), W, H - 1, W);
    EXPECT_EQ(image.pixel(W - 1, H - 2), kPureBlack);
    for (int x = 0; x < W; ++x) ASSERT_EQ(image.pixel(x, H - 1), kWhite) << x;
}

// What a front-end wraps: opaque 0xFFRRGGBB words, whatever operation wrote them.
TEST(CanvasImageStorage, WordsAreOpaqueRgb32)
{
    CanvasImage image(rgbColour(1, 2, 3));
    EXPECT_EQ(image.words()[0], 0xFF010203u);
    image.setPixelV(1, 0, rgbColour(0x12, 0x34, 0x56));
    image.setFillColour(rgbColour(0xAB, 0xCD, 0xEF));
    image.floodFillSurface(5, 5, rgbColour(1, 2, 3));
    image.storePixel(2, 0, kPureBlack);
    EXPECT_EQ(image.words()[1], 0xFF123456u);
    EXPECT_EQ(image.words()[2], 0xFF000000u);
    EXPECT_EQ(image.words()[W * 5 + 5], 0xFFABCDEFu);
    EXPECT_EQ(image.pixel(1, 0), rgbColour(0x12, 0x34, 0x56));
    EXPECT_EQ(image.readPixel(2, 0), 0);
}

// A front-end's bitmap memory: every operation paints there, and copies and
// assignments neither share it nor move the image out of it.
TEST(CanvasImageStorage, AdoptedMemoryTakesThePixelsAndEveryOperation)
{
    std::vector<CanvasImage::StoredPixel> memory(std::size_t{W} * H + 1, 0xDEADBEEFu);
    CanvasImage image;
    paintCodes(image);
    image.adoptStorage(memory.data());
    ASSERT_EQ(image.words(), memory.data());
    EXPECT_EQ(memory[W * 3 + 2], CanvasImage::toStored(code(2, 3)));

    image.clear(kWhite);
    image.setPixelV(0, 0, rgbColour(1, 1, 1));
    image.stampSquare(100, 100, 2, rgbColour(2, 2, 2));
    image.setFillColour(rgbColour(3, 3, 3));
    image.floodFillSurface(300, 300, kWhite);
    image.bitBlt(0, 1, 1, 1, 0, 0);
    EXPECT_EQ(memory[0], CanvasImage::toStored(rgbColour(1, 1, 1)));
    EXPECT_EQ(memory[W], CanvasImage::toStored(rgbColour(1, 1, 1)));
    EXPECT_EQ(memory[W * 100 + 100], CanvasImage::toStored(rgbColour(2, 2, 2)));
    EXPECT_EQ(memory[W * 300 + 300], CanvasImage::toStored(rgbColour(3, 3, 3)));
    EXPECT_EQ(memory[W * H - 1], CanvasImage::toStored(rgbColour(3, 3, 3)));
    EXPECT_EQ(memory[W * H], 0xDEADBEEFu) << "written past the image";

    CanvasImage copy = image;
    EXPECT_NE(copy.words(), memory.data());
    copy.setPixelV(5, 5, kPureBlack);
    EXPECT_EQ(image.pixel(5, 5), rgbColour(3, 3, 3));
    image = copy;
    EXPECT_EQ(image.words(), memory.data());
    EXPECT_EQ(memory[W * 5 + 5], CanvasImage::toStored(kPureBlack));
}
