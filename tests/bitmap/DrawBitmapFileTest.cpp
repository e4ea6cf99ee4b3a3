#include "bitmap/Module1.h"

#include "BitmapTestSupport.h"

#include <limits>

using namespace bitmaptest;
using Module1::DrawOutcome;

namespace {

constexpr Colour kRed = rgbColour(255, 0, 0);
constexpr Colour kGreen = rgbColour(0, 255, 0);

class DrawBitmapFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.valid()); }

    DrawOutcome draw(const bmp::Bytes& bytes)
    {
        const std::string file = dir.path("picture.bmp");
        EXPECT_TRUE(bmp::BmpBuilder::writeFile(file, bytes));
        return Module1::DrawBitmapFile(file, canvas);
    }

    // Nothing at all was painted.
    void expectUntouched() const
    {
        const CanvasImage fresh = markedCanvas();
        EXPECT_EQ(canvasRow(canvas, 0), canvasRow(fresh, 0));
        EXPECT_TRUE(lowerRowsEqual(canvas, fresh));
    }

    TempDir dir;
    CanvasImage canvas = markedCanvas();
};

// A small 24-bit picture of `width` pixels, its top row given, rows below it
// in another colour.
bmp::BmpBuilder trueColourPicture(const std::vector<std::uint32_t>& topRow, std::int32_t height = 3)
{
    const auto width = static_cast<std::int32_t>(topRow.size());
    bmp::InfoHeader h;
    h.width = width;
    h.height = height;
    const std::size_t length = bmp::rowLength(width, 24);
    return bmp::BmpBuilder().info(h).rows(static_cast<std::size_t>(height), [&](std::size_t s) {
        if (s + 1 < static_cast<std::size_t>(height)) return bmp::Bytes(length, 0x55);
        return bmp::trueColourRow(topRow, length);
    });
}

bmp::BmpBuilder monochromePicture(const bmp::Bytes& topRow, std::int32_t width, const std::vector<std::uint32_t>& table,
                                  bool coreHeader = false)
{
    bmp::BmpBuilder b;
    if (coreHeader)
        b.core({12, static_cast<std::int16_t>(width), 2, 1, 1});
    else {
        bmp::InfoHeader h;
        h.width = width;
        h.height = 2;
        h.bitCount = 1;
        b.info(h);
    }
    return b.colourTable(table).row(bmp::Bytes(topRow.size(), 0xA5)).row(topRow);
}

}  // namespace

TEST_F(DrawBitmapFileTest, TopRowOfFullSizePictures)
{
    const std::vector<std::uint32_t> blackZero = {kPureBlack, kWhite};
    const TestPicture pictures[] = {
        {24, 557, false, {}}, {24, 556, false, {}}, {24, 557, true, {}},
        {1, 557, false, blackZero}, {1, 556, false, blackZero}, {1, 557, false, {kWhite, kPureBlack}}, {1, 557, true, blackZero}, {1, 556, true, {kRed, kGreen}},
    };
    for (const TestPicture& picture : pictures) {
        SCOPED_TRACE(::testing::Message() << picture.bitCount << " bits, height " << picture.height
                                          << (picture.coreHeader ? ", core header" : ", info header"));
        canvas = markedCanvas();
        ASSERT_EQ(draw(picture.builder().build()), DrawOutcome::Drawn);
        const std::size_t top = static_cast<std::size_t>(picture.height) - 1;
        std::vector<Colour> expected(CanvasImage::kWidth);
        for (std::size_t x = 0; x < expected.size(); ++x)
            expected[x] = picture.bitCount == 24 ? TestPicture::colourAt(x, top)
                                                 : picture.colourTable[TestPicture::bitAt(x, top) ? 1 : 0];
        EXPECT_EQ(canvasRow(canvas, 0), expected);
        EXPECT_TRUE(lowerRowsEqual(canvas, markedCanvas()));
    }
}

TEST_F(DrawBitmapFileTest, TrueColourPixelsAreStoredBlueGreenRed)
{
    ASSERT_EQ(draw(trueColourPicture({rgbColour(48, 32, 16), rgbColour(50, 100, 200)}).build()), DrawOutcome::Drawn);
    EXPECT_EQ(canvas.pixel(0, 0), rgbColour(48, 32, 16));
    const bmp::Bytes stored = readAll(dir.path("picture.bmp"));
    EXPECT_EQ(bmp::Bytes(stored.end() - 8, stored.end() - 5), (bmp::Bytes{16, 32, 48}));
    EXPECT_EQ(canvas.pixel(1, 0), rgbColour(50, 100, 200));
}

