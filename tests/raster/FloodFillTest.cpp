#include "raster/CanvasImage.h"
#include "support/CanvasColours.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int W = CanvasImage::kWidth;
constexpr int H = CanvasImage::kHeight;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;


void line(CanvasImage& image, int x0, int y0, int x1, int y1, Colour c)
{
    // Bresenham: 8-connected, so its diagonal steps are gaps a 4-connected fill must not pass.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        if (CanvasImage::contains(x0, y0)) image.storePixel(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void outline(CanvasImage& image, int left, int top, int right, int bottom, Colour c)
{
    line(image, left, top, right, top, c);
    line(image, right, top, right, bottom, c);
    line(image, right, bottom, left, bottom, c);
    line(image, left, bottom, left, top, c);
}

// The plain meaning of the fill: a breadth-first walk over 4-neighbours.
PixelRect referenceFill(std::vector<Colour>& pixels, int x, int y, Colour surface, Colour fill)
{
    const auto at = [&](int px, int py) -> Colour& { return pixels[static_cast<std::size_t>(py) * W + px]; };
    if (!CanvasImage::contains(x, y) || at(x, y) != surface || surface == fill) return {};
    PixelRect changed;
    std::deque<std::pair<int, int>> queue{{x, y}};
    at(x, y) = fill;
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        changed = changed.united(PixelRect::point(px, py));
        const std::pair<int, int> next[] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
        for (const auto& [nx, ny] : next) {
            if (!CanvasImage::contains(nx, ny) || at(nx, ny) != surface) continue;
            at(nx, ny) = fill;
            queue.emplace_back(nx, ny);
        }
    }
    return changed;
}

// Fills both ways and checks the pixels and the reported rectangle agree.
void expectFillMatchesReference(CanvasImage& image, int x, int y, Colour fill, const std::string& what)
{
    const Colour surface = image.pixel(x, y);
    std::vector<Colour> expected = pixelsOf(image);
    const PixelRect expectedRect = referenceFill(expected, x, y, surface, fill);
    image.setFillColour(fill);
    const PixelRect rect = image.floodFillSurface(x, y, surface);
    ASSERT_TRUE(pixelsOf(image) == expected) << what << " from (" << x << ", " << y << ")";
    if (expectedRect.isEmpty())
        EXPECT_TRUE(rect.isEmpty()) << what;
    else
        EXPECT_EQ(rect, expectedRect) << what << " from (" << x << ", " << y << ")";
}

// Serpentine of one-pixel white columns between black ones, joined alternately
// at the top and the bottom: every span of it is a single pixel.
void corridor(CanvasImage& image)
{
    for (int x = 1; x < W; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? 0 : H - 1;
        for (int y = 0; y < H; ++y)
            if (y != gap) image.storePixel(x, y, kPureBlack);
    }
}

}  // namespace

TEST(FloodFill, StopsAtAClosedOutline)
{
    CanvasImage image;
    outline(image, 100, 100, 200, 150, kPureBlack);
    image.setFillColour(kRed);
    EXPECT_EQ(image.floodFillSurface(150, 125, kWhite), (PixelRect{101, 101, 99, 49}));
    EXPECT_EQ(image.pixel(101, 101), kRed);
    EXPECT_EQ(image.pixel(199, 149), kRed);
    EXPECT_EQ(image.pixel(100, 125), kPureBlack);
    EXPECT_EQ(image.pixel(99, 125), kWhite);
    EXPECT_EQ(image.pixel(201, 151), kWhite);
}

TEST(FloodFill, DoesNotLeakThroughADiagonalGap)
{
    CanvasImage image;
    line(image, 0, 50, 50, 0, kPureBlack);  // pixels with x + y = 50
    image.setFillColour(kRed);
    EXPECT_EQ(image.floodFillSurface(0, 0, kWhite), (PixelRect{0, 0, 50, 50}));
    int filled = 0;
    for (int y = 0; y <= 51; ++y)
        for (int x = 0; x <= 51; ++x) filled += image.pixel(x, y) == kRed;
    EXPECT_EQ(filled, 50 * 51 / 2);
    EXPECT_EQ(image.pixel(26, 25), kWhite);
}

