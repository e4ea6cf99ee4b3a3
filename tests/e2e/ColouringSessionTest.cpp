// A whole colouring session: a picture opened, filled, drawn on, erased,
// saved, overwritten, opened again, undone and redone, and printed.

#include "EndToEndFixture.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

TEST_F(EndToEnd, ColouringSessionSavesWhatWasPainted)
{
    const Pixels picture = outlinePicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    const QString savedPath = m_work.filePath(QStringLiteral("my colouring.bmp"));

    ASSERT_NO_FATAL_FAILURE(showMainWindow());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    const QString window = m_window;
    EXPECT_EQ(x.geometry(window), QRect(0, 0, 800, 600));

    // Once the palette is drawn the buttons are too; every enabled one shows
    // its black-outlined icon.
    const QImage shot = x.settledScreenshot([&](const QImage& screen) {
        return screen.width() >= 800 && (screen.pixel(on.swatch(0)) & 0xFFFFFFu) == kOrange;
    });
    ASSERT_EQ(shot.pixel(on.swatch(0)) & 0xFFFFFFu, kOrange) << "the window was never drawn";
    for (int tool : {0, 2, 3})
        EXPECT_GT(darkPixels(shot, on.toolButtonRect(tool)), 10) << "tool button " << tool << " shows no icon";
    EXPECT_GT(darkPixels(shot, on.openButtonRect()), 10) << "the open button shows no icon";

    // With no picture open a press on the canvas asks for one.
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, picturePath)) << "the Open dialog did not take the typed path";
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the picture was refused";
    Pixels expected = openedOnCanvas(picture);
    ASSERT_EQ(on.waitForCanvas(expected), "");
    // After every action the screen must show the model, however few pixels
    // the action changed.
    const auto shows = [&](const char* action) {
        const std::string difference = on.waitForCanvas(expected);
        EXPECT_EQ(difference, "") << "the screen after " << action;
        return difference.empty();
    };

    // Two fills in palette colours, then a grabbed colour into the third area.
    x.click(on.swatch(3));
    x.click(on.canvasPoint(400, 116));
    expected.fill(interiorOnCanvas(kFrameB), kGreen);
    ASSERT_TRUE(shows("a green fill"));
    x.click(on.swatch(5));
    x.click(on.canvasPoint(140, 116));
    expected.fill(interiorOnCanvas(kFrameA), kRed);
    ASSERT_TRUE(shows("a red fill"));
    x.click(on.toolButton(3));
    x.click(on.canvasPoint(400, 130));
    ASSERT_TRUE(shows("a grab"));
    x.click(on.toolButton(1));
    x.click(on.canvasPoint(140, 376));
    expected.fill(interiorOnCanvas(kFrameC), kGreen);
    ASSERT_TRUE(shows("a fill in the grabbed colour"));
    x.click(on.canvasPoint(621, 42));
    expected.set(621, 42, kGreen);
    ASSERT_TRUE(shows("a fill of one pixel"));

    // The smallest pencil: a dot, then a slow stroke one pixel per event.
    x.click(on.toolButton(0));
    x.click(on.pencilSquare(0));
    x.click(on.swatch(5));
    x.click(on.canvasPoint(100, 250));
    expected.set(100, 250, kRed);
    ASSERT_TRUE(shows("a 1-pixel pencil dot"));
    QList<QPoint> slow;
    for (int cx = 100; cx <= 130; ++cx) {
        slow << on.canvasPoint(cx, 260);
        expected.set(cx, 260, kRed);
    }
    x.drag(slow, 20);
    ASSERT_TRUE(shows("a slow 1-pixel stroke"));

    // A 3-pixel yellow pencil stroke across the line, which stays black.
    x.click(on.pencilSquare(1));
    x.click(on.swatch(1));
    x.drag({on.canvasPoint(560, 400), on.canvasPoint(580, 400), on.canvasPoint(620, 400), on.canvasPoint(640, 400)});
    for (int cx = 560; cx <= 640; ++cx) expected.stamp(cx, 400, 1, kYellow);
    ASSERT_TRUE(shows("a 3-pixel stroke across an outline"));

    ASSERT_TRUE(x.click(on.saveButton()));
    ASSERT_TRUE(on.chooseFile(kSaveTitle, savedPath)) << "the Save As dialog did not take the typed path";
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after saving";
    const QByteArray firstSave = readFile(savedPath);
    EXPECT_EQ(bitCountOf(firstSave), 24);
    const QImage saved = QImage::fromData(firstSave, "BMP");
    ASSERT_EQ(saved.size(), QSize(kWidth, kCanvasHeight));
    EXPECT_EQ(differences(expected, saved), "");

    // The eraser: a press whitens the one pixel under it, outline or colour;
    // a drag whitens with the pencil's square but spares the outline it crosses.
    x.click(on.toolButton(2));
    x.click(on.canvasPoint(kLineX, 300));
    expected.set(kLineX, 300, kWhite);
    ASSERT_TRUE(shows("an eraser press on an outline"));
    x.click(on.canvasPoint(120, 150));
    expected.set(120, 150, kWhite);
    ASSERT_TRUE(shows("an eraser press on colour"));
    x.drag({on.canvasPoint(180, 116), on.canvasPoint(220, 116), on.canvasPoint(260, 116)});
    expected.set(180, 116, kWhite);
    for (int cx = 181; cx <= 260; ++cx) expected.stamp(cx, 116, 1, kWhite);
    ASSERT_TRUE(shows("an eraser drag across an outline"));

    // The same name again: No keeps the file as it was, Yes replaces it.
    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, savedPath));
    ASSERT_TRUE(on.answerBox(kErrorTitle, QStringLiteral("n"))) << "no overwrite question";
    EXPECT_TRUE(x.windows(kConfirmTitle).isEmpty()) << "confirmed a save that was declined";
    EXPECT_TRUE(readFile(savedPath) == firstSave) << "declining the overwrite changed the file";

    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, savedPath));
    ASSERT_TRUE(on.answerBox(kErrorTitle, QStringLiteral("Return"))) << "no overwrite question";
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after overwriting";
    const QImage resaved(savedPath, "BMP");
    ASSERT_EQ(resaved.size(), QSize(kWidth, kCanvasHeight));
    EXPECT_EQ(differences(expected, resaved), "");

    // The saved artwork is itself a picture the program opens.
    x.click(on.openButton());
    ASSERT_TRUE(on.chooseFile(kOpenTitle, savedPath));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the saved artwork was refused";
    expected = openedOnCanvas(expected);
    EXPECT_EQ(on.waitForCanvas(expected), "");

    // A fill over the whole background taken back from the keyboard with the
    // focus on the canvas, and made again with the focus on a tool button.
    const Pixels beforeBackground = expected;
    x.click(on.toolButton(1));
    x.click(on.swatch(1));
    x.click(on.canvasPoint(20, 270));
    expected.floodFill(20, 270, kYellow);
    ASSERT_TRUE(shows("a fill over the background"));
    const Pixels background = expected;
    ASSERT_TRUE(x.focus(window));
    x.key(QStringLiteral("ctrl+z"));
    expected = beforeBackground;
    ASSERT_TRUE(shows("Ctrl+Z after the fill"));
    x.click(on.toolButton(1));
    x.key(QStringLiteral("ctrl+y"));
    expected = background;
    ASSERT_TRUE(shows("Ctrl+Y with a tool button focused"));

    // Ctrl+P: Cancel prints nothing; Print writes the PDF file that Qt's
    // dialog offers when there is no printer, on a landscape page.
    const QString pdf = m_home + QStringLiteral("/Pintaro.pdf");
    const auto print = [&](const char* answer) {
        if (!x.focus(window) || !x.key(QStringLiteral("ctrl+p"))) return false;
        const QString dialog = x.waitForWindow(kPrintTitle, 10000);
        return !dialog.isEmpty() && x.focus(dialog) && x.key(QString::fromLatin1(answer)) &&
               x.waitUntilGone(kPrintTitle);
    };
    ASSERT_TRUE(print("Escape")) << "no print dialog to cancel";
    EXPECT_FALSE(QFile::exists(pdf)) << "Cancel printed";
    ASSERT_TRUE(print("Return")) << "no print dialog to print from";
    const QStringList render{QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf};
    QImage page;
    const QDeadlineTimer printed(10000);
    while (page.isNull() && !printed.hasExpired())
        page = QImage::fromData(runTool(QStringLiteral("pdftoppm"), render).output);
    ASSERT_FALSE(page.isNull()) << "no PDF file was printed";
    EXPECT_GT(page.width(), page.height()) << "the page is not landscape";
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty());
    ASSERT_TRUE(shows("the canvas after printing"));

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
