#include "CoreFilesSupport.h"

#include "bitmap/Module1.h"
#include "files/ArtworkSaver.h"
#include "files/PictureLoader.h"
#include "support/PermissionsBite.h"

#ifndef _WIN32
#include "support/FileSizeLimit.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <functional>
#include <optional>

#ifdef __EMSCRIPTEN__
// WebAssembly's C library names mounts but has none: the full disk skips itself.
extern "C" int mount(const char*, const char*, const char*, unsigned long, const void*) { return -1; }
extern "C" int umount2(const char*, int) { return -1; }
#endif

namespace {

const bmp::Bytes kOldBytes = {'a', 'n', ' ', 'e', 'a', 'r', 'l', 'i', 'e', 'r', ' ', 'd', 'r', 'a', 'w', 'i', 'n', 'g'};

std::uint32_t fieldAt(const bmp::Bytes& bytes, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | bytes.at(at + static_cast<std::size_t>(i));
    return v;
}

fs::perms permissionsOf(const fs::path& file) { return fs::status(file).permissions() & fs::perms::all; }

TEST_F(FilesCoreTest, SavedBitmapHoldsTheCanvasAndOpensAgain)
{
    const CanvasImage canvas = paintedCanvas();
    const fs::path file = dir.root() / "art.bmp";
    ASSERT_EQ(saveArtwork(canvas, file), SaveProblem::None);

    const bmp::Bytes bytes = readAll(file);
    ASSERT_EQ(bytes.size(), 54u + 2056u * 557u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    const std::vector<std::tuple<std::size_t, int, std::uint32_t, const char*>> fields = {
        {2, 4, 54 + 2056 * 557, "bfSize"}, {6, 4, 0, "reserved"},        {10, 4, 54, "bfOffBits"},
        {14, 4, 40, "biSize"},             {18, 4, 685, "biWidth"},      {22, 4, 557, "biHeight"},
        {26, 2, 1, "biPlanes"},            {28, 2, 24, "biBitCount"},    {30, 4, 0, "biCompression"},
        {34, 4, 2056 * 557, "biSizeImage"}, {38, 4, 3937, "biXPelsPerMeter"}, {42, 4, 3937, "biYPelsPerMeter"},
        {46, 4, 0, "biClrUsed"},           {50, 4, 0, "biClrImportant"},
    };
    for (const auto& [at, size, value, name] : fields) EXPECT_EQ(fieldAt(bytes, at, size), value) << name;
    for (std::size_t row = 0; row < 557; ++row) ASSERT_EQ(bytes[54 + row * 2056 + 2055], 0) << "padding, row " << row;

    EXPECT_FALSE(Module1::CheckBitmapFile(file));
    const LoadedPicture loaded = loadPicture(file);
    ASSERT_EQ(loaded.problem, OpenProblem::None);
    EXPECT_TRUE(loaded.pixels == pixelsOf(canvas));
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)  // whose umask is its own, not the system's
    // A new file gets the permissions any new file would.
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(permissionsOf(file), static_cast<fs::perms>(0666 & ~mask));
#endif
}

TEST_F(FilesCoreTest, ReplacedFileKeepsItsPermissionsAndLinksTheirTarget)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no permission bits beyond read-only, and making links there takes a privilege";
#endif
    const CanvasImage canvas = paintedCanvas();
    const fs::path kept = write("kept.bmp", kOldBytes);
    fs::permissions(kept, static_cast<fs::perms>(0604));
    ASSERT_EQ(saveArtwork(canvas, kept), SaveProblem::None);
    EXPECT_EQ(permissionsOf(kept), static_cast<fs::perms>(0604));
    EXPECT_EQ(readAll(kept).size(), 54u + 2056u * 557u);

    // Two relative links in a row, the last into another folder.
    ASSERT_TRUE(fs::create_directory(dir.root() / "art"));
    const fs::path target = write("art/target.bmp", kOldBytes);
    fs::create_symlink("art/target.bmp", dir.root() / "inner.bmp");
    fs::create_symlink("inner.bmp", dir.root() / "outer.bmp");
    ASSERT_EQ(saveArtwork(canvas, dir.root() / "outer.bmp"), SaveProblem::None);
    EXPECT_TRUE(fs::is_symlink(dir.root() / "outer.bmp"));
    EXPECT_TRUE(fs::is_symlink(dir.root() / "inner.bmp"));
    EXPECT_TRUE(loadPicture(target).pixels == pixelsOf(canvas));
    EXPECT_EQ(entriesOf(dir.root() / "art"), std::vector<std::string>{"target.bmp"});
}

