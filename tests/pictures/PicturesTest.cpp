#include "BmpWriter.h"
#include "Pictures.h"
#include "bitmap/Module1.h"
#include "raster/CanvasImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 685;
constexpr int kHeight = 556;
constexpr std::size_t kRowBytes = 88;
constexpr std::size_t kPixelOffset = 62;
// Smaller areas are too fiddly for a child to hit with the fill tool.
constexpr std::size_t kSmallestArea = 60;

std::vector<std::string> shippedPictures() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(PINTARO_SOURCE_DIR) / "pics"))
        if (entry.is_regular_file() && entry.path().extension() == ".bmp")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path shippedPath(const std::string& name) { return fs::path(PINTARO_SOURCE_DIR) / "pics" / name; }

std::vector<std::uint8_t> readBytes(const std::string& name) {
    std::ifstream file(shippedPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

// The picture as the user sees it, top row first; true is an outline pixel.
// Decoded through the palette, so a picture with swapped entries would fail
// the ink checks as well as the palette check.
class Ink {
public:
    explicit Ink(const std::vector<std::uint8_t>& bytes) : m_ink(static_cast<std::size_t>(kWidth) * kHeight) {
        const bool setBitIsWhite = bytes.at(54 + 4) == 0xFF;
        for (int y = 0; y < kHeight; ++y) {
            const std::size_t row = kPixelOffset + static_cast<std::size_t>(kHeight - 1 - y) * kRowBytes;
            for (int x = 0; x < kWidth; ++x) {
                const bool set = (bytes.at(row + static_cast<std::size_t>(x / 8)) >> (7 - x % 8) & 1) != 0;
                m_ink[index(x, y)] = set != setBitIsWhite;
            }
        }
    }
    bool at(int x, int y) const { return m_ink[index(x, y)]; }
    std::size_t count() const { return static_cast<std::size_t>(std::count(m_ink.begin(), m_ink.end(), true)); }

    // Numbers the white areas a 4-connected flood fill would colour, from 1;
    // ink is 0. The sizes of the areas come back too.
    std::vector<std::size_t> areas(std::vector<std::size_t>* sizes = nullptr) const {
        std::vector<std::size_t> label(m_ink.size(), 0);
        std::vector<bool> seen(m_ink);
        std::vector<std::pair<int, int>> todo;
        std::size_t next = 0;
        for (int sy = 0; sy < kHeight; ++sy) {
            for (int sx = 0; sx < kWidth; ++sx) {
                if (seen[index(sx, sy)])
                    continue;
                ++next;
                std::size_t size = 0;
                todo.assign(1, {sx, sy});
                seen[index(sx, sy)] = true;
                while (!todo.empty()) {
                    const auto [x, y] = todo.back();
                    todo.pop_back();
                    label[index(x, y)] = next;
                    ++size;
                    const std::pair<int, int> near[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                    for (const auto& [nx, ny] : near) {
                        if (nx >= 0 && ny >= 0 && nx < kWidth && ny < kHeight && !seen[index(nx, ny)]) {
                            seen[index(nx, ny)] = true;
                            todo.push_back({nx, ny});
                        }
                    }
                }
                if (sizes)
                    sizes->push_back(size);
            }
        }
        return label;
    }
    std::vector<std::size_t> areaSizes() const {
        std::vector<std::size_t> sizes;
        areas(&sizes);
        return sizes;
    }
    std::size_t differences(const Ink& other) const {
        std::size_t n = 0;
        for (std::size_t k = 0; k < m_ink.size(); ++k)
            n += m_ink[k] != other.m_ink[k];
        return n;
    }
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kWidth + x; }

private:
    std::vector<bool> m_ink;
};

std::vector<std::string> drawnPictures() {
    std::vector<std::string> names;
    for (const Picture& picture : allPictures())
        names.push_back(picture.fileName);
    std::sort(names.begin(), names.end());
    return names;
}

const Picture& drawn(const std::string& name) {
    for (const Picture& picture : allPictures())
        if (name == picture.fileName)
            return picture;
    throw std::out_of_range(name);
}

// A season of colouring: enough that a child colouring every day does not
// run out within weeks. Everything shipped is drawn by picgen.
TEST(ShippedPictures, ASeasonOfPicturesAllDrawnByPicgen) {
    EXPECT_GE(shippedPictures().size(), 36u);
    EXPECT_EQ(shippedPictures(), drawnPictures());
}

// Two pictures that differ in only a few pixels would be one picture twice.
TEST(ShippedPictures, NoTwoAlike) {
    std::vector<Ink> inks;
    for (const std::string& name : shippedPictures())
        inks.emplace_back(readBytes(name));
    for (std::size_t i = 0; i < inks.size(); ++i)
        for (std::size_t j = i + 1; j < inks.size(); ++j)
            EXPECT_GT(inks[i].differences(inks[j]), static_cast<std::size_t>(kWidth) * kHeight / 20)
                << shippedPictures()[i] << " and " << shippedPictures()[j];
}

class ShippedPicture : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        m_bytes = readBytes(GetParam());
        ASSERT_EQ(m_bytes.size(), kPixelOffset + kRowBytes * kHeight);
    }
    std::vector<std::uint8_t> m_bytes;
};

