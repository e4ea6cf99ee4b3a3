#include "FilesTestSupport.h"

#include "files/PictureLoader.h"

namespace {

const std::string kOverwrite = "The File You Have Chosen Isn't\r\n Empty. Overwrite The File ?";
const std::string kSaved = "Your Artwork Has Been Saved";
const std::string kOldText = "an earlier drawing, to be kept byte for byte";
const bmp::Bytes kOldBytes(kOldText.begin(), kOldText.end());

class SaveArtworkTest : public FilesFixture {
protected:
    void SetUp() override
    {
        FilesFixture::SetUp();
        if (HasFatalFailure()) return;
        openPicture(TestPicture{});
        for (int x = 0; x < 40; ++x) canvas().setPixelV(300 + x, 250, 0x00FF00FF);  // some painting
        platform.messages.clear();
        platform.dialogs.clear();
    }

    void save(const fs::path& chosen)
    {
        platform.answerFileDialog(chosen);
        form->Command4_Click();
    }

    void expectConfirmedOnly()
    {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kSaved);
        EXPECT_EQ(platform.messages[0].title, "Pintaro v1.0");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    }

    void expectOverwriteQuestion(std::size_t index)
    {
        ASSERT_GT(platform.messages.size(), index);
        EXPECT_EQ(platform.messages[index].text, kOverwrite);
        EXPECT_EQ(platform.messages[index].title, kErrorTitle);
        EXPECT_EQ(platform.messages[index].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[index].buttons, MessageButtons::YesNo);
    }