TEST(FloodFill, FillsTheWholeCanvasToItsBorder)
{
    CanvasImage image;
    image.setFillColour(kBlue);
    EXPECT_EQ(image.floodFillSurface(W / 2, H / 2, kWhite), CanvasImage::whole());
    for (Colour c : pixelsOf(image)) ASSERT_EQ(c, kBlue);
    // And back again from a corner, so the second fill finds the first one's colour.
    image.setFillColour(kWhite);
    EXPECT_EQ(image.floodFillSurface(W - 1, H - 1, kBlue), CanvasImage::whole());
    for (Colour c : pixelsOf(image)) ASSERT_EQ(c, kWhite);
}

TEST(FloodFill, RefusesWithoutChangingAnything)
{
    CanvasImage image;
    outline(image, 10, 10, 40, 40, kPureBlack);
    const std::vector<Colour> before = pixelsOf(image);
    image.setFillColour(kWhite);
    EXPECT_TRUE(image.floodFillSurface(20, 20, kWhite).isEmpty()) << "fill colour equals the surface";
    image.setFillColour(kRed);
    EXPECT_TRUE(image.floodFillSurface(10, 10, kWhite).isEmpty()) << "start pixel of another colour";
    EXPECT_TRUE(image.floodFillSurface(20, 20, kPureBlack).isEmpty()) << "surface is not the start pixel's colour";
    EXPECT_TRUE(image.floodFillSurface(-1, 20, kWhite).isEmpty()) << "left of the image";
    EXPECT_TRUE(image.floodFillSurface(W, 20, kWhite).isEmpty()) << "right of the image";
    EXPECT_TRUE(image.floodFillSurface(20, H, kWhite).isEmpty()) << "below the image";
    EXPECT_TRUE(pixelsOf(image) == before);
}

TEST(FloodFill, SurfaceHighByteIsIgnored)
{
    CanvasImage image;
    image.setFillColour(kRed);
    EXPECT_EQ(image.floodFillSurface(3, 3, 0xFF000000 | kWhite), CanvasImage::whole());
}

TEST(FloodFill, SingleEnclosedPixel)
{
    CanvasImage image;
    outline(image, 299, 199, 301, 201, kPureBlack);
    image.setFillColour(kRed);
    EXPECT_EQ(image.floodFillSurface(300, 200, kWhite), PixelRect::point(300, 200));
    EXPECT_EQ(image.pixel(300, 200), kRed);
    EXPECT_EQ(image.pixel(302, 200), kWhite);
}

TEST(FloodFill, OnePixelCorridorIsFilledToItsEnd)
{
    CanvasImage image;
    corridor(image);
    expectFillMatchesReference(image, 0, H / 2, kRed, "corridor from its start");
    EXPECT_EQ(image.pixel(W - 1, 0), kRed);
    EXPECT_EQ(image.pixel(W - 1, H - 1), kRed);

    CanvasImage middle;
    corridor(middle);
    expectFillMatchesReference(middle, 342, 5, kRed, "corridor from its middle");
}

