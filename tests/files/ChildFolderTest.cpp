#include "FilesTestSupport.h"

#include "files/ChildFolder.h"

namespace {

constexpr fs::perms kReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec;

// The Save dialog of a form with a picture open, cancelled each time.
class ChildFolderTest : public FilesFixture {
protected:
    void SetUp() override
    {
        FilesFixture::SetUp();
        if (HasFatalFailure()) return;
        platform.folder = path("program");
        platform.pictures = path("home") / "Pictures";
        ASSERT_TRUE(fs::create_directories(mypics()));
        ASSERT_TRUE(fs::create_directory(path("home")));
        openPicture(TestPicture{});
        platform.messages.clear();
    }

    fs::path mypics() const { return platform.folder / "pics" / "mypics"; }
    fs::path own() const { return platform.pictures / "Pintaro"; }

    fs::path saveDialogStart()
    {
        form->Command4_Click();
        EXPECT_EQ(platform.dialogs.back().action, DialogAction::SaveAs);
        return platform.dialogs.back().state.initDir;
    }
};

TEST_F(ChildFolderTest, WritableProgramFolderKeepsMyPicsAndMakesNothing)
{
    EXPECT_EQ(saveDialogStart(), mypics());
    EXPECT_TRUE(entriesOf(mypics()).empty());  // the probe is gone again
    // Missing but creatable, it is named as before and not made.
    ASSERT_TRUE(fs::remove(mypics()));
    EXPECT_EQ(saveDialogStart(), mypics());
    EXPECT_FALSE(fs::exists(mypics()));
    EXPECT_TRUE(entriesOf(path("home")).empty());
}

TEST_F(ChildFolderTest, ReadOnlyProgramFolderSendsTheSaveToTheChildsOwnFolder)
{
#ifdef _WIN32
    GTEST_SKIP() << "a folder's read-only attribute does not stop files being made in it on Windows";
#endif
    // Locked with mypics in place, and locked without it.
    fs::permissions(mypics(), kReadOnlyFolder);
    const fs::path bare = path("bare");
    ASSERT_TRUE(fs::create_directories(bare / "pics"));
    fs::permissions(bare / "pics", kReadOnlyFolder);
    PermissionsBite guard;
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";

    for (const fs::path& program : {platform.folder, bare}) {
        SCOPED_TRACE(program.string());
        platform.folder = program;
        fs::remove_all(platform.pictures);
        EXPECT_EQ(saveDialogStart(), own());
        EXPECT_TRUE(fs::is_directory(own()));
    }
    platform.answerFileDialog(own() / "art.bmp");
    form->Command4_Click();
    EXPECT_EQ(platform.messages.back().text, "Your Artwork Has Been Saved");
    EXPECT_EQ(entriesOf(own()), std::vector<std::string>{"art.bmp"});
    EXPECT_EQ(saveDialogStart(), own());  // found again, the artwork untouched
    EXPECT_EQ(entriesOf(own()), std::vector<std::string>{"art.bmp"});

    form->Command2_Click();
    EXPECT_EQ(platform.dialogs.back().state.initDir, platform.folder / "pics");

    // Nowhere of the child's own: the platform chooses where the dialog starts.
    platform.pictures.clear();
    EXPECT_TRUE(saveDialogStart().empty());
    fs::permissions(path("home"), kReadOnlyFolder);
    platform.pictures = path("home") / "Elsewhere";
    EXPECT_TRUE(saveDialogStart().empty());
    EXPECT_FALSE(fs::exists(platform.pictures));
}

}  // namespace
