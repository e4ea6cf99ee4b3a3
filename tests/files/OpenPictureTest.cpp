#include "FilesTestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const std::string kRefusal = "BMP File Selected Can't Be\r\nUsed With This Program";

class OpenPictureTest : public FilesFixture {
protected:
    // The one message the last open showed, as a refusal of the program's own.
    void expectOneRefusal(const std::string& text)
    {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].title, kErrorTitle);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    }

    // A picture is open and painted on; what a failed open must leave alone.
    void openAndPaint()
    {
        openPicture(TestPicture{});
        canvas().setPixelV(100, 200, 0x00123456);
        platform.messages.clear();
        painted = pixelsOf(canvas());
    }

    void expectPaintingKept()
    {
        EXPECT_EQ(pixelsOf(canvas()), painted);
        EXPECT_EQ(form->PictureLoaded, 1);
        EXPECT_TRUE(window.saveEnabled);
    }

    void expectNothingOpened(const std::vector<Colour>& before)
    {
        EXPECT_EQ(pixelsOf(canvas()), before);
        EXPECT_EQ(form->PictureLoaded, 0);
        EXPECT_FALSE(window.saveEnabled);
    }

    std::vector<Colour> painted;
};

TEST_F(OpenPictureTest, DialogStartsInPicsWithNothingChosenEveryTime)
{
    platform.folder = dir.root() / "program";
    openPicture(TestPicture{}, "first.bmp");
    form->Command2_Click();  // cancelled
    EXPECT_FALSE(fs::exists(platform.folder));  // never created
    ASSERT_EQ(platform.dialogs.size(), 2u);
    for (const auto& d : platform.dialogs) {
        EXPECT_EQ(d.action, DialogAction::Open);
        EXPECT_EQ(d.state.initDir, platform.folder / "pics");
        EXPECT_TRUE(d.state.fileName.empty());
        EXPECT_EQ(d.state.dialogTitle, "Open Image [BMP] File");
        EXPECT_EQ(d.state.filter, "BMP Files|*.bmp|All Files|*.*");
        EXPECT_EQ(d.state.flags, kOfnHideReadOnly);
    }
}

TEST_F(OpenPictureTest, OpenButtonAndPressOnEmptyCanvasBothOpen)
{
    ASSERT_TRUE(writeFile(path("a.bmp"), TestPicture{}.bytes()));
    platform.answerFileDialog(path("a.bmp"));
    form->Picture1_MouseDown(1, 0, 58, 58);
    form->Picture1_MouseUp(1, 0, 58, 58);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Open);
    EXPECT_EQ(form->PictureLoaded, 1);
    EXPECT_EQ(window.refreshes, 1);

    // With a picture open a press paints instead; the button still opens.
    form->Picture1_MouseDown(1, 0, 58, 58);
    form->Picture1_MouseUp(1, 0, 58, 58);
    EXPECT_EQ(platform.dialogs.size(), 1u);
    form->Command2_Click();
    EXPECT_EQ(platform.dialogs.size(), 2u);
}

TEST_F(OpenPictureTest, CancelChangesNothing)
{
    const std::vector<Colour> blank = pixelsOf(canvas());
    form->Command2_Click();
    expectNothingOpened(blank);

    openAndPaint();
    form->Command2_Click();
    expectPaintingKept();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenPictureTest, RefusedFilesChangeNothing)
{
    const fs::path missing = path("missing.bmp");
    const fs::path empty = path("empty.bmp");
    const fs::path text = path("notes.txt");
    TestPicture tooWide;
    tooWide.width = 686;
    const fs::path wide = path("wide.bmp");
    ASSERT_TRUE(writeFile(text, std::string("Not a picture at all, only some words.")));
    ASSERT_TRUE(writeFile(wide, tooWide.bytes()));
    ASSERT_TRUE(writeFile(empty, std::string()));

    const std::vector<Colour> blank = pixelsOf(canvas());
    for (const fs::path& chosen : {missing, empty, text, wide}) {
        SCOPED_TRACE(chosen.string());
        platform.messages.clear();
        platform.answerFileDialog(chosen);
        form->Command2_Click();
        expectOneRefusal(kRefusal);
        expectNothingOpened(blank);
    }
    // A name that named nothing leaves nothing behind; an empty file goes.
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(fs::exists(empty));
    EXPECT_TRUE(fs::exists(text));

    openAndPaint();
    platform.answerFileDialog(text);
    form->Command2_Click();
    expectOneRefusal(kRefusal);
    expectPaintingKept();
}

TEST_F(OpenPictureTest, SecondOpenReplacesPictureAndPainting)
{
    openAndPaint();
    TestPicture second;
    second.value = [](int x, int y) { return rgbColour(255 - x, y, 90); };
    openPicture(second, "second.bmp");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(canvas().pixel(100, 200), second.loaded(100, 199));
    EXPECT_EQ(canvas().pixel(10, 0), second.topRow(10));
    EXPECT_EQ(form->PictureLoaded, 1);
    EXPECT_TRUE(window.saveEnabled);
}

// Each problem the loader reports has its own reason under the one heading.
TEST_F(OpenPictureTest, ProblemsAreShownAndThePaintingKept)
{
    openAndPaint();
    const fs::path folder = path("folder.bmp");
    ASSERT_TRUE(fs::create_directory(folder));  // empty, so a check that deletes empty files would remove it
    const fs::path pipe = path("pipe.bmp");
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)  // Windows and WebAssembly have no pipes in folders
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
#endif
    const fs::path damaged = path("damaged.bmp");
    bmp::Bytes cut = TestPicture{}.bytes();
    cut.pop_back();
    ASSERT_TRUE(writeFile(damaged, cut));
    const fs::path locked = path("locked.bmp");
    ASSERT_TRUE(writeFile(locked, TestPicture{}.bytes()));
    fs::permissions(locked, fs::perms::none);
    PermissionsBite guard;

    std::vector<std::pair<fs::path, std::string>> cases = {
        {folder, "The Name Chosen Is A Folder"},
        {damaged, "The File Is Damaged Or Incomplete"},
    };
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)  // nor can a file there be made unreadable to its owner
    cases.push_back({pipe, "The Name Chosen Is Not A File"});
    if (guard.works()) cases.push_back({locked, "The File Can't Be Read"});
#endif
    for (const auto& [chosen, reason] : cases) {
        SCOPED_TRACE(chosen.string());
        platform.messages.clear();
        platform.answerFileDialog(chosen);
        form->Command2_Click();
        expectOneRefusal("This Picture Can't Be Opened\r\n" + reason);
        expectPaintingKept();
    }
    // The check, which deletes empty files, never saw them.
    EXPECT_TRUE(fs::is_directory(folder));
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
    EXPECT_TRUE(fs::exists(pipe));
#endif
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";
}

}  // namespace