// A save that fails at any step leaves the old file byte for byte and no
// temporary file beside it.
struct FailedSave {
    const char* name;
    SaveProblem problem;
    // Readies the folder around old.bmp; says why the case cannot run here, if it cannot.
    std::function<std::optional<std::string>(const fs::path& folder, const fs::path& file)> arrange;
    bool limitFileSize = false;
};

void PrintTo(const FailedSave& save, std::ostream* out) { *out << save.name; }

class FailedSaveTest : public FilesCoreTest, public ::testing::WithParamInterface<FailedSave> {};

TEST_P(FailedSaveTest, LeavesTheOldFileAndNoTemporary)
{
    const fs::path folder = dir.root() / "art";
    const fs::path file = folder / "old.bmp";
    ASSERT_TRUE(fs::create_directory(folder));
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(file.string(), kOldBytes));
#ifndef _WIN32
    struct Unmount {
        fs::path at;
        ~Unmount() { umount2(at.c_str(), MNT_DETACH); }  // fails harmlessly where nothing is mounted
    } unmount{folder};
#endif
    if (const auto cannot = GetParam().arrange(folder, file)) GTEST_SKIP() << *cannot;
    PermissionsBite guard;
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";

#ifdef _WIN32
    EXPECT_EQ(saveArtwork(paintedCanvas(), file), GetParam().problem);
#else
    std::optional<FileSizeLimit> limit;
    if (GetParam().limitFileSize) limit.emplace(100000);
    EXPECT_EQ(saveArtwork(paintedCanvas(), file), GetParam().problem);
    limit.reset();
#endif
    EXPECT_EQ(readAll(file), kOldBytes);
    EXPECT_EQ(entriesOf(folder), std::vector<std::string>{"old.bmp"});
}

#ifndef _WIN32
std::optional<std::string> nothingToArrange(const fs::path&, const fs::path&) { return std::nullopt; }
#endif

// The steps a save can fail at. Windows has no read-only folders that refuse
// new files, no limit on file sizes, no small disk to mount and no giving a
// file away, so there only the read-only file remains.
std::vector<FailedSave> failedSaves()
{
    std::vector<FailedSave> saves = {
        // Refused before anything is written, though the folder would let a new file in.
        FailedSave{"ReadOnlyFile", SaveProblem::NotWritable,
                   [](const fs::path&, const fs::path& file) -> std::optional<std::string> {
                       fs::permissions(file, fs::perms::owner_read);
                       return std::nullopt;
                   }},
    };
#ifndef _WIN32
    const std::vector<FailedSave> posixOnly = {
        // The temporary file cannot be created beside a file that may be written.
        FailedSave{"LockedFolder", SaveProblem::NotWritable,
                   [](const fs::path& folder, const fs::path&) -> std::optional<std::string> {
                       fs::permissions(folder, static_cast<fs::perms>(0555));
                       return std::nullopt;
                   }},
        // Writing stops part way.
        FailedSave{"FileSizeLimit", SaveProblem::WriteFailed, nothingToArrange, true},
        FailedSave{"FullDisk", SaveProblem::WriteFailed,
                   [](const fs::path& folder, const fs::path& file) -> std::optional<std::string> {
                       if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=512k") != 0)
                           return "no privilege to mount a small disk to fill";
                       bmp::BmpBuilder::writeFile(file.string(), kOldBytes);
                       return std::nullopt;
                   }},
        // The rename is refused: in a shared folder only a file's owner may replace it,
        // though anyone may write it and add files beside it.
        FailedSave{"SomeoneElsesFileInASharedFolder", SaveProblem::NotWritable,
                   [](const fs::path& folder, const fs::path& file) -> std::optional<std::string> {
                       if (chown(file.c_str(), 65534, 65534) != 0 || chown(folder.c_str(), 65534, 65534) != 0)
                           return "no privilege to give the file to another user";
                       fs::permissions(file, static_cast<fs::perms>(0666));
                       fs::permissions(folder, static_cast<fs::perms>(01777));
                       return std::nullopt;
                   }},
    };
    saves.insert(saves.end(), posixOnly.begin(), posixOnly.end());
#endif
    return saves;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedSaveTest, ::testing::ValuesIn(failedSaves()),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
