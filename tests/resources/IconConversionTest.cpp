#include "Ico.h"
#include "Variants.h"
#include "Xpm.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>

namespace {

// The Windows build's icons are converted from the XPM files; Qt reads both
// formats on its own, so each side checks the other.
PixelArt readArt(const char* name)
{
    QFile file(QStringLiteral(PINTARO_SOURCE_DIR "/src/resources/icons/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    std::string error;
    std::optional<PixelArt> art = parseXpm(file.readAll().toStdString(), error);
    EXPECT_TRUE(art) << name << ": " << error;
    return art.value_or(PixelArt{});
}

QByteArray toIco(const std::vector<PixelArt>& arts)
{
    std::string error;
    const std::optional<std::vector<std::uint8_t>> ico = encodeIco({arts.begin(), arts.end()}, error);
    EXPECT_TRUE(ico) << error;
    return ico ? QByteArray(reinterpret_cast<const char*>(ico->data()), static_cast<int>(ico->size())) : QByteArray();
}

// Fully transparent pixels compare equal whatever colour a reader gives them.
void expectSamePixels(const QImage& expected, const QImage& actual, const char* name)
{
    ASSERT_EQ(actual.size(), expected.size()) << name;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            const QRgb a = actual.pixel(x, y);
            if (qAlpha(e) == 0 && qAlpha(a) == 0)
                continue;
            ASSERT_EQ(a, e) << name << " at " << x << "," << y;
        }
}

QImage xpmAsQtSeesIt(const char* name)
{
    return QImage(QStringLiteral(PINTARO_SOURCE_DIR "/src/resources/icons/") + name).convertToFormat(QImage::Format_ARGB32);
}

class IconConversion : public ::testing::TestWithParam<const char*> {};

TEST_P(IconConversion, DecodesToTheXpmPixelsAsOneFourBitImage)
{
    const PixelArt art = readArt(GetParam());
    const QByteArray ico = toIco({art});
    // The directory entry after the 6-byte file header: width, height, colours, ..., bits per pixel.
    ASSERT_GT(ico.size(), 22);
    EXPECT_EQ(ico[6], art.width);
    EXPECT_EQ(ico[6 + 2], 16);
    EXPECT_EQ(ico[6 + 6], 4);

    QBuffer buffer;
    buffer.setData(ico);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    expectSamePixels(xpmAsQtSeesIt(GetParam()), image, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Shipped, IconConversion,
                         ::testing::Values("window.xpm", "pencil.xpm", "bucket.xpm", "eraser.xpm", "eyedropper.xpm",
                                           "folder.xpm", "floppy.xpm"));

TEST(IconConversion, KeepsEverySizeOfAFileInOrder)
{
    const QByteArray ico = toIco({readArt("window.xpm"), readArt("folder.xpm")});
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    const char* names[] = {"window.xpm", "folder.xpm"};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        expectSamePixels(xpmAsQtSeesIt(names[i]), reader.read().convertToFormat(QImage::Format_ARGB32), names[i]);
    }
}

TEST(IconConversion, RefusesArtThatOverflowsSixteenColoursCountingBlackForTransparency)
{
    PixelArt art{17, 1, std::vector<std::uint32_t>(17, kTransparent)};
    for (std::uint32_t i = 0; i < 15; ++i)
        art.pixels[i] = 0xFF000001u + i;
    std::string error;
    EXPECT_TRUE(encodeIco({art}, error)) << error;
    art.pixels[15] = 0xFFFFFFFFu;
    EXPECT_FALSE(encodeIco({art}, error));
    EXPECT_FALSE(error.empty());
}

TEST(IconConversion, KeepsPngFilesWholeAtAnySizeUpTo256)
{
    std::vector<IconImage> images;
    std::vector<QImage> expected;
    for (int size : {24, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < size / 2; ++y)
            for (int x = y; x < size; ++x) image.setPixel(x, y, qRgb(255, x, y));
        QByteArray png;
        QBuffer out(&png);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && image.save(&out, "PNG"));
        images.push_back(PngImage{{png.begin(), png.end()}});
        expected.push_back(image);
    }
    std::string error;
    const std::optional<std::vector<std::uint8_t>> ico = encodeIco(images, error);
    ASSERT_TRUE(ico) << error;
    EXPECT_EQ((*ico)[6 + 16], 0);  // 256 is written as 0
    EXPECT_EQ((*ico)[6 + 16 + 6], 32);
    QBuffer buffer;
    buffer.setData(QByteArray(reinterpret_cast<const char*>(ico->data()), static_cast<int>(ico->size())));
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        expectSamePixels(expected[static_cast<std::size_t>(i)], reader.read().convertToFormat(QImage::Format_ARGB32),
                         "png");
    }

    images.push_back(PngImage{{'G', 'I', 'F', '8', '9', 'a'}});
    EXPECT_FALSE(encodeIco(images, error));
    EXPECT_EQ(error, "not a PNG file");
}

// A disabled button shows its icon greyed, not a grey square: the same
// transparent pixels, and the art's colours kept apart as greys, so its
// inner lines still show. The doubled art decodes as Qt enlarges the XPM.
TEST(IconConversion, GreyedArtKeepsTheShapeAndDoubledArtStaysSharp)
{
    const PixelArt art = readArt("floppy.xpm");
    const PixelArt grey = greyed(art);
    ASSERT_EQ(grey.pixels.size(), art.pixels.size());
    std::set<std::uint32_t> colours;
    std::set<std::uint32_t> greys;
    for (std::size_t i = 0; i < art.pixels.size(); ++i) {
        ASSERT_EQ(grey.pixels[i] == kTransparent, art.pixels[i] == kTransparent) << "pixel " << i;
        if (art.pixels[i] == kTransparent) continue;
        const QRgb g = grey.pixels[i];
        EXPECT_TRUE(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g) && qRed(g) >= 0x80) << "pixel " << i;
        colours.insert(art.pixels[i]);
        greys.insert(g);
    }
    EXPECT_EQ(greys.size(), colours.size());

    const QByteArray ico = toIco({grey, enlarged(grey, 2)});
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    ASSERT_TRUE(reader.jumpToImage(0));
    const QImage small = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(reader.jumpToImage(1));
    expectSamePixels(small.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                     reader.read().convertToFormat(QImage::Format_ARGB32), "floppy doubled");
}

} // namespace