TEST_P(ShippedPicture, RedrawingGivesTheSameBytes) {
    EXPECT_TRUE(encodeBmp(finished(drawn(GetParam()))) == m_bytes) << "run picgen pics/";
}

TEST_P(ShippedPicture, IsAnUncompressedOneBitBitmapThatFitsTheCanvas) {
    EXPECT_FALSE(Module1::CheckBitmapFile(shippedPath(GetParam()))) << "refused by the program's own check";
    EXPECT_EQ(m_bytes[0], 'B');
    EXPECT_EQ(m_bytes[1], 'M');
    EXPECT_EQ(le(m_bytes, 2, 4), m_bytes.size()) << "bfSize";
    EXPECT_EQ(le(m_bytes, 10, 4), kPixelOffset) << "bfOffBits";
    EXPECT_EQ(le(m_bytes, 14, 4), 40u) << "biSize";
    EXPECT_EQ(le(m_bytes, 18, 4), static_cast<std::uint32_t>(kWidth));
    EXPECT_EQ(le(m_bytes, 22, 4), static_cast<std::uint32_t>(kHeight)) << "positive: rows bottom-up";
    EXPECT_EQ(le(m_bytes, 26, 2), 1u) << "planes";
    EXPECT_EQ(le(m_bytes, 28, 2), 1u) << "bits per pixel";
    EXPECT_EQ(le(m_bytes, 30, 4), 0u) << "compression";
}

TEST_P(ShippedPicture, PaletteIsPureBlackThenWhite) {
    EXPECT_EQ(le(m_bytes, 54, 3), 0x000000u);
    EXPECT_EQ(le(m_bytes, 58, 3), 0xFFFFFFu);
}

TEST_P(ShippedPicture, EveryAreaIsBigEnoughToColourAndThereAreEnoughOfThem) {
    const std::vector<std::size_t> sizes = Ink(m_bytes).areaSizes();
    const std::size_t smallest = *std::min_element(sizes.begin(), sizes.end());
    EXPECT_GE(smallest, kSmallestArea);
    // Too few areas means outlines that do not close; too many, a picture too busy to colour.
    EXPECT_GE(sizes.size(), 15u);
    EXPECT_LE(sizes.size(), 250u);
    // Nor may one area swallow most of the picture.
    const std::size_t largest = *std::max_element(sizes.begin(), sizes.end());
    EXPECT_LT(largest, static_cast<std::size_t>(kWidth) * kHeight * 3 / 4);
}

// A one-pixel line reads as faint on screen and is easy to break with the
// eraser's neighbours; every outline pixel must sit in a solid 2x2 block.
TEST_P(ShippedPicture, OutlinesAreAtLeastTwoPixelsThick) {
    const Ink ink(m_bytes);
    int thin = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!ink.at(x, y))
                continue;
            bool inBlock = false;
            for (int dy = -1; dy <= 0 && !inBlock; ++dy)
                for (int dx = -1; dx <= 0 && !inBlock; ++dx) {
                    const int bx = x + dx, by = y + dy;
                    inBlock = bx >= 0 && by >= 0 && bx + 1 < kWidth && by + 1 < kHeight && ink.at(bx, by) &&
                              ink.at(bx + 1, by) && ink.at(bx, by + 1) && ink.at(bx + 1, by + 1);
                }
            if (!inBlock && ++thin <= 5)
                ADD_FAILURE() << "thin outline at " << x << "," << y;
        }
    }
    EXPECT_EQ(thin, 0);
}