// Shapes with the most spans a row can hold, where a span fill keeps the most
// work pending.
TEST(FloodFill, ManySpanShapesMatchTheReference)
{
    CanvasImage comb;  // teeth hanging from the top row
    for (int x = 1; x < W; x += 2)
        for (int y = 1; y < H; ++y) comb.storePixel(x, y, kPureBlack);
    expectFillMatchesReference(comb, 0, H - 1, kRed, "comb from a tooth tip");

    CanvasImage rows;  // horizontal serpentine
    for (int y = 1; y < H; y += 2) {
        const int gap = (y / 2) % 2 == 0 ? W - 1 : 0;
        for (int x = 0; x < W; ++x)
            if (x != gap) rows.storePixel(x, y, kPureBlack);
    }
    expectFillMatchesReference(rows, W / 2, 0, kRed, "horizontal serpentine");

    CanvasImage lattice;  // black every other pixel on even rows
    for (int y = 0; y < H; y += 2)
        for (int x = 1; x < W; x += 2) lattice.storePixel(x, y, kPureBlack);
    expectFillMatchesReference(lattice, W / 2, H / 2, kRed, "lattice");

    CanvasImage spiral;  // a square spiral walled by one-pixel lines
    for (int inset = 1; 2 * inset + 2 < H; inset += 2) {
        line(spiral, inset - 1, inset + 1, inset - 1, H - inset, kPureBlack);
        line(spiral, inset - 1, H - inset, W - inset, H - inset, kPureBlack);
        line(spiral, W - inset, H - inset, W - inset, inset - 1, kPureBlack);
        line(spiral, W - inset, inset - 1, inset + 1, inset - 1, kPureBlack);
    }
    expectFillMatchesReference(spiral, W / 2, H / 2, kRed, "spiral from its centre");
}

// Random line art of outlines, colour patches and speckle, filled from random
// points, including points on the fill's own results and on other colours.
TEST(FloodFill, RandomLineArtMatchesTheReference)
{
    const Colour palette[] = {kRed, kBlue, 0x0000FF00, 0x00101010, kWhite, kPureBlack};
    for (unsigned seed = 1; seed <= 24; ++seed) {
        std::mt19937 random(seed);
        const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        CanvasImage image;
        for (int i = uniform(5, 60); i > 0; --i)
            line(image, uniform(-20, W + 20), uniform(-20, H + 20), uniform(-20, W + 20), uniform(-20, H + 20),
                 kPureBlack);
        for (int i = uniform(0, 15); i > 0; --i) {
            const int left = uniform(0, W - 2), top = uniform(0, H - 2);
            outline(image, left, top, uniform(left + 1, W - 1), uniform(top + 1, H - 1),
                    palette[uniform(0, 5)]);
        }
        if (seed % 4 == 1) {
            // One-pixel corridors with random doors and dead ends.
            for (int x = 1; x < W; x += 2)
                for (int y = 0; y < H; ++y)
                    if (uniform(0, 30) != 0) image.storePixel(x, y, kPureBlack);
            for (int i = 0; i < 3000; ++i) image.storePixel(2 * uniform(0, W / 2), uniform(0, H - 1), kPureBlack);
        }
        const int speckle = seed % 3 == 0 ? 40000 : 500;
        for (int i = 0; i < speckle; ++i)
            image.storePixel(uniform(0, W - 1), uniform(0, H - 1), seed % 2 ? kPureBlack : kRed);
        for (int fill = 0; fill < 6; ++fill) {
            const int x = uniform(0, W - 1), y = uniform(0, H - 1);
            expectFillMatchesReference(image, x, y, palette[uniform(0, 5)],
                                       "seed " + std::to_string(seed) + " fill " + std::to_string(fill));
        }
    }
}

// Dense noise, from sparse to past the point where white stops percolating:
// countless spans that start left of their parents, the cases a span fill's
// turn-back checks exist for.
TEST(FloodFill, DenseNoiseMatchesTheReference)
{
    std::mt19937 random(20261207);
    CanvasImage image;
    for (int canvas = 0; canvas < 300; ++canvas) {
        const double black = 0.2 + 0.4 * canvas / 299.0;
        std::bernoulli_distribution isBlack(black);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) image.storePixel(x, y, isBlack(random) ? kPureBlack : kWhite);
        int x = 0, y = 0;
        do {
            x = std::uniform_int_distribution<int>(0, W - 1)(random);
            y = std::uniform_int_distribution<int>(0, H - 1)(random);
        } while (image.pixel(x, y) != kWhite);
        expectFillMatchesReference(image, x, y, kRed, "noise canvas " + std::to_string(canvas));
        if (HasFatalFailure()) return;
    }
}
