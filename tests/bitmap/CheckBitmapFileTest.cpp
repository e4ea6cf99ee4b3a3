#include "bitmap/Module1.h"

#include "BitmapTestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <functional>
#include <future>
#include <thread>

using namespace bitmaptest;

namespace {

bmp::BmpBuilder info(std::function<void(bmp::InfoHeader&)> change = {})
{
    bmp::InfoHeader h;
    if (change) change(h);
    return bmp::BmpBuilder().info(h).pixelData(bmp::Bytes(64, 0));
}

bmp::BmpBuilder core(std::int16_t width, std::int16_t height, std::uint16_t bitCount, std::uint32_t size = 12)
{
    return bmp::BmpBuilder().core({size, width, height, 1, bitCount}).pixelData(bmp::Bytes(64, 0));
}

struct CheckCase {
    const char* name;
    bmp::Bytes bytes;
    bool refused;
};

class CheckBitmapFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.valid()); }

    bool check(const bmp::Bytes& bytes, const std::string& name = "picture.bmp")
    {
        const std::string file = dir.path(name);
        EXPECT_TRUE(bmp::BmpBuilder::writeFile(file, bytes));
        return Module1::CheckBitmapFile(file);
    }

    TempDir dir;
};

}  // namespace

TEST_F(CheckBitmapFileTest, HeadersAcceptedAndRefused)
{
    const CheckCase cases[] = {
        {"info 685x557 24", info().build(), false},
        {"info 685x556 24", info([](auto& h) { h.height = 556; }).build(), false},
        {"info 685x557 1", info([](auto& h) { h.bitCount = 1; }).build(), false},
        {"info height 555", info([](auto& h) { h.height = 555; }).build(), true},
        {"info height 558", info([](auto& h) { h.height = 558; }).build(), true},
        {"info top-down -557", info([](auto& h) { h.height = -557; }).build(), true},
        {"info width 684", info([](auto& h) { h.width = 684; }).build(), true},
        {"info width 686", info([](auto& h) { h.width = 686; }).build(), true},
        {"info width -685", info([](auto& h) { h.width = -685; }).build(), true},
        {"info width 685 + 65536", info([](auto& h) { h.width = 685 + 65536; }).build(), true},
        {"info bit count 0", info([](auto& h) { h.bitCount = 0; }).build(), true},
        {"info bit count 4", info([](auto& h) { h.bitCount = 4; }).build(), true},
        {"info bit count 8", info([](auto& h) { h.bitCount = 8; }).build(), true},
        {"info bit count 16", info([](auto& h) { h.bitCount = 16; }).build(), true},
        {"info bit count 32", info([](auto& h) { h.bitCount = 32; }).build(), true},
        {"info RLE8", info([](auto& h) { h.compression = 1; }).build(), true},
        {"info RLE4", info([](auto& h) { h.compression = 2; h.bitCount = 1; }).build(), true},
        {"info bit fields", info([](auto& h) { h.compression = 3; }).build(), true},
        {"info 1-bit planes ignored", info([](auto& h) { h.bitCount = 1; h.planes = 9; }).build(), false},
        {"size field 108", info([](auto& h) { h.size = 108; h.extraBytes = 68; }).build(), true},
        {"size field 124", info([](auto& h) { h.size = 124; h.extraBytes = 84; }).build(), true},
        {"size field 65576", info([](auto& h) { h.size = 65536 + 40; }).build(), false},
        {"size field 41", info([](auto& h) { h.size = 41; }).build(), true},
        {"core 685x557 1", core(685, 557, 1).build(), false},
        {"core 685x556 24", core(685, 556, 24).build(), false},
        {"core 685x557 8", core(685, 557, 8).build(), true},
        {"core top-down -557", core(685, -557, 1).build(), true},
        {"core width 684", core(684, 557, 1).build(), true},
        {"core size field 65548", core(685, 557, 24, 65536 + 12).build(), false},
        {"offset and file size ignored", info().offBits(0xFFFFFFFFu).fileSize(1).build(), false},
        {"no rows at all", bmp::BmpBuilder().info({}).build(), false},
        {"bm", info().type('b', 'm').build(), true},
        {"BA", info().type('B', 'A').build(), true},
        {"MB", info().type('M', 'B').build(), true},
        {"14 bytes of BM", info().truncateTo(14).build(), true},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(check(c.bytes), c.refused) << c.name;
}

TEST_F(CheckBitmapFileTest, ShortFilesReadZeroPastTheirEnd)
{
    // biWidth 685 fits its low two bytes, and biHeight 557 likewise, so cuts
    // inside those fields still pass them; the missing compression reads 0.
    const bmp::Bytes whole = info([](auto& h) { h.compression = 1; }).build();
    const struct {
        std::size_t length;
        bool refused;
    } cases[] = {{1, true},   {2, true},   {13, true},  {15, true},  {17, true},  {20, true},
                 {21, true},  {25, true},  {28, true},  {29, false}, {30, false}, {31, true}, {53, true}};
    for (const auto& c : cases)
        EXPECT_EQ(check({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(c.length)}), c.refused)
            << c.length;

    const bmp::Bytes coreFile = core(685, 557, 1).build();
    EXPECT_TRUE(check({coreFile.begin(), coreFile.begin() + 24}));
    EXPECT_FALSE(check({coreFile.begin(), coreFile.begin() + 25}));
}

TEST_F(CheckBitmapFileTest, MissingPathIsRefusedAndNothingIsCreated)
{
    const std::string missing = dir.path("no such picture.bmp");
    EXPECT_TRUE(Module1::CheckBitmapFile(missing));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(Module1::CheckBitmapFile(dir.path("no folder/picture.bmp")));
    EXPECT_FALSE(fs::exists(dir.path("no folder")));
    EXPECT_TRUE(Module1::CheckBitmapFile(""));
}

TEST_F(CheckBitmapFileTest, EmptyFileIsRefusedAndDeleted)
{
    EXPECT_TRUE(check({}, "empty.bmp"));
    EXPECT_FALSE(fs::exists(dir.path("empty.bmp")));
}

TEST_F(CheckBitmapFileTest, EmptyFileThatCannotBeDeletedIsStillRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "a folder's read-only attribute does not keep its files from being deleted on Windows";
#endif
    fs::create_directory(dir.path("locked"));
    const std::string file = dir.path("locked/empty.bmp");
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(file, {}));
    fs::permissions(dir.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    {
        PermissionsBite bite;
        ASSERT_PERMISSIONS_BITE(bite);
        EXPECT_TRUE(Module1::CheckBitmapFile(file));
    }
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(CheckBitmapFileTest, FoldersAndPipesAreRefusedUntouched)
{
    const std::string folder = dir.path("folder.bmp");
    fs::create_directory(folder);
    EXPECT_TRUE(Module1::CheckBitmapFile(folder));
    EXPECT_TRUE(fs::is_directory(folder));

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)  // Windows and WebAssembly have no pipes in folders
    // Opening a pipe would wait for a writer that never comes.
    const std::string pipe = dir.path("pipe.bmp");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    auto answer = std::async(std::launch::async, [&] { return Module1::CheckBitmapFile(pipe); });
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(answer.get());
    EXPECT_TRUE(fs::is_fifo(pipe));
#endif
}

TEST_F(CheckBitmapFileTest, ReadOnlyPictureOpensAndStaysAsItWas)
{
    const std::string file = dir.path("read only.bmp");
    const bmp::Bytes bytes = info([](auto& h) { h.bitCount = 1; }).build();
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(file, bytes));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto stamp = fs::last_write_time(file);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    {
        // As root the mode alone would let a read-write open through.
        PermissionsBite bite;
        ASSERT_PERMISSIONS_BITE(bite);
        EXPECT_FALSE(Module1::CheckBitmapFile(file));
    }
    EXPECT_FALSE(Module1::CheckBitmapFile(file));
    EXPECT_EQ(fs::last_write_time(file), stamp);
    EXPECT_EQ(readAll(file), bytes);
}

TEST_F(CheckBitmapFileTest, UnreadableFileIsRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no mode that keeps their owner from reading them";
#endif
    const std::string file = dir.path("secret.bmp");
    ASSERT_TRUE(info().writeTo(file));
    fs::permissions(file, fs::perms::none);
    PermissionsBite bite;
    ASSERT_PERMISSIONS_BITE(bite);
    EXPECT_TRUE(Module1::CheckBitmapFile(file));
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(CheckBitmapFileTest, LeavesNoFileOpen)
{
    EXPECT_FALSE(check(info().build(), "good.bmp"));
    EXPECT_TRUE(check(info().type('b', 'm').build(), "bad signature.bmp"));
    EXPECT_TRUE(check(info([](auto& h) { h.width = 1; }).build(), "narrow.bmp"));
    for (const char* name : {"good.bmp", "bad signature.bmp", "narrow.bmp"}) EXPECT_FALSE(heldOpen(dir.path(name))) << name;
    // Accepted, then at once opened again and removed.
    EXPECT_FALSE(Module1::CheckBitmapFile(dir.path("good.bmp")));
    EXPECT_TRUE(fs::remove(dir.path("good.bmp")));
}
