#pragma once

#include "raster/CanvasImage.h"
#include "support/BmpBuilder.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A canvas already painted on, so a failed open or save that touched it shows.
inline CanvasImage paintedCanvas()
{
    CanvasImage canvas(0x00D0E0F0);
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x)
            if ((x * 7 + y * 13) % 29 == 0) canvas.setPixelV(x, y, rgbColour(x, y, x ^ y));
    return canvas;
}

// Names in a folder, sorted: what a failed save must not add to.
inline std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FilesCoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.valid()); }

    fs::path write(const std::string& name, const bmp::Bytes& bytes)
    {
        const fs::path file = dir.root() / name;
        EXPECT_TRUE(bmp::BmpBuilder::writeFile(file.string(), bytes));
        return file;
    }

    TempDir dir;
};