    // The file holds the canvas image, as a 24-bit bitmap the check accepts.
    void expectCanvasIn(const fs::path& file)
    {
        const bmp::Bytes bytes = readAll(file);
        ASSERT_GE(bytes.size(), 54u);
        const auto u = [&bytes](std::size_t at, int n) {
            std::uint32_t v = 0;
            for (int i = n - 1; i >= 0; --i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
            return v;
        };
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(u(14, 4), 40u);
        EXPECT_EQ(u(18, 4), 685u);
        EXPECT_EQ(u(22, 4), 557u);
        EXPECT_EQ(u(28, 2), 24u);
        EXPECT_EQ(u(30, 4), 0u);
        EXPECT_EQ(bytes.size(), u(10, 4) + 2056u * 557u);
        EXPECT_FALSE(Module1::CheckBitmapFile(file));
        const LoadedPicture saved = loadPicture(file);
        ASSERT_EQ(saved.problem, OpenProblem::None);
        EXPECT_TRUE(saved.pixels == pixelsOf(canvas()));
    }

    void expectFailure(const std::string& reason)
    {
        ASSERT_FALSE(platform.messages.empty());
        for (const auto& shown : platform.messages) EXPECT_NE(shown.text, kSaved);
        const auto& m = platform.messages.back();
        EXPECT_EQ(m.text, "Your Artwork Could Not Be Saved\r\n" + reason);
        EXPECT_EQ(m.title, kErrorTitle);
        EXPECT_EQ(m.icon, MessageIcon::Critical);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
};

class SaveBeforeOpenTest : public FormFixture {};

TEST_F(SaveBeforeOpenTest, DoesNothingWithoutAPicture)
{
    ASSERT_TRUE(start());
    platform.answerFileDialog("/nonexistent/never.bmp");
    form->Command4_Click();
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveArtworkTest, DialogStartsInMyPicsWithNothingChosenEveryTime)
{
    platform.folder = dir.root() / "program";
    save(path("art.bmp"));
    form->Command4_Click();  // cancelled
    EXPECT_FALSE(fs::exists(platform.folder));  // never created
    ASSERT_EQ(platform.dialogs.size(), 2u);
    for (const auto& d : platform.dialogs) {
        EXPECT_EQ(d.action, DialogAction::SaveAs);
        EXPECT_EQ(d.state.initDir, platform.folder / "pics" / "mypics");
        EXPECT_TRUE(d.state.fileName.empty());
        EXPECT_EQ(d.state.dialogTitle, "Save Your Art Work");
        EXPECT_EQ(d.state.filter, "BMP Files|*.bmp|All Files|*.*");
        EXPECT_EQ(d.state.flags, kOfnHideReadOnly);
    }
}

TEST_F(SaveArtworkTest, CancelWritesNothingAndSaysNothing)
{
    const std::vector<std::string> before = entriesOf(dir.root());
    form->Command4_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(entriesOf(dir.root()), before);
}

TEST_F(SaveArtworkTest, NewNameIsWrittenWithoutAQuestionAndOpensAgain)
{
    const std::vector<Colour> art = pixelsOf(canvas());
    const fs::path file = path("art.bmp");
    save(file);
    expectConfirmedOnly();
    expectCanvasIn(file);
    EXPECT_EQ(pixelsOf(canvas()), art);
    EXPECT_EQ(form->PictureLoaded, 1);

    // Opened again, the artwork moves down one row under its own top row.
    platform.messages.clear();
    platform.answerFileDialog(file);
    form->Command2_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(canvas().pixel(310, 251), 0x00FF00FFu);
    EXPECT_EQ(canvas().pixel(5, 0), art[5]);
    EXPECT_EQ(canvas().pixel(5, 1), art[5]);
}

TEST_F(SaveArtworkTest, NameWithoutExtensionIsUsedAsTyped)
{
    save(path("myart"));
    expectConfirmedOnly();
    EXPECT_EQ(entriesOf(dir.root()), (std::vector<std::string>{"myart", "picture.bmp"}));
    expectCanvasIn(path("myart"));
}

TEST_F(SaveArtworkTest, EmptyFileIsReplacedWithoutAQuestion)
{
    ASSERT_TRUE(writeFile(path("empty.bmp"), std::string()));
    save(path("empty.bmp"));
    expectConfirmedOnly();
    expectCanvasIn(path("empty.bmp"));
}

TEST_F(SaveArtworkTest, NonEmptyFileIsReplacedOnlyAfterYes)
{
    const fs::path file = path("old.bmp");
    ASSERT_TRUE(writeFile(file, kOldBytes));
    for (MessageAnswer declined : {MessageAnswer::No, MessageAnswer::Ok}) {
        platform.messages.clear();
        platform.answerMessage(declined);
        save(file);
        ASSERT_EQ(platform.messages.size(), 1u);
        expectOverwriteQuestion(0);
        EXPECT_EQ(readAll(file), kOldBytes);
    }

    platform.messages.clear();
    platform.answerMessage(MessageAnswer::Yes);
    save(file);
    ASSERT_EQ(platform.messages.size(), 2u);
    expectOverwriteQuestion(0);
    EXPECT_EQ(platform.messages[1].text, kSaved);
    expectCanvasIn(file);
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST_F(SaveArtworkTest, OneByteIsAlreadyNotEmpty)
{
    const fs::path file = path("one.bmp");
    ASSERT_TRUE(writeFile(file, std::string("x")));
    platform.answerMessage(MessageAnswer::No);
    save(file);
    ASSERT_EQ(platform.messages.size(), 1u);
    expectOverwriteQuestion(0);
    EXPECT_EQ(readAll(file), bmp::Bytes{'x'});
}

TEST_F(SaveArtworkTest, SavingTwiceToOneNameAsksTheSecondTime)
{
    const fs::path file = path("twice.bmp");
    save(file);
    expectConfirmedOnly();
    canvas().setPixelV(1, 1, 0x00ABCDEF);
    platform.messages.clear();
    platform.answerMessage(MessageAnswer::Yes);
    save(file);
    ASSERT_EQ(platform.messages.size(), 2u);
    expectOverwriteQuestion(0);
    expectCanvasIn(file);
}

TEST_F(SaveArtworkTest, MissingFolderOrFolderNameIsReportedAndNothingMade)
{
    save(path("nowhere") / "art.bmp");
    expectFailure("The Folder Chosen Doesn't Exist");
    EXPECT_FALSE(fs::exists(path("nowhere")));

    const fs::path folder = path("folder.bmp");
    ASSERT_TRUE(fs::create_directory(folder));
    ASSERT_TRUE(writeFile(folder / "inside", kOldBytes));
    platform.messages.clear();
    save(folder);
    expectFailure("The Name Chosen Is A Folder");  // and no overwrite question first
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(entriesOf(folder), std::vector<std::string>{"inside"});
    EXPECT_EQ(entriesOf(dir.root()), (std::vector<std::string>{"folder.bmp", "picture.bmp"}));
}

TEST_F(SaveArtworkTest, ProblemsAreShownAndTheOldFileKept)
{
    const fs::path readOnly = path("readonly.bmp");
    ASSERT_TRUE(writeFile(readOnly, kOldBytes));
    fs::permissions(readOnly, fs::perms::owner_read);
    const fs::path full = path("full.bmp");
    ASSERT_TRUE(writeFile(full, kOldBytes));
    PermissionsBite guard;
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";

    platform.answerMessage(MessageAnswer::Yes);
    save(readOnly);
    expectOverwriteQuestion(0);
    expectFailure("Saving There Isn't Allowed");
#ifndef _WIN32  // no file-size limit to make a disk look full
    {
        FileSizeLimit limit(100000);
        ASSERT_TRUE(limit.works());
        platform.messages.clear();
        platform.answerMessage(MessageAnswer::Yes);
        save(full);
    }
    expectFailure("The Disk May Be Full");
#endif
    EXPECT_EQ(readAll(readOnly), kOldBytes);
    EXPECT_EQ(readAll(full), kOldBytes);
    EXPECT_EQ(entriesOf(dir.root()), (std::vector<std::string>{"full.bmp", "picture.bmp", "readonly.bmp"}));
}

}  // namespace
