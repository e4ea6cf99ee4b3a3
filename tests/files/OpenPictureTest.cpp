#include "FilesTestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kRefusal = QStringLiteral("BMP File Selected Can't Be\r\nUsed With This Program");
const QString kDamaged = QStringLiteral("This Picture Can't Be Opened\r\nThe File Is Damaged Or Incomplete");

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

struct CanvasCase {
    const char* name;
    int height;
    int bitCount;
    int headerSize;
    bool invertedPalette;
};

class OpenedCanvasTest : public OpenPictureTest, public ::testing::WithParamInterface<CanvasCase> {};

TEST_P(OpenedCanvasTest, PictureMovesDownOneRowUnderItsOwnTopRow)
{
    const CanvasCase c = GetParam();
    TestPicture picture;
    picture.height = c.height;
    picture.bitCount = c.bitCount;
    picture.headerSize = c.headerSize;
    if (c.bitCount == 1) {
        picture.value = [](int x, int y) { return std::uint32_t((x / 3 + y) % 5 == 0 || x == 684); };
        if (c.invertedPalette) {
            picture.palette[0] = kWhite;
            picture.palette[1] = kPureBlack;
        } else {
            picture.palette[0] = 0x00204060;  // colours of the file's own table show below row 0
            picture.palette[1] = 0x00C0A080;
        }
    }
    openPicture(picture);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(form->Command4->isEnabled());

    int wrong = 0;
    for (int x = 0; x < CanvasImage::kWidth; ++x) {
        if (canvas().pixel(x, 0) != picture.topRow(x) && wrong++ < 5)
            ADD_FAILURE() << "row 0, x " << x;
        // Picture row y - 1 on canvas row y: a 556-row picture fills the canvas,
        // a 557-row one loses its bottom row.
        for (int y = 1; y < CanvasImage::kHeight; ++y)
            if (canvas().pixel(x, y) != picture.loaded(x, y - 1) && wrong++ < 5)
                ADD_FAILURE() << "x " << x << ", y " << y;
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, OpenedCanvasTest,
    ::testing::Values(CanvasCase{"Rgb557", 557, 24, 40, false}, CanvasCase{"Rgb556", 556, 24, 40, false},
                      CanvasCase{"Mono557", 557, 1, 40, false}, CanvasCase{"Mono556Inverted", 556, 1, 40, true},
                      CanvasCase{"MonoCoreHeader", 557, 1, 12, false}, CanvasCase{"RgbCoreHeader", 556, 24, 12, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

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

TEST_F(OpenPictureTest, DamagedPictureIsRefusedWholeAndChangesNothing)
{
    const QByteArray whole = asQBytes(TestPicture{}.bytes());
    TestPicture flat;
    flat.planes = 0;  // the check ignores planes; Qt's reader refuses them
    TestPicture flatCore = flat;
    flatCore.headerSize = 12;
    TestPicture mono;
    mono.bitCount = 1;
    mono.height = 556;
    TestPicture monoCore = mono;
    monoCore.headerSize = 12;
    const auto shortened = [](const TestPicture& p) { return asQBytes(p.bytes()).chopped(1); };
    QByteArray farOffset = whole;
    farOffset[11] = 0x10;  // pixel data said to start 4 KiB further on
    const std::vector<std::pair<const char*, QByteArray>> damaged = {
        {"one byte short", whole.chopped(1)},
        {"missing rows", whole.left(whole.size() - 2056 * 100)},
        {"1-bit one byte short", shortened(mono)},
        {"1-bit core header one byte short", shortened(monoCore)},
        {"headers only", whole.left(54)},
        {"pixels beyond the end", farOffset},
        {"unreadable info header", asQBytes(flat.bytes())},
        {"unreadable core header", asQBytes(flatCore.bytes())},
    };
    const std::vector<Colour> blank = pixelsOf(canvas());
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(writeFile(path(QStringLiteral("damaged.bmp")), bytes));
        platform.messages.clear();
        platform.answerFileDialog(path(QStringLiteral("damaged.bmp")));
        form->Command2_Click();
        expectOneRefusal(kDamaged);
        expectNothingOpened(blank);
    }

    openAndPaint();
    ASSERT_TRUE(writeFile(path(QStringLiteral("damaged.bmp")), whole.left(whole.size() - 1)));
    platform.answerFileDialog(path(QStringLiteral("damaged.bmp")));
    form->Command2_Click();
    expectOneRefusal(kDamaged);
    expectPaintingKept();
}

TEST_F(OpenPictureTest, FolderOrPipeChosenIsRefusedAndKept)
{
    openAndPaint();
    const QString folder = path(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));  // empty, so a check that deletes empty files would remove it
    platform.answerFileDialog(folder);
    form->Command2_Click();
    expectOneRefusal(QStringLiteral("This Picture Can't Be Opened\r\nThe Name Chosen Is A Folder"));
    expectPaintingKept();
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString pipe = path(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    platform.messages.clear();
    platform.answerFileDialog(pipe);
    form->Command2_Click();  // reading a pipe with no writer would wait for ever
    expectOneRefusal(QStringLiteral("This Picture Can't Be Opened\r\nThe Name Chosen Is Not A File"));
    expectPaintingKept();
    EXPECT_TRUE(QFileInfo::exists(pipe));
}

TEST_F(OpenPictureTest, UnreadablePictureIsRefusedAndKept)
{
    openAndPaint();
    const QString locked = path(QStringLiteral("locked.bmp"));
    ASSERT_TRUE(writeFile(locked, TestPicture{}.bytes()));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    PermissionsBite guard;
    if (!guard.works()) GTEST_SKIP() << "running privileged without a way to drop the file-access override";
    platform.answerFileDialog(locked);
    form->Command2_Click();
    expectOneRefusal(QStringLiteral("This Picture Can't Be Opened\r\nThe File Can't Be Read"));
    expectPaintingKept();
    EXPECT_EQ(QFileInfo(locked).size(), static_cast<qint64>(TestPicture{}.bytes().size()));
}

}  // namespace
