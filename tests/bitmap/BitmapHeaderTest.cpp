#include "bitmap/BitmapHeader.h"

#include "../support/BmpBuilder.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Module1;

namespace {

BitmapHeader headerOf(const bmp::Bytes& bytes) { return readBitmapHeader(bytes.data(), bytes.size()); }

}  // namespace

TEST(BitmapHeader, SignatureIsExactlyUpperCaseBM)
{
    EXPECT_TRUE(headerOf(bmp::BmpBuilder().build()).signatureMatches);
    for (const auto& [first, second] : {std::pair{'b', 'm'}, {'B', 'A'}, {'M', 'B'}, {'B', 'm'}, {'b', 'M'}})
        EXPECT_FALSE(headerOf(bmp::BmpBuilder().type(first, second).build()).signatureMatches) << first << second;
    const std::uint8_t justB[] = {0x42};
    EXPECT_FALSE(readBitmapHeader(justB, 1).signatureMatches);
    EXPECT_FALSE(readBitmapHeader(nullptr, 0).signatureMatches);
}

TEST(BitmapHeader, InfoHeaderFieldsAreSigned32Bit)
{
    bmp::InfoHeader info;
    info.width = -685;
    info.height = std::numeric_limits<std::int32_t>::min();
    info.bitCount = 0xFFFF;
    info.compression = 0x80000001u;
    const BitmapHeader h = headerOf(bmp::BmpBuilder().info(info).offBits(0xFEDCBA98u).build());
    EXPECT_TRUE(h.isInfoHeader());
    EXPECT_EQ(h.headerSize(), 40u);
    EXPECT_EQ(h.offBits, 0xFEDCBA98u);
    EXPECT_EQ(h.width, -685);
    EXPECT_EQ(h.height, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(h.bitCount, std::optional<std::uint16_t>(0xFFFF));
    EXPECT_EQ(h.compression, std::optional<std::uint32_t>(0x80000001u));
}

TEST(BitmapHeader, CoreHeaderWidensSigned16BitSizesAndHasNoCompression)
{
    const struct {
        std::int16_t width, height;
    } cases[] = {{685, 557}, {-1, -557}, {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()}};
    for (const auto& c : cases) {
        const BitmapHeader h = headerOf(bmp::BmpBuilder().core({12, c.width, c.height, 1, 24}).build());
        EXPECT_TRUE(h.isCoreHeader());
        EXPECT_EQ(h.headerSize(), 12u);
        EXPECT_EQ(h.width, c.width);
        EXPECT_EQ(h.height, c.height);
        EXPECT_EQ(h.bitCount, std::optional<std::uint16_t>(24));
        EXPECT_EQ(h.compression, std::optional<std::uint32_t>(0));
    }
}

TEST(BitmapHeader, OnlyTheLowHalfOfTheSizeFieldSelects)
{
    bmp::InfoHeader info;
    info.size = 65536 + 40;
    BitmapHeader h = headerOf(bmp::BmpBuilder().info(info).build());
    EXPECT_TRUE(h.isInfoHeader());
    EXPECT_EQ(h.width, 685);
    EXPECT_EQ(h.height, 557);

    h = headerOf(bmp::BmpBuilder().core({65536 + 12, 685, 556, 1, 1}).build());
    EXPECT_TRUE(h.isCoreHeader());
    EXPECT_EQ(h.height, 556);

    for (const std::uint32_t size : {0u, 11u, 13u, 39u, 41u, 64u, 108u, 124u, 65536u}) {
        info.size = size;
        h = headerOf(bmp::BmpBuilder().info(info).build());
        EXPECT_EQ(h.headerSize(), 0u) << size;
        EXPECT_EQ(h.width, 0) << size;
        EXPECT_EQ(h.height, 0) << size;
        EXPECT_FALSE(h.bitCount.has_value()) << size;
        EXPECT_FALSE(h.compression.has_value()) << size;
    }
}

TEST(BitmapHeader, UnsetComparesEqualToZeroOnly)
{
    const std::optional<std::uint32_t> unset;
    EXPECT_TRUE(comparesEqual(unset, 0u));
    EXPECT_FALSE(comparesEqual(unset, 1u));
    EXPECT_TRUE(comparesEqual(std::optional<std::uint32_t>(0u), 0u));
    EXPECT_FALSE(comparesEqual(std::optional<std::uint32_t>(2u), 0u));
}

TEST(BitmapHeader, BytesPastTheEndReadAsZero)
{
    bmp::InfoHeader info;
    info.width = 0x12345678;
    info.height = 557;
    info.compression = 7;
    const bmp::Bytes whole = bmp::BmpBuilder().info(info).offBits(0x44332211u).build();

    // Cut inside bfOffBits, then inside biWidth, then inside biCompression.
    BitmapHeader h = readBitmapHeader(whole.data(), 12);
    EXPECT_EQ(h.offBits, 0x2211u);
    EXPECT_EQ(h.headerSize(), 0u);

    h = readBitmapHeader(whole.data(), 20);
    EXPECT_TRUE(h.isInfoHeader());
    EXPECT_EQ(h.width, 0x5678);
    EXPECT_EQ(h.height, 0);
    EXPECT_EQ(h.bitCount, std::optional<std::uint16_t>(0));
    EXPECT_EQ(h.compression, std::optional<std::uint32_t>(0));

    h = readBitmapHeader(whole.data(), 31);
    EXPECT_EQ(h.height, 557);
    EXPECT_EQ(h.bitCount, std::optional<std::uint16_t>(24));
    EXPECT_EQ(h.compression, std::optional<std::uint32_t>(7));
    EXPECT_EQ(readBitmapHeader(whole.data(), 30).compression, std::optional<std::uint32_t>(0));

    // A longer buffer is read only as far as the info header goes.
    bmp::Bytes longer = whole;
    longer.resize(4096, 0xFF);
    EXPECT_EQ(headerOf(longer).compression, std::optional<std::uint32_t>(7));
}

TEST(BitmapRowLength, WholeFourByteUnits)
{
    const std::optional<std::uint16_t> one = 1, twentyFour = 24;
    const struct {
        std::int32_t width;
        std::int64_t oneBit, trueColour;
    } cases[] = {{1, 4, 4},   {4, 4, 12},   {7, 4, 24},   {8, 4, 24},    {9, 4, 28},    {15, 4, 48},
                 {16, 4, 48}, {17, 4, 52},  {31, 4, 96},  {32, 4, 96},   {33, 8, 100},  {685, 88, 2056},
                 {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(bitmapRowLength(c.width, one), c.oneBit) << c.width;
        EXPECT_EQ(bitmapRowLength(c.width, twentyFour), c.trueColour) << c.width;
    }
    // Every bit count but 1 takes three bytes a pixel, unset included.
    EXPECT_EQ(bitmapRowLength(685, std::optional<std::uint16_t>(8)), 2056);
    EXPECT_EQ(bitmapRowLength(685, std::nullopt), 2056);
    EXPECT_EQ(bitmapRowLength(std::numeric_limits<std::int32_t>::max(), twentyFour), 6442450944);
    for (const std::int32_t width : {-1, -33, -685, std::numeric_limits<std::int32_t>::min()})
        EXPECT_LE(bitmapRowLength(width, one), 0) << width;
}

TEST(TopRowPosition, LastStoredRow)
{
    BitmapHeader h;
    h.offBits = 54;
    const struct {
        std::int32_t height;
        std::int64_t rowLength, offset;
    } cases[] = {{557, 2056, 1143136}, {556, 2056, 1141080}, {557, 88, 48928}, {556, 88, 48840}, {1, 88, 0}};
    for (const auto& c : cases) {
        h.height = c.height;
        EXPECT_EQ(topRowPosition(h, c.rowLength), std::optional<std::int64_t>(54 + c.offset)) << c.height;
    }
}

TEST(TopRowPosition, BeforeTheStartOrBeyondAnyPositionIsNone)
{
    BitmapHeader h;
    h.offBits = 54;
    h.height = 0;
    EXPECT_FALSE(topRowPosition(h, 88));
    EXPECT_EQ(topRowPosition(h, 54), std::optional<std::int64_t>(0));
    h.height = -557;
    EXPECT_FALSE(topRowPosition(h, 2056));
    h.height = std::numeric_limits<std::int32_t>::min();
    EXPECT_FALSE(topRowPosition(h, 6442450944));
    h.height = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(topRowPosition(h, 6442450944));
    h.offBits = 0xFFFFFFFFu;
    h.height = 1;
    EXPECT_EQ(topRowPosition(h, 2056), std::optional<std::int64_t>(0xFFFFFFFFu));
    h.height = 2;
    EXPECT_FALSE(topRowPosition(h, std::numeric_limits<std::int64_t>::max()));
}
