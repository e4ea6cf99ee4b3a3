#include "FilesTestSupport.h"

#include <QFileInfo>
#include <QImage>

namespace {

const QString kOverwrite = QStringLiteral("The File You Have Chosen Isn't\r\n Empty. Overwrite The File ?");
const QString kSaved = QStringLiteral("Your Artwork Has Been Saved");
const QByteArray kOldBytes = QByteArrayLiteral("an earlier drawing, to be kept byte for byte");

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

    void save(const QString& chosen)
    {
        platform.answerFileDialog(chosen);
        form->Command4_Click();
    }

    void expectConfirmedOnly()
    {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kSaved);
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Pintaro v1.0"));
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
    void expectCanvasIn(const QString& file)
    {
        const QByteArray bytes = readFile(file);
        ASSERT_GE(bytes.size(), 54);
        const auto u = [&bytes](int at, int n) {
            std::uint32_t v = 0;
            for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
            return v;
        };
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(u(14, 4), 40u);
        EXPECT_EQ(u(18, 4), 685u);
        EXPECT_EQ(u(22, 4), 557u);
        EXPECT_EQ(u(28, 2), 24u);
        EXPECT_EQ(u(30, 4), 0u);
        EXPECT_EQ(bytes.size(), static_cast<qsizetype>(u(10, 4)) + 2056 * 557);
        EXPECT_FALSE(Module1::CheckBitmapFile(QFile::encodeName(file).toStdString()));

        const QImage image(file, "bmp");
        ASSERT_EQ(image.size(), QSize(685, 557));
        int wrong = 0;
        for (int y = 0; y < 557; ++y)
            for (int x = 0; x < 685; ++x) {
                const QRgb p = image.pixel(x, y);
                if (rgbColour(qRed(p), qGreen(p), qBlue(p)) != canvas().pixel(x, y) && wrong++ < 5)
                    ADD_FAILURE() << "x " << x << ", y " << y;
            }
        EXPECT_EQ(wrong, 0);
    }

    void expectFailure(const QString& reason)
    {
        ASSERT_FALSE(platform.messages.empty());
        for (const auto& shown : platform.messages) EXPECT_NE(shown.text, kSaved);
        const auto& m = platform.messages.back();
        EXPECT_EQ(m.text, QStringLiteral("Your Artwork Could Not Be Saved\r\n") + reason);
        EXPECT_EQ(m.title, kErrorTitle);
        EXPECT_EQ(m.icon, MessageIcon::Critical);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
};

TEST(SaveBeforeOpenTest, DoesNothingWithoutAPicture)
{
    ScriptedPlatform platform;
    Form1 form(platform);
    ASSERT_TRUE(form.Form_Load());
    platform.answerFileDialog(QStringLiteral("/nonexistent/never.bmp"));
    form.Command4_Click();
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveArtworkTest, DialogStartsInMyPicsWithNothingChosenEveryTime)
{
    const QString myPics = Form1::programFolder() + QStringLiteral("/pics/mypics");
    const bool hadMyPics = QFileInfo::exists(myPics);
    save(path(QStringLiteral("art.bmp")));
    form->Command4_Click();  // cancelled
    EXPECT_EQ(QFileInfo::exists(myPics), hadMyPics);  // never created
    ASSERT_EQ(platform.dialogs.size(), 2u);
    for (const auto& d : platform.dialogs) {
        EXPECT_EQ(d.action, DialogAction::SaveAs);
        EXPECT_EQ(d.state.initDir, myPics);
        EXPECT_EQ(d.state.fileName, QString());
        EXPECT_EQ(d.state.dialogTitle, QStringLiteral("Save Your Art Work"));
        EXPECT_EQ(d.state.filter, QStringLiteral("BMP Files|*.bmp|All Files|*.*"));
        EXPECT_EQ(d.state.flags, kOfnHideReadOnly);
    }
}

TEST_F(SaveArtworkTest, CancelWritesNothingAndSaysNothing)
{
    const QStringList before = entriesOf(dir.path());
    form->Command4_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(entriesOf(dir.path()), before);
}

TEST_F(SaveArtworkTest, NewNameIsWrittenWithoutAQuestionAndOpensAgain)
{
    const std::vector<Colour> art = pixelsOf(canvas());
    const QString file = path(QStringLiteral("art.bmp"));
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
    save(path(QStringLiteral("myart")));
    expectConfirmedOnly();
    EXPECT_EQ(entriesOf(dir.path()), QStringList({QStringLiteral("myart"), QStringLiteral("picture.bmp")}));
    expectCanvasIn(path(QStringLiteral("myart")));
}

TEST_F(SaveArtworkTest, EmptyFileIsReplacedWithoutAQuestion)
{
    ASSERT_TRUE(writeFile(path(QStringLiteral("empty.bmp")), QByteArray()));
    save(path(QStringLiteral("empty.bmp")));
    expectConfirmedOnly();
    expectCanvasIn(path(QStringLiteral("empty.bmp")));
}

TEST_F(SaveArtworkTest, NonEmptyFileIsReplacedOnlyAfterYes)
{
    const QString file = path(QStringLiteral("old.bmp"));
    ASSERT_TRUE(writeFile(file, kOldBytes));
    for (MessageAnswer declined : {MessageAnswer::No, MessageAnswer::Ok}) {
        platform.messages.clear();
        platform.answerMessage(declined);
        save(file);
        ASSERT_EQ(platform.messages.size(), 1u);
        expectOverwriteQuestion(0);
        EXPECT_EQ(readFile(file), kOldBytes);
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

TEST_F(SaveArtworkTest, SavingTwiceToOneNameAsksTheSecondTime)
{
    const QString file = path(QStringLiteral("twice.bmp"));
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
    const QString missing = path(QStringLiteral("nowhere/art.bmp"));
    save(missing);
    expectFailure(QStringLiteral("The Folder Chosen Doesn't Exist"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("nowhere"))));

    const QString folder = path(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/inside"), kOldBytes));
    platform.messages.clear();
    save(folder);
    expectFailure(QStringLiteral("The Name Chosen Is A Folder"));  // and no overwrite question first
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(entriesOf(folder), QStringList(QStringLiteral("inside")));
    EXPECT_EQ(entriesOf(dir.path()), QStringList({QStringLiteral("folder.bmp"), QStringLiteral("picture.bmp")}));
}

TEST_F(SaveArtworkTest, ProblemsAreShownAndTheOldFileKept)
{
    const QString readOnly = path(QStringLiteral("readonly.bmp"));
    ASSERT_TRUE(writeFile(readOnly, kOldBytes));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    const QString full = path(QStringLiteral("full.bmp"));
    ASSERT_TRUE(writeFile(full, kOldBytes));
    PermissionsBite guard;
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";

    platform.answerMessage(MessageAnswer::Yes);
    save(readOnly);
    expectOverwriteQuestion(0);
    expectFailure(QStringLiteral("Saving There Isn't Allowed"));
    {
        FileSizeLimit limit(100000);
        ASSERT_TRUE(limit.works());
        platform.messages.clear();
        platform.answerMessage(MessageAnswer::Yes);
        save(full);
    }
    expectFailure(QStringLiteral("The Disk May Be Full"));
    EXPECT_EQ(readFile(readOnly), kOldBytes);
    EXPECT_EQ(readFile(full), kOldBytes);
    EXPECT_EQ(entriesOf(dir.path()),
              QStringList({QStringLiteral("full.bmp"), QStringLiteral("picture.bmp"), QStringLiteral("readonly.bmp")}));
}

}  // namespace
