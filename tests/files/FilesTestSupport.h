#pragma once

#include "CoreFilesSupport.h"
#include "raster/CanvasImage.h"
#include "support/CanvasColours.h"
#ifndef _WIN32
#include "support/FileSizeLimit.h"
#endif
#include "support/FormFixture.h"
#include "support/PermissionsBite.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>


inline bool writeFile(const fs::path& path, const std::string& text)
{
    return bmp::BmpBuilder::writeFile(path.string(), bmp::Bytes(text.begin(), text.end()));
}

inline bool writeFile(const fs::path& path, const bmp::Bytes& bytes)
{
    return bmp::BmpBuilder::writeFile(path.string(), bytes);
}

// A started form and a temporary folder to put pictures in.
class FilesFixture : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(dir.valid());
        ASSERT_TRUE(start());
    }

    fs::path path(const std::string& name) const { return dir.root() / name; }

    // Writes the picture and opens it through the open button's dialog.
    void openPicture(const TestPicture& picture, const std::string& name = "picture.bmp")
    {
        ASSERT_TRUE(writeFile(path(name), picture.bytes()));
        platform.answerFileDialog(path(name));
        form->Command2_Click();
        ASSERT_EQ(form->PictureLoaded, 1);
    }

    CanvasImage& canvas() { return form->Picture1; }

    TempDir dir;
};