// The program paints a picture's top row itself, set bits black, and shows
// the file's rows one lower; a white top row becomes the frame's top edge.
TEST_P(ShippedPicture, FramedOnThreeSidesWithAWhiteTopRow) {
    const Ink ink(m_bytes);
    for (int x = 0; x < kWidth; ++x) {
        ASSERT_FALSE(ink.at(x, 0)) << x;
        ASSERT_TRUE(ink.at(x, kHeight - 1)) << x;
    }
    for (int y = 1; y < kHeight; ++y) {
        ASSERT_TRUE(ink.at(0, y)) << y;
        ASSERT_TRUE(ink.at(kWidth - 1, y)) << y;
    }
}

// A fill from any declared point stays out of every other's area: the
// outlines around the things a child means to colour are closed.
TEST_P(ShippedPicture, DeclaredPointsLieInSeparateAreas) {
    const std::vector<Point>& apart = drawn(GetParam()).apart;
    ASSERT_GE(apart.size(), 3u);
    const std::vector<std::size_t> area = Ink(m_bytes).areas();
    std::vector<std::size_t> seen;
    for (const Point& p : apart) {
        const std::size_t a = area.at(Ink::index(static_cast<int>(p.x), static_cast<int>(p.y)));
        EXPECT_NE(a, 0u) << "ink at " << p.x << "," << p.y;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), a), 0) << p.x << "," << p.y << " joins an earlier point";
        seen.push_back(a);
    }
}

// The canvas as opening shows a picture: the loader's rows one lower, and row
// 0 redrawn from the file's top row with set bits black.
CanvasImage openedOnCanvas(const Ink& ink) {
    std::vector<Colour> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels[static_cast<std::size_t>(y) * kWidth + x] = ink.at(x, y) ? kPureBlack : kWhite;
    CanvasImage canvas;
    canvas.setBackgroundPicture(pixels.data(), kWidth, kHeight, kWidth);
    canvas.bitBlt(0, 0, CanvasImage::kWidth, CanvasImage::kHeight, 0, -1);
    for (int x = 0; x < kWidth; ++x)
        canvas.setPixelV(x, 0, ink.at(x, 0) ? kWhite : kPureBlack);
    return canvas;
}

// Fills every white area of the opened picture with a colour of its own,
// as a child eventually might, and checks no fill strays into another.
TEST_P(ShippedPicture, OnTheCanvasEachFillColoursOneWholeAreaAndNoOutline) {
    const Ink ink(m_bytes);
    CanvasImage canvas = openedOnCanvas(ink);
    Colour next = 1;
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x)
            if (canvas.pixel(x, y) == kWhite) {
                canvas.setFillColour(next++);
                canvas.floodFillSurface(x, y, kWhite);
            }

    std::vector<std::size_t> sizes(next, 0);
    std::size_t outline = 0;
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) {
            const Colour c = canvas.pixel(x, y);
            ASSERT_NE(c, kWhite) << x << "," << y;
            if (c == kPureBlack)
                ++outline;
            else
                ++sizes.at(c);
        }
    // The redrawn top row is the only ink the canvas adds.
    EXPECT_EQ(outline, ink.count() + static_cast<std::size_t>(kWidth));
    EXPECT_EQ(next - 1, ink.areaSizes().size());
    EXPECT_GE(*std::min_element(sizes.begin() + 1, sizes.end()), kSmallestArea);
}

std::string testName(const testing::TestParamInfo<std::string>& info) {
    std::string name = fs::path(info.param).stem().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pics, ShippedPicture, testing::ValuesIn(drawnPictures()), testName);

}  // namespace
