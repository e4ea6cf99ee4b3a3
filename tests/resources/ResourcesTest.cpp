#include "qt/ResourceArt.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kDarkGrey = qRgb(128, 128, 128);
const QRgb kLightGrey = qRgb(192, 192, 192);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kRed = qRgb(255, 0, 0);

struct IconCase {
    const char* path;
    int size;
    QSet<QRgb> colours; // every opaque colour the icon is drawn in
    QRect drawnWithin;
};

// The buttons are 25 pixels high, so a 32 by 32 icon centred in one shows
// rows 4 to 27 only; keeping the art well inside leaves margin for the frame.
const QRect kButtonArt(8, 9, 19, 16);

std::ostream& operator<<(std::ostream& os, const IconCase& c) { return os << c.path; }

class IconTest : public ::testing::TestWithParam<IconCase> {};

QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST_P(IconTest, LoadsAtItsSizeInItsColoursWithATransparentMargin)
{
    const IconCase& c = GetParam();
    const QImage image = QImage(QString::fromLatin1(c.path)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << "not compiled in or not a valid XPM";
    EXPECT_EQ(image.size(), QSize(c.size, c.size));
    // The program reads it as its array: the same pixels.
    EXPECT_EQ(resourceImage(QString::fromLatin1(c.path)).convertToFormat(QImage::Format_ARGB32), image);

    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            EXPECT_EQ(qAlpha(p), 255) << "half-transparent pixel at " << x << "," << y;
            used.insert(p | 0xFF000000u);
        }
    EXPECT_EQ(used, c.colours);
    // Transparency takes one of the sixteen colours.
    EXPECT_LE(used.size() + 1, 16);

    const int last = c.size - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();

    const QRect bounds = opaqueBounds(image);
    EXPECT_TRUE(c.drawnWithin.contains(bounds))
        << "drawn part spans columns " << bounds.left() << "-" << bounds.right() << ", rows " << bounds.top() << "-"
        << bounds.bottom();
}

INSTANTIATE_TEST_SUITE_P(
    Resources, IconTest,
    ::testing::Values(IconCase{":/icons/window.xpm", 16, {kYellow, kRed}, QRect(0, 0, 16, 16)},
                      IconCase{":/icons/pencil.xpm", 32, {kBlack, kWhite}, kButtonArt},
                      IconCase{":/icons/bucket.xpm", 32, {kBlack, kWhite}, kButtonArt},
                      IconCase{":/icons/eraser.xpm", 32, {kBlack, kWhite}, kButtonArt},
                      IconCase{":/icons/eyedropper.xpm", 32, {kBlack, kWhite}, kButtonArt},
                      IconCase{":/icons/folder.xpm", 32, {kBlack, kDarkGrey, kLightGrey, kYellow, kWhite}, kButtonArt},
                      IconCase{":/icons/floppy.xpm", 32, {kBlack, kOlive, kLightGrey}, kButtonArt}));

TEST(WindowIcon, IsAYellowLetterEdgedInRed)
{
    const QImage image = QImage(":/icons/window.xpm").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull());
    // Every yellow pixel is enclosed: its four neighbours are yellow or red,
    // never transparent, so the letter keeps its outline on any background.
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) != kYellow || qAlpha(image.pixel(x, y)) == 0)
                continue;
            ++yellow;
            for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                ASSERT_TRUE(image.rect().contains(n));
                EXPECT_NE(qAlpha(image.pixel(n)), 0) << "yellow at " << x << "," << y << " touches the background";
            }
        }
    EXPECT_GT(yellow, 20);
}

// ---- the About bitmaps: their headers are read as bytes, since QImage does
// not report the file's bit depth or palette length.

struct BmpHeader {
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
};

std::uint32_t le(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

bool readHeader(const char* path, BmpHeader& h)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = file.readAll();
    if (b.size() < 54 || !b.startsWith("BM") || le(b, 2, 4) != static_cast<std::uint32_t>(b.size()))
        return false;
    h.infoSize = le(b, 14, 4);
    h.width = static_cast<std::int32_t>(le(b, 18, 4));
    h.height = static_cast<std::int32_t>(le(b, 22, 4));
    h.bitsPerPixel = static_cast<std::uint16_t>(le(b, 28, 2));
    h.compression = le(b, 30, 4);
    h.coloursUsed = le(b, 46, 4);
    return true;
}

QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(AboutLogo, IsA300By134EightBitBitmapWith33Colours)
{
    BmpHeader h;
    ASSERT_TRUE(readHeader(":/about/logo.bmp", h));
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_EQ(h.width, 300);
    EXPECT_EQ(h.height, 134); // positive: rows stored bottom-up
    EXPECT_EQ(h.bitsPerPixel, 8);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.coloursUsed, 33u);

    const QImage image(":/about/logo.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300, 134));
    EXPECT_EQ(image.colorCount(), 33);
}

TEST(AboutLogo, IsBlueOnWhiteWithinItsDrawnArea)
{
    const QImage image = QImage(":/about/logo.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    const QRect bounds = inkBounds(image);
    EXPECT_EQ(bounds, QRect(QPoint(9, 7), QPoint(286, 127)));
    int solid = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.rgb() == kWhite)
                continue;
            EXPECT_TRUE(c.blue() > c.red() && c.blue() > c.green()) << "not blue at " << x << "," << y;
            if (c.blue() - c.red() > 100)
                ++solid;
        }
    // The big word alone covers thousands of pixels in full colour.
    EXPECT_GT(solid, 5000);
}

TEST(AboutLogo, WordHasAlternatingStreaks)
{
    const QImage image = QImage(":/about/logo.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    // Down the middle of the T's stem the rows switch between two blues.
    const int stemX = 9 + 19;
    QSet<QRgb> shades;
    int changes = 0;
    for (int y = 20; y < 50; ++y) {
        shades.insert(image.pixel(stemX, y));
        if (image.pixel(stemX, y) != image.pixel(stemX, y + 1))
            ++changes;
    }
    EXPECT_EQ(shades.size(), 2);
    EXPECT_GE(changes, 10);
}

TEST(AboutMaker, IsA267By30FourBitBitmapInGreys)
{
    BmpHeader h;
    ASSERT_TRUE(readHeader(":/about/maker.bmp", h));
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_EQ(h.width, 267);
    EXPECT_EQ(h.height, 30);
    EXPECT_EQ(h.bitsPerPixel, 4);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_LE(h.coloursUsed, 16u);

    const QImage image = QImage(":/about/maker.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(267, 30));
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << "not grey at " << x << "," << y;
            if (c.rgb() == kBlack)
                ++black;
        }
    EXPECT_GT(black, 300);
    // One line of text, clear of every edge.
    const QRect bounds = inkBounds(image);
    EXPECT_TRUE(QRect(1, 1, 265, 28).contains(bounds));
}

} // namespace
