// The real program in a real window: a private X server, the mouse and
// keyboard driven as a child would drive them, Qt's own dialogs, and the
// files the program writes read back pixel for pixel.

#include "ProgramScreen.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#ifndef PINTARO_PROGRAM
#error "PINTARO_PROGRAM must name the program under test"
#endif

namespace {

using namespace e2e;

// The resident memory of a process in megabytes, from the kernel's account:
// now (VmRSS) or at its peak (VmHWM).
std::optional<double> residentMegabytes(qint64 pid, const QByteArray& field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(field.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return std::nullopt;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsTheProgramsOwn = false;  // the sanitizer's shadow and quarantine dwarf it
#else
constexpr bool kMemoryIsTheProgramsOwn = true;
#endif

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_home = m_work.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(m_home));
    }

    // The server is required: without it the run fails, never skips.
    void startScreen(int width, int height)
    {
        const QString problem = m_screen.start(width, height);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        m_x = std::make_unique<XDriver>(m_screen.display());
        // Without a window manager the client area is at the screen's
        // origin, and the dialogs must be given the keyboard.
        m_on = std::make_unique<ProgramScreen>(*m_x, QPoint(0, 0), QPoint(10, 10), true);
    }

    void startProgram(const QString& program = QStringLiteral(PINTARO_PROGRAM), const QStringList& arguments = {})
    {
        m_program.setErrorFile(m_work.filePath(QStringLiteral("program-messages.txt")));
        ASSERT_TRUE(m_program.start(program, arguments, programEnvironment(m_screen.display(), m_home), false, m_home))
            << "cannot start " << program.toStdString();
    }

    // The program on a 1024 by 768 screen, until its main window shows.
    void showMainWindow(const QString& program = QStringLiteral(PINTARO_PROGRAM))
    {
        ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
        ASSERT_NO_FATAL_FAILURE(startProgram(program));
        m_window = m_x->waitForWindow(kMainTitle);
        ASSERT_FALSE(m_window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    }

    QTemporaryDir m_work{QStringLiteral(PINTARO_BINARY_DIR "/e2e-XXXXXX")};
    QString m_window;
    QString m_home;
    // Members end in reverse: the program, then its server, then the files.
    VirtualScreen m_screen;
    std::unique_ptr<XDriver> m_x;
    std::unique_ptr<ProgramScreen> m_on;
    ChildProcess m_program;
};

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

TEST_F(EndToEnd, AHundredOfManyLargeFillsAreUndoneFromTheKeyboardInLittleMemory)
{
    const Pixels picture = outlinePicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    ASSERT_NO_FATAL_FAILURE(showMainWindow());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    const QString window = m_window;
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, picturePath));
    const Pixels opened = openedOnCanvas(picture);
    ASSERT_EQ(on.waitForCanvas(opened), "");

    // 110 fills of the background, most of the canvas, green and red in turn.
    const auto filledIn = [&](QRgb colour) {
        Pixels p = opened;
        p.floodFill(20, 270, colour);
        return p;
    };
    QList<QPoint> presses;
    for (int i = 1; i <= 110; ++i) presses << on.swatch(i % 2 == 0 ? 3 : 5) << on.canvasPoint(20, 270);
    ASSERT_TRUE(x.clicks(presses));
    ASSERT_EQ(on.waitForCanvas(filledIn(kGreen)), "") << "the screen after 110 fills";

    const auto resident = residentMegabytes(m_program.process()->processId());
    ASSERT_TRUE(resident.has_value());
    RecordProperty("resident_megabytes", std::to_string(*resident));
    if constexpr (kMemoryIsTheProgramsOwn) {
        EXPECT_LT(*resident, 80.0);
    }

    // Back to the 11th fill, then the 10th; then the 11th made again.
    ASSERT_TRUE(x.focus(window));
    x.key(QStringLiteral("ctrl+z"), 99);
    EXPECT_EQ(on.waitForCanvas(filledIn(kRed)), "") << "the screen after 99 undos";
    x.key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(on.waitForCanvas(filledIn(kGreen)), "") << "the screen after 100 undos";
    x.key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(on.waitForCanvas(filledIn(kRed)), "") << "the screen after Ctrl+Shift+Z";

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

TEST_F(EndToEnd, AColouringPageNamedOnTheCommandLineReachesTheCanvasWithSolidOutlines)
{
    // The program in a folder of its own, so the page goes into its pics/.
    const QString folder = m_work.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/pics")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PINTARO_PROGRAM), folder + QStringLiteral("/pintaro")));
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    // 12 megapixels, as a PNG, which Qt decodes whole before scaling; a drawing; a one-page document.
    for (const QString& kind : {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
        SCOPED_TRACE(kind.toStdString());
        const QString page = m_work.filePath(QStringLiteral("colouring page.") + kind);
        ASSERT_TRUE(writeColouringPage(page, 2));
        ASSERT_NO_FATAL_FAILURE(startProgram(folder + QStringLiteral("/pintaro"), {page}));
        ASSERT_FALSE(m_x->waitForWindow(kMainTitle).isEmpty()) << "the program " << m_program.describe();
        EXPECT_EQ(m_on->showsColouringPage(folder + QStringLiteral("/pics/colouring page.bmp")), "");
        // The window alone takes some 35 MB; the page may add 100 at most.
        const auto peak = residentMegabytes(m_program.process()->processId(), "VmHWM:");
        ASSERT_TRUE(peak.has_value());
        RecordProperty("peak_megabytes_" + kind.toStdString(), std::to_string(*peak));
        if constexpr (kMemoryIsTheProgramsOwn) {
            EXPECT_LT(*peak, 135.0);
        }

        m_x->click(m_on->exitButton());
        EXPECT_EQ(m_program.waitForExit(10000), 0);
        ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/pics/colouring page.bmp")));
    }
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
    const QString icons = prefix + QStringLiteral("/share/icons/hicolor/");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(icons + QStringLiteral("%1x%1/apps/org.example.Pintaro.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << "the icon at " << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the icon at " << size << " has no transparent background";
    }
    EXPECT_TRUE(QFileInfo(icons + QStringLiteral("scalable/apps/org.example.Pintaro.svg")).isFile());

    // A bare name typed into the Open dialog is found only if the dialog
    // starts in the installed pictures folder, not beside the link.
    ASSERT_NO_FATAL_FAILURE(showMainWindow(link.filePath()));
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "cat.bmp was not found or refused";
    const QImage cat(folder + QStringLiteral("/pics/cat.bmp"));
    ASSERT_FALSE(cat.isNull());
    EXPECT_EQ(on.waitForCanvas(openedOnCanvas(Pixels::fromImage(cat))), "");

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
