#include "FilesTestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kRefusal = QStringLiteral("BMP File Selected Can't Be\r\nUsed With This Program");

class OpenPictureTest : public FilesFixture {
protected:
    // The one message the last open showed, as a refusal of the program's own.
    void expectOneRefusal(const QString& text)
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
        EXPECT_TRUE(form->Command4->isEnabled());
    }

    void expectNothingOpened(const std::vector<Colour>& before)
    {
        EXPECT_EQ(pixelsOf(canvas()), before);
        EXPECT_EQ(form->PictureLoaded, 0);
        EXPECT_FALSE(form->Command4->isEnabled());
    }

    std::vector<Colour> painted;
};

TEST_F(OpenPictureTest, DialogStartsInPicsWithNothingChosenEveryTime)
{
    const QString pics = Form1::programFolder() + QStringLiteral("/pics");
    const bool hadPics = QFileInfo::exists(pics);
    openPicture(TestPicture{}, QStringLiteral("first.bmp"));
    form->Command2_Click();  // cancelled
    EXPECT_EQ(QFileInfo::exists(pics), hadPics);  // never created
    ASSERT_EQ(platform.dialogs.size(), 2u);
    for (const auto& d : platform.dialogs) {
        EXPECT_EQ(d.action, DialogAction::Open);
        EXPECT_EQ(d.state.initDir, pics);
        EXPECT_EQ(d.state.fileName, QString());
        EXPECT_EQ(d.state.dialogTitle, QStringLiteral("Open Image [BMP] File"));
        EXPECT_EQ(d.state.filter, QStringLiteral("BMP Files|*.bmp|All Files|*.*"));
        EXPECT_EQ(d.state.flags, kOfnHideReadOnly);
    }
}

TEST_F(OpenPictureTest, ProgramFolderHoldsTheExecutableWithLinksResolved)
{
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    EXPECT_EQ(Form1::programFolder(), QFileInfo(exe).path());
    EXPECT_TRUE(QFileInfo(Form1::programFolder()).isDir());
}

TEST_F(OpenPictureTest, OpenButtonAndPressOnEmptyCanvasBothOpen)
{
    ASSERT_TRUE(writeFile(path(QStringLiteral("a.bmp")), TestPicture{}.bytes()));
    platform.answerFileDialog(path(QStringLiteral("a.bmp")));
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(60, 60));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].action, DialogAction::Open);
    EXPECT_EQ(form->PictureLoaded, 1);

    // With a picture open a press paints instead; the button still opens.
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(platform.dialogs.size(), 1u);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
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
    const QString missing = path(QStringLiteral("missing.bmp"));
    const QString empty = path(QStringLiteral("empty.bmp"));
    const QString text = path(QStringLiteral("notes.txt"));
    TestPicture tooWide;
    tooWide.width = 686;
    const QString wide = path(QStringLiteral("wide.bmp"));
    ASSERT_TRUE(writeFile(text, "Not a picture at all, only some words."));
    ASSERT_TRUE(writeFile(wide, tooWide.bytes()));
    ASSERT_TRUE(writeFile(empty, QByteArray()));

    const std::vector<Colour> blank = pixelsOf(canvas());
    for (const QString& chosen : {missing, empty, text, wide}) {
        SCOPED_TRACE(chosen.toStdString());
        platform.messages.clear();
        platform.answerFileDialog(chosen);
        form->Command2_Click();
        expectOneRefusal(kRefusal);
        expectNothingOpened(blank);
    }
    // A name that named nothing leaves nothing behind; an empty file goes.
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(QFileInfo::exists(empty));
    EXPECT_TRUE(QFileInfo::exists(text));

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
    openPicture(second, QStringLiteral("second.bmp"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(canvas().pixel(100, 200), second.loaded(100, 199));
    EXPECT_EQ(canvas().pixel(10, 0), second.topRow(10));
    EXPECT_EQ(form->PictureLoaded, 1);
    EXPECT_TRUE(form->Command4->isEnabled());
}

// Each problem the loader reports has its own reason under the one heading.
TEST_F(OpenPictureTest, ProblemsAreShownAndThePaintingKept)
{
    openAndPaint();
    const QString folder = path(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));  // empty, so a check that deletes empty files would remove it
    const QString pipe = path(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString damaged = path(QStringLiteral("damaged.bmp"));
    ASSERT_TRUE(writeFile(damaged, asQBytes(TestPicture{}.bytes()).chopped(1)));
    const QString locked = path(QStringLiteral("locked.bmp"));
    ASSERT_TRUE(writeFile(locked, TestPicture{}.bytes()));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    PermissionsBite guard;

    std::vector<std::pair<QString, QString>> cases = {
        {folder, QStringLiteral("The Name Chosen Is A Folder")},
        {pipe, QStringLiteral("The Name Chosen Is Not A File")},
        {damaged, QStringLiteral("The File Is Damaged Or Incomplete")},
    };
    if (guard.works()) cases.push_back({locked, QStringLiteral("The File Can't Be Read")});
    for (const auto& [chosen, reason] : cases) {
        SCOPED_TRACE(chosen.toStdString());
        platform.messages.clear();
        platform.answerFileDialog(chosen);
        form->Command2_Click();
        expectOneRefusal(QStringLiteral("This Picture Can't Be Opened\r\n") + reason);
        expectPaintingKept();
    }
    // The check, which deletes empty files, never saw them.
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo::exists(pipe));
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";
}

}  // namespace
