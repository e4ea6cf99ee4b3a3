// The program's own loader against Qt's BMP reader, which opened pictures
// before it: every shipped picture and every accepted layout must decode to
// the same pixels.

#include "files/PictureLoader.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<Colour> qtDecoded(const fs::path& file)
{
    QImageReader reader(QString::fromStdString(file.string()), "bmp");
    QImage image;
    if (!reader.read(&image)) return {};
    image.convertTo(QImage::Format_RGBX8888);  // in memory the canvas's own 0x00BBGGRR
    std::vector<Colour> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const Colour*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) pixels.push_back(line[x] & 0x00FFFFFF);
    }
    return pixels;
}

void expectSameAsQt(const fs::path& file)
{
    const LoadedPicture loaded = loadPicture(file);
    ASSERT_EQ(loaded.problem, OpenProblem::None);
    const std::vector<Colour> reference = qtDecoded(file);
    ASSERT_FALSE(reference.empty());
    EXPECT_TRUE(loaded.pixels == reference);
}

TEST(LoaderOracle, ShippedPicturesDecodeAsQtReadsThem)
{
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(PINTARO_SOURCE_DIR) / "pics")) {
        if (entry.path().extension() != ".bmp") continue;
        SCOPED_TRACE(entry.path().string());
        expectSameAsQt(entry.path());
        ++pictures;
    }
    EXPECT_GE(pictures, 12);
}

TEST(LoaderOracle, AcceptedLayoutsDecodeAsQtReadsThem)
{
    TempDir dir;
    ASSERT_TRUE(dir.valid());
    for (const PictureLayout& layout : acceptedLayouts()) {
        SCOPED_TRACE(layout.name);
        const fs::path file = dir.root() / "picture.bmp";
        ASSERT_TRUE(bmp::BmpBuilder::writeFile(file.string(), layout.picture().bytes()));
        expectSameAsQt(file);
    }
}

}  // namespace