TEST_F(DrawBitmapFileTest, MonochromeTopRowTakesTheFilesColourTable)
{
    const bmp::Bytes first128 = {128, 0, 0, 0};
    const struct {
        const char* name;
        std::vector<std::uint32_t> table;
        bool coreHeader;
        Colour set, clear;
    } cases[] = {
        {"index 0 black", {kPureBlack, kWhite}, false, kWhite, kPureBlack},
        {"index 0 white", {kWhite, kPureBlack}, false, kPureBlack, kWhite},
        {"colours, info header", {kRed, kGreen}, false, kGreen, kRed},
        {"colours, core header", {kRed, kGreen}, true, kGreen, kRed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        canvas = markedCanvas();
        ASSERT_EQ(draw(monochromePicture(first128, 8, c.table, c.coreHeader).build()), DrawOutcome::Drawn);
        EXPECT_EQ(canvas.pixel(0, 0), c.set);
        for (int x = 1; x < 8; ++x) EXPECT_EQ(canvas.pixel(x, 0), c.clear) << x;
        EXPECT_EQ(canvas.pixel(8, 0), rgbColour(1, 2, 3));
    }
}

TEST_F(DrawBitmapFileTest, MonochromeWithoutATableDrawsSetBitsBlack)
{
    // The top row is the file's own first bytes, "BM" = 0x42 0x4D; the file
    // ends before the colour of bit value 1 is complete.
    bmp::InfoHeader h;
    h.width = 16;
    h.height = 1;
    h.bitCount = 1;
    ASSERT_EQ(draw(bmp::BmpBuilder().info(h).colourTable({kRed, kGreen}).offBits(0).truncateTo(14 + 40 + 6).build()),
              DrawOutcome::Drawn);
    const std::vector<int> expected = {0, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 0, 1};
    for (int x = 0; x < 16; ++x) EXPECT_EQ(canvas.pixel(x, 0), expected[x] ? kPureBlack : kWhite) << x;

    // With the whole table there, its colours are used.
    canvas = markedCanvas();
    ASSERT_EQ(draw(bmp::BmpBuilder().info(h).colourTable({kRed, kGreen}).offBits(0).build()), DrawOutcome::Drawn);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(canvas.pixel(x, 0), expected[x] ? kGreen : kRed) << x;
}

TEST_F(DrawBitmapFileTest, PaddingPastTheWidthDrawsNothing)
{
    ASSERT_EQ(draw(monochromePicture({0xFF, 0xFF, 0xFF, 0xFF}, 20, {kWhite, kPureBlack}).build()), DrawOutcome::Drawn);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(canvas.pixel(x, 0), kPureBlack) << x;
    for (int x = 20; x < 40; ++x) EXPECT_EQ(canvas.pixel(x, 0), rgbColour(1, 2, 3)) << x;

    canvas = markedCanvas();
    const std::vector<std::uint32_t> five(5, rgbColour(9, 8, 7));
    bmp::Bytes withPadding = bmp::trueColourRow(five, 16);
    withPadding[15] = 0xEE;
    bmp::InfoHeader h;
    h.width = 5;
    h.height = 1;
    ASSERT_EQ(draw(bmp::BmpBuilder().info(h).row(withPadding).row(bmp::Bytes(16, 0xEE)).build()), DrawOutcome::Drawn);
    EXPECT_EQ(canvasRow(canvas, 0)[4], rgbColour(9, 8, 7));
    EXPECT_EQ(canvasRow(canvas, 0)[5], rgbColour(1, 2, 3));
}

TEST_F(DrawBitmapFileTest, NothingDrawnWithoutAMessage)
{
    const struct {
        const char* name;
        std::function<void(bmp::InfoHeader&)> change;
    } cases[] = {
        {"RLE8", [](auto& h) { h.compression = 1; h.bitCount = 8; }},
        {"compressed 24 bits", [](auto& h) { h.compression = 1; }},
        {"RLE4 of a 1-bit picture", [](auto& h) { h.compression = 2; h.bitCount = 1; }},
        {"8 bits", [](auto& h) { h.bitCount = 8; }},
        {"4 bits", [](auto& h) { h.bitCount = 4; }},
        {"32 bits", [](auto& h) { h.bitCount = 32; }},
        {"size field 108", [](auto& h) { h.size = 108; h.extraBytes = 68; }},
        {"negative width", [](auto& h) { h.width = -1; }},
        {"zero width", [](auto& h) { h.width = 0; h.bitCount = 1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bmp::InfoHeader h;
        h.height = 2;
        c.change(h);
        canvas = markedCanvas();
        EXPECT_EQ(draw(bmp::BmpBuilder().info(h).pixelData(bmp::Bytes(4200, 0x77)).build()), DrawOutcome::Drawn);
        expectUntouched();
    }
}

TEST_F(DrawBitmapFileTest, WrongSignatureIsReportedAndDrawsNothing)
{
    for (const auto& [first, second] : {std::pair{'b', 'm'}, {'B', 'A'}, {'M', 'B'}}) {
        EXPECT_EQ(draw(TestPicture{}.builder().type(first, second).build()), DrawOutcome::InvalidSignature);
        expectUntouched();
    }
    EXPECT_EQ(draw(bmp::Bytes{0x42}), DrawOutcome::InvalidSignature);
    expectUntouched();
}

TEST_F(DrawBitmapFileTest, FilesThatCannotBeOpenedAreReadFailures)
{
    EXPECT_EQ(Module1::DrawBitmapFile(dir.path("missing.bmp"), canvas), DrawOutcome::ReadFailure);
    EXPECT_FALSE(fs::exists(dir.path("missing.bmp")));
    EXPECT_EQ(Module1::DrawBitmapFile(dir.root().string(), canvas), DrawOutcome::ReadFailure);

#ifndef _WIN32  // no mode there keeps a file's owner from reading it
    const std::string file = dir.path("secret.bmp");
    ASSERT_TRUE(TestPicture{}.builder().writeTo(file));
    fs::permissions(file, fs::perms::none);
    {
        PermissionsBite bite;
        ASSERT_PERMISSIONS_BITE(bite);
        EXPECT_EQ(Module1::DrawBitmapFile(file, canvas), DrawOutcome::ReadFailure);
    }
#endif
    expectUntouched();
}

TEST_F(DrawBitmapFileTest, ReadOnlyPictureIsDrawnAndLeftAsItWas)
{
    const std::string file = dir.path("read only.bmp");
    const bmp::Bytes bytes = trueColourPicture({kRed, kGreen}).build();
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(file, bytes));
    fs::permissions(file, fs::perms::owner_read);
    {
        PermissionsBite bite;
        ASSERT_PERMISSIONS_BITE(bite);
        EXPECT_EQ(Module1::DrawBitmapFile(file, canvas), DrawOutcome::Drawn);
    }
    EXPECT_EQ(canvas.pixel(1, 0), kGreen);
    EXPECT_EQ(readAll(file), bytes);
    EXPECT_FALSE(heldOpen(file));
}

TEST_F(DrawBitmapFileTest, TopRowCutShortReadsZeros)
{
    std::vector<std::uint32_t> colours(CanvasImage::kWidth, kGreen);
    const bmp::Bytes whole = trueColourPicture(colours).build();
    // Keep the first 100 pixels of the top row and one byte of the next.
    const std::size_t topRow = whole.size() - bmp::rowLength(CanvasImage::kWidth, 24);
    ASSERT_EQ(draw({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(topRow + 301)}), DrawOutcome::Drawn);
    for (int x = 0; x < 100; ++x) ASSERT_EQ(canvas.pixel(x, 0), kGreen) << x;
    for (int x = 100; x < CanvasImage::kWidth; ++x) ASSERT_EQ(canvas.pixel(x, 0), kPureBlack) << x;

    canvas = markedCanvas();
    bmp::Bytes oneBitFile = TestPicture{1, 557, false, {kRed, kGreen}}.builder().build();
    oneBitFile.resize(oneBitFile.size() - 88 + 10);
    ASSERT_EQ(draw(oneBitFile), DrawOutcome::Drawn);
    for (int x = 0; x < 80; ++x)
        ASSERT_EQ(canvas.pixel(x, 0), TestPicture::bitAt(static_cast<std::size_t>(x), 556) ? kGreen : kRed) << x;
    for (int x = 80; x < CanvasImage::kWidth; ++x) ASSERT_EQ(canvas.pixel(x, 0), kRed) << x;
    EXPECT_TRUE(lowerRowsEqual(canvas, markedCanvas()));
}

TEST_F(DrawBitmapFileTest, HostileSizesAndOffsetsReadAsZeros)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t width, height;
        std::uint16_t bitCount;
        std::uint32_t offBits;
    } cases[] = {
        {kMax, kMax, 24, 0},       {kMax, kMin, 24, 0},      {kMax, 2, 24, 0xFFFFFFFFu}, {685, kMax, 24, 54},
        {685, kMin, 24, 54},       {685, 0, 24, 0},          {685, -557, 24, 54},        {kMax, kMax, 1, 0xFFFFFFFFu},
        {685, kMin + 1, 1, 54},    {685, 1, 24, 0xFFFFFFFFu}, {kMax, 1, 1, 0xFFFFFFF0u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << ", " << c.bitCount << " bits, at " << c.offBits);
        bmp::InfoHeader h;
        h.width = c.width;
        h.height = c.height;
        h.bitCount = c.bitCount;
        canvas = markedCanvas();
        const bmp::BmpBuilder file =
            bmp::BmpBuilder().info(h).colourTable({kRed, kGreen}).offBits(c.offBits).pixelData(bmp::Bytes(64, 0x99));
        ASSERT_EQ(draw(file.build()), DrawOutcome::Drawn);
        const Colour zero = c.bitCount == 1 ? kRed : kPureBlack;
        EXPECT_EQ(canvasRow(canvas, 0), std::vector<Colour>(CanvasImage::kWidth, zero));
        EXPECT_TRUE(lowerRowsEqual(canvas, markedCanvas()));
    }
}
