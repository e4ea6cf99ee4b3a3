#include "CoreFilesSupport.h"

#include "bitmap/Module1.h"
#include "files/PictureLoader.h"
#include "support/PermissionsBite.h"

namespace {

class AcceptedLayoutTest : public FilesCoreTest, public ::testing::WithParamInterface<PictureLayout> {};

TEST_P(AcceptedLayoutTest, DecodesPixelForPixelAndOpensOneRowDownUnderItsTopRow)
{
    const TestPicture picture = GetParam().picture();
    const fs::path file = write("picture.bmp", picture.bytes());

    const LoadedPicture loaded = loadPicture(file);
    ASSERT_EQ(loaded.problem, OpenProblem::None);
    EXPECT_EQ(loaded.height, picture.height);
    EXPECT_TRUE(loaded.pixels == picture.decoded());  // every row, the bottom one of 557 too

    CanvasImage canvas = paintedCanvas();
    ASSERT_EQ(openPicture(file, canvas), OpenProblem::None);
    const std::vector<Colour> opened = pixelsOf(canvas);
    EXPECT_TRUE(opened == picture.openedCanvas());

    // Row 0 is what the top-row drawing paints from the same file.
    CanvasImage drawn(0x00010203);
    ASSERT_EQ(Module1::DrawBitmapFile(file, drawn), Module1::DrawOutcome::Drawn);
    const std::vector<Colour> drawnPixels = pixelsOf(drawn);
    EXPECT_TRUE(std::equal(opened.begin(), opened.begin() + CanvasImage::kWidth, drawnPixels.begin()));
}

INSTANTIATE_TEST_SUITE_P(Layouts, AcceptedLayoutTest, ::testing::ValuesIn(acceptedLayouts()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(FilesCoreTest, FieldsTheProgramIgnoresDoNotStopAPicture)
{
    TestPicture flat;
    flat.planes = 0;
    bmp::Bytes longSize = TestPicture{}.bytes();
    longSize[16] = 1;  // a size field of 65,576 is read as the 40-byte header
    bmp::Bytes odd = TestPicture{}.bytes();
    odd[2] = odd[3] = odd[4] = odd[5] = 0;  // bfSize
    odd[34] = odd[35] = 0xFF;                // biSizeImage
    odd.resize(odd.size() + 1000, 0x77);     // bytes past the last row
    bmp::Bytes later = TestPicture{}.bytes();
    later.insert(later.begin() + 54, 2056, 0x5A);  // a row of junk, and bfOffBits past it
    bmp::putLittleEndian(later, 10, 54 + 2056, 4);
    for (const auto& [what, bytes] : {std::pair{"no planes", flat.bytes()}, std::pair{"long size field", longSize},
                                      std::pair{"odd sizes and trailing bytes", odd},
                                      std::pair{"rows found through the offset alone", later}}) {
        SCOPED_TRACE(what);
        const LoadedPicture loaded = loadPicture(write("picture.bmp", bytes));
        ASSERT_EQ(loaded.problem, OpenProblem::None);
        EXPECT_TRUE(loaded.pixels == TestPicture{}.decoded());
    }
}

TEST_F(FilesCoreTest, DamagedPictureIsRefusedWholeAndLeavesTheCanvas)
{
    const bmp::Bytes whole = TestPicture{}.bytes();
    TestPicture mono;
    mono.bitCount = 1;
    mono.height = 556;
    TestPicture monoCore = mono;
    monoCore.headerSize = 12;
    const auto shortened = [](bmp::Bytes b, std::size_t by) {
        b.resize(b.size() - by);
        return b;
    };
    bmp::Bytes farOffset = whole;
    farOffset[11] = 0x10;  // pixel data said to start 4 KiB further on
    const std::vector<std::pair<const char*, bmp::Bytes>> damaged = {
        {"one byte short", shortened(whole, 1)},
        {"missing rows", shortened(whole, 2056 * 100)},
        {"1-bit one byte short", shortened(mono.bytes(), 1)},
        {"1-bit core header one byte short", shortened(monoCore.bytes(), 1)},
        {"headers only", bmp::Bytes(whole.begin(), whole.begin() + 54)},
        {"pixels beyond the end", farOffset},
    };
    const CanvasImage painted = paintedCanvas();
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        const fs::path file = write("damaged.bmp", bytes);
        CanvasImage canvas = painted;
        EXPECT_EQ(openPicture(file, canvas), OpenProblem::Damaged);
        EXPECT_TRUE(pixelsOf(canvas) == pixelsOf(painted));
        EXPECT_EQ(readAll(file), bytes);
    }
    // Changed after the check into something the program cannot colour.
    EXPECT_EQ(loadPicture(write("words.txt", {'n', 'o', 't', ' ', 'B', 'M'})).problem, OpenProblem::Damaged);
}

TEST_F(FilesCoreTest, ReadOnlyPictureOpensAndStaysAsItWas)
{
    const bmp::Bytes bytes = TestPicture{}.bytes();
    const fs::path file = write("readonly.bmp", bytes);
    fs::permissions(file, fs::perms::owner_read);
    PermissionsBite guard;
    CanvasImage canvas;
    EXPECT_EQ(openPicture(file, canvas), OpenProblem::None);
    EXPECT_EQ(readAll(file), bytes);
}

}  // namespace
