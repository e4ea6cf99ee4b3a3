// The real program in a real window: a private X server, the mouse and
// keyboard driven as a child would drive them, Qt's own dialogs, and the
// files the program writes read back pixel for pixel.

#include "EndToEndFixture.h"

#include <QDirIterator>
#include <QFileInfo>

#include <string>
#include <vector>

namespace {

using namespace e2e;

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    return count;
}

int bitCountOf(const QByteArray& file)
{
    if (file.size() < 30) return 0;
    return static_cast<unsigned char>(file[28]) | static_cast<unsigned char>(file[29]) << 8;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(EndToEnd, ColouringSessionSavesWhatWasPainted)
{
    const Pixels picture = testPicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    const QString savedPath = m_work.filePath(QStringLiteral("my colouring.bmp"));

    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const QString window = x.waitForWindow(kMainTitle);
    ASSERT_FALSE(window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    EXPECT_EQ(x.geometry(window), QRect(0, 0, 800, 600));

    // Once the palette is drawn the buttons are too; every enabled one shows
    // its black-outlined icon.
    QImage shot;
    const QDeadlineTimer drawn(10000);
    do {
        shot = x.screenshot();
    } while (!(shot.width() >= 800 && (shot.pixel(swatch(0)) & 0xFFFFFFu) == kOrange) && !drawn.hasExpired());
    ASSERT_EQ(shot.pixel(swatch(0)) & 0xFFFFFFu, kOrange) << "the window was never drawn";
    for (int tool : {0, 2, 3})
        EXPECT_GT(darkPixels(shot, toolButtonRect(tool)), 10) << "tool button " << tool << " shows no icon";
    EXPECT_GT(darkPixels(shot, kOpenButtonRect), 10) << "the open button shows no icon";

    // With no picture open a press on the canvas asks for one.
    ASSERT_TRUE(x.click(canvasPoint(320, 260)));
    ASSERT_TRUE(chooseFile(x, kOpenTitle, picturePath)) << "the Open dialog did not take the typed path";
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the picture was refused";
    Pixels expected = openedOnCanvas(picture);
    ASSERT_EQ(waitForCanvas(x, expected), "");
    // After every action the screen must show the model, however few pixels
    // the action changed.
    const auto shows = [&](const char* action) {
        const std::string difference = waitForCanvas(x, expected);
        EXPECT_EQ(difference, "") << "the screen after " << action;
        return difference.empty();
    };

    // Two fills in palette colours, then a grabbed colour into the third area.
    x.click(swatch(3));
    x.click(canvasPoint(400, 116));
    expected.fill(interiorOnCanvas(kFrameB), kGreen);
    ASSERT_TRUE(shows("a green fill"));
    x.click(swatch(5));
    x.click(canvasPoint(140, 116));
    expected.fill(interiorOnCanvas(kFrameA), kRed);
    ASSERT_TRUE(shows("a red fill"));
    x.click(toolButton(3));
    x.click(canvasPoint(400, 130));
    ASSERT_TRUE(shows("a grab"));
    x.click(toolButton(1));
    x.click(canvasPoint(140, 376));
    expected.fill(interiorOnCanvas(kFrameC), kGreen);
    ASSERT_TRUE(shows("a fill in the grabbed colour"));
    x.click(canvasPoint(621, 42));
    expected.set(621, 42, kGreen);
    ASSERT_TRUE(shows("a fill of one pixel"));

    // The smallest pencil: a dot, then a slow stroke one pixel per event.
    x.click(toolButton(0));
    x.click(kSmallPencil);
    x.click(swatch(5));
    x.click(canvasPoint(100, 250));
    expected.set(100, 250, kRed);
    ASSERT_TRUE(shows("a 1-pixel pencil dot"));
    QList<QPoint> slow;
    for (int cx = 100; cx <= 130; ++cx) {
        slow << canvasPoint(cx, 260);
        expected.set(cx, 260, kRed);
    }
    x.drag(slow, 20);
    ASSERT_TRUE(shows("a slow 1-pixel stroke"));

    // A 3-pixel yellow pencil stroke across the line, which stays black.
    x.click(kMidPencil);
    x.click(swatch(1));
    x.drag({canvasPoint(560, 400), canvasPoint(580, 400), canvasPoint(620, 400), canvasPoint(640, 400)});
    for (int cx = 560; cx <= 640; ++cx) expected.stamp(cx, 400, 1, kYellow);
    ASSERT_TRUE(shows("a 3-pixel stroke across an outline"));

    ASSERT_TRUE(x.click(kSaveButton));
    ASSERT_TRUE(chooseFile(x, kSaveTitle, savedPath)) << "the Save As dialog did not take the typed path";
    ASSERT_TRUE(answerBox(x, kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after saving";
    const QByteArray firstSave = readAll(savedPath);
    EXPECT_EQ(bitCountOf(firstSave), 24);
    const QImage saved = QImage::fromData(firstSave, "BMP");
    ASSERT_EQ(saved.size(), QSize(kWidth, kCanvasHeight));
    EXPECT_EQ(differences(expected, saved), "");

    // The eraser: a press whitens the one pixel under it, outline or colour;
    // a drag whitens with the pencil's square but spares the outline it crosses.
    x.click(toolButton(2));
    x.click(canvasPoint(kLineX, 300));
    expected.set(kLineX, 300, kWhite);
    ASSERT_TRUE(shows("an eraser press on an outline"));
    x.click(canvasPoint(120, 150));
    expected.set(120, 150, kWhite);
    ASSERT_TRUE(shows("an eraser press on colour"));
    x.drag({canvasPoint(180, 116), canvasPoint(220, 116), canvasPoint(260, 116)});
    expected.set(180, 116, kWhite);
    for (int cx = 181; cx <= 260; ++cx) expected.stamp(cx, 116, 1, kWhite);
    ASSERT_TRUE(shows("an eraser drag across an outline"));

    // The same name again: No keeps the file as it was, Yes replaces it.
    x.click(kSaveButton);
    ASSERT_TRUE(chooseFile(x, kSaveTitle, savedPath));
    ASSERT_TRUE(answerBox(x, kErrorTitle, QStringLiteral("n"))) << "no overwrite question";
    EXPECT_TRUE(x.windows(kConfirmTitle).isEmpty()) << "confirmed a save that was declined";
    EXPECT_TRUE(readAll(savedPath) == firstSave) << "declining the overwrite changed the file";

    x.click(kSaveButton);
    ASSERT_TRUE(chooseFile(x, kSaveTitle, savedPath));
    ASSERT_TRUE(answerBox(x, kErrorTitle, QStringLiteral("Return"))) << "no overwrite question";
    ASSERT_TRUE(answerBox(x, kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after overwriting";
    const QImage resaved(savedPath, "BMP");
    ASSERT_EQ(resaved.size(), QSize(kWidth, kCanvasHeight));
    EXPECT_EQ(differences(expected, resaved), "");

    // The saved artwork is itself a picture the program opens.
    x.click(kOpenButton);
    ASSERT_TRUE(chooseFile(x, kOpenTitle, savedPath));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the saved artwork was refused";
    expected = openedOnCanvas(expected);
    EXPECT_EQ(waitForCanvas(x, expected), "");

    // A fill over the whole background taken back from the keyboard with the
    // focus on the canvas, and made again with the focus on a tool button.
    const Pixels beforeBackground = expected;
    x.click(toolButton(1));
    x.click(swatch(1));
    x.click(canvasPoint(20, 270));
    expected.floodFill(20, 270, kYellow);
    ASSERT_TRUE(shows("a fill over the background"));
    const Pixels background = expected;
    ASSERT_TRUE(x.focus(window));
    x.key(QStringLiteral("ctrl+z"));
    expected = beforeBackground;
    ASSERT_TRUE(shows("Ctrl+Z after the fill"));
    x.click(toolButton(1));
    x.key(QStringLiteral("ctrl+y"));
    expected = background;
    ASSERT_TRUE(shows("Ctrl+Y with a tool button focused"));

    x.click(kExitButton);
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

TEST_F(EndToEnd, RefusesToStartOnAScreenTooNarrow)
{
    ASSERT_NO_FATAL_FAILURE(startScreen(799, 600));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const QString box = x.waitForWindow(kErrorTitle);
    ASSERT_FALSE(box.isEmpty()) << "no refusal shown; the program " << m_program.describe();
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty()) << "the main window appeared on a small screen";
    ASSERT_TRUE(x.focus(box));
    x.key(QStringLiteral("Return"));
    const std::optional<int> status = m_program.waitForExit(10000);
    ASSERT_TRUE(status.has_value()) << "the program did not end after the refusal";
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty());
}

TEST_F(EndToEnd, InstalledProgramFindsItsPicturesThroughTheLink)
{
    const QString build = QFileInfo(QStringLiteral(PINTARO_PROGRAM)).absolutePath();
    const QString prefix = m_work.filePath(QStringLiteral("prefix"));
    const ToolResult install =
        runTool(QStringLiteral(PINTARO_CMAKE), {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix},
                120000);
    ASSERT_TRUE(install.finished && install.exitCode == 0) << install.errors.toStdString();

    const QString folder = prefix + QStringLiteral("/lib/pintaro");
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pintaro")).isExecutable());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pics/mypics")).isDir());
    const QStringList pictures = QDir(folder + QStringLiteral("/pics")).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    EXPECT_TRUE(pictures.contains(QStringLiteral("cat.bmp"))) << pictures.join(' ').toStdString();
    const QFileInfo link(prefix + QStringLiteral("/bin/pintaro"));
    ASSERT_TRUE(link.isSymLink());
    EXPECT_EQ(link.canonicalFilePath(), QFileInfo(folder + QStringLiteral("/pintaro")).canonicalFilePath());

    const ToolResult desktop = runTool(
        QStringLiteral("desktop-file-validate"),
        {prefix + QStringLiteral("/share/applications/org.example.Pintaro.desktop")});
    EXPECT_TRUE(desktop.finished && desktop.exitCode == 0) << desktop.output.toStdString();
    const ToolResult metainfo = runTool(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         prefix + QStringLiteral("/share/metainfo/org.example.Pintaro.metainfo.xml")},
        30000);
    EXPECT_TRUE(metainfo.finished && metainfo.exitCode == 0) << metainfo.output.toStdString();
    QStringList icons;
    QDirIterator it(prefix + QStringLiteral("/share/icons/hicolor"), {QStringLiteral("org.example.Pintaro.*")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) icons << it.next();
    ASSERT_FALSE(icons.isEmpty()) << "no icon in the hicolor theme";
    for (const QString& icon : icons) EXPECT_FALSE(QImage(icon).isNull()) << icon.toStdString();

    // A bare name typed into the Open dialog is found only if the dialog
    // starts in the installed pictures folder, not beside the link.
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram(link.filePath()));
    const XDriver& x = *m_x;
    ASSERT_FALSE(x.waitForWindow(kMainTitle).isEmpty())
        << "the installed program showed no window; it " << m_program.describe();
    ASSERT_TRUE(x.click(canvasPoint(320, 260)));
    ASSERT_TRUE(chooseFile(x, kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "cat.bmp was not found or refused";
    const QImage cat(folder + QStringLiteral("/pics/cat.bmp"));
    ASSERT_FALSE(cat.isNull());
    EXPECT_EQ(waitForCanvas(x, openedOnCanvas(Pixels::fromImage(cat))), "");

    x.click(kExitButton);
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
