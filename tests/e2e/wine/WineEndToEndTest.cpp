// The Windows program in real windows under Wine: a private X server, a
// fresh Wine prefix, the program run from a folder whose name Windows' ANSI
// code page cannot spell, driven by mouse and keyboard through Windows' own
// dialogs and message boxes, with the screen and the saved file compared
// pixel for pixel with the model.

#include "WineFixture.h"

#include "app/Layout.h"
#include "support/ControlNames.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace e2e;
using namespace wine_e2e;

QRgb screenColour(Colour colour) { return qRgb(redOf(colour), greenOf(colour), blueOf(colour)) & 0xFFFFFFu; }

// The smallest rectangle holding the dark pixels of `area`.
QRect inkBounds(const QImage& shot, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 100) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(WineEndToEnd, PaintsOnScreenAndSavesThroughWindowsDialogs)
{
    const Pixels picture = outlinePicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    const QString savedPath = m_folder + QStringLiteral("/pics/mypics/my art.bmp");

    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    const QString window = x.waitForWindow(kMainTitle);
    ASSERT_FALSE(window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    EXPECT_EQ(x.geometry(window), QRect(0, 0, 800, 600));

    // The palette, the current colour, the smallest pencil and the frame
    // around swatch 6, each at its pixels.
    const QImage shot = x.settledScreenshot([&](const QImage& screen) {
        return screen.width() >= 800 && (screen.pixel(on.swatch(8)) & 0xFFFFFFu) == e2e::kWhite;
    });
    // Each swatch whole: its colour inside a one-pixel border, nothing over it.
    for (int i = 0; i < 9; ++i) {
        const PixelRect place = layout::swatchPlace(i);
        const QPoint corner = on.client({place.left, place.top});
        Pixels swatch(place.width, place.height, screenColour(layout::kPalette[static_cast<std::size_t>(i)]));
        swatch.outline({0, 0, place.width, place.height}, shot.pixel(corner) & 0xFFFFFFu);
        EXPECT_EQ(differences(swatch, shot, corner), "") << "swatch " << i;
    }
    EXPECT_EQ(shot.pixel(on.middleOf(layout::kLabel6.place)) & 0xFFFFFFu, screenColour(layout::kPalette[6])) << "current colour";
    EXPECT_EQ(shot.pixel(on.pencilSquare(0)) & 0xFFFFFFu, kBlack) << "pencil size 0";
    const PixelRect six = layout::swatchPlace(6);
    for (const QPoint ring : {QPoint(six.left - 2, six.top + 8), QPoint(six.left - 1, six.top + 8),
                              QPoint(six.right() + 1, six.top + 8), QPoint(six.left + 8, six.bottom() + 1)})
        EXPECT_EQ(shot.pixel(on.client(ring)) & 0xFFFFFFu, kBlack) << "selection frame at " << ring.x() << "," << ring.y();
    for (int tool : {0, 2, 3})
        EXPECT_GT(darkPixels(shot, on.toolButtonRect(tool)), 10) << "tool button " << tool << " shows no icon";
    // Each one-line caption whole on one line, centred over its label: its
    // ink within one 13-pixel line, clear of the frame, and wider than any
    // word of it alone could be (4 pixels a letter is narrow for this face).
    for (const layout::Control& caption : layout::kCaptions) {
        if (!layout::isOneLine(caption)) continue;
        const PixelRect& p = caption.place;
        const QRect ink = inkBounds(shot, QRect(on.client({p.left - 7, p.top}), QSize(p.width + 14, 16)));
        const QRect label(on.client({p.left, p.top}), QSize(p.width, p.height));
        EXPECT_LE(ink.bottom(), label.top() + 12) << caption.caption;
        EXPECT_GE(ink.width(), 4 * static_cast<int>(std::strlen(caption.caption))) << caption.caption;
        EXPECT_LE(std::abs((ink.left() - label.left()) - (label.right() - ink.right())), 2) << caption.caption;
    }

    // Each picture button, swatch and pencil-size square has a name a screen
    // reader reads, which it does not draw: a button drawing only its icon,
    // or a part the window draws itself. Pressed through the reader, a
    // swatch chooses its colour.
    const ToolResult names = runTool(kWineRun,
                                     {QStringLiteral("--prefix"), prefix(), QStringLiteral(PINTARO_ACCESSIBLE_NAMES),
                                      QString::fromLatin1(layout::kMainTitle), QStringLiteral("Red")},
                                     30000, wineEnvironment(m_screen.display(), m_home, prefix()));
    ASSERT_EQ(names.exitCode, 0) << "no " PINTARO_ACCESSIBLE_NAMES ", no main window or no swatch to press; "
                                    "tools/build-windows makes it";
    QMap<QString, QStringList> controlNamed;  // kind, style or role, and for a drawn part its place and hit
    QStringList tabOrder;                     // the tab stops' names, in the windows' order
    for (const QString& line : QString::fromUtf8(names.output).split(QLatin1Char('\n'))) {
        QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3) continue;
        const QString name = fields.takeAt(2).trimmed();
        if (!fields.isEmpty()) fields.last() = fields.last().trimmed();
        controlNamed.insert(name, fields);
        const bool tabStop = fields[1].toUInt(nullptr, 16) & 0x00010000u;  // WS_TABSTOP
        if (fields[0] != QLatin1String("drawn") && tabStop) tabOrder << name;
    }
    // Tab follows the order the controls were made in.
    const QStringList expectedTabOrder = {QString(), layout::kCommand1.caption, layout::kCommand2.toolTip,
                                          layout::kCommand3[0].toolTip, layout::kCommand3[1].toolTip,
                                          layout::kCommand3[2].toolTip, layout::kCommand3[3].toolTip,
                                          layout::kCommand4.toolTip, layout::kCommand5.caption,
                                          layout::kCommand6.caption};
    EXPECT_EQ(tabOrder, expectedTabOrder);
    for (const ControlName& expected : kControlNames) {
        const auto found = controlNamed.constFind(QString::fromLatin1(expected.name));
        ASSERT_NE(found, controlNamed.constEnd()) << expected.control << " is not named " << expected.name;
        const unsigned style = (*found)[1].toUInt(nullptr, 16);
        // BS_OWNERDRAW or BS_ICON; a drawn part must say it is a button (ROLE_SYSTEM_PUSHBUTTON).
        const bool drawn = (*found)[0] == QLatin1String("drawn");
        const bool drawsNoText = drawn ? style == 0x2Bu : (style & 0x0Fu) == 0x0Bu || (style & 0x40u) != 0;
        EXPECT_TRUE(drawsNoText) << expected.control << " may draw its name, or is no button";
    }
    for (const layout::Control& caption : layout::kCaptions)
        EXPECT_EQ(controlNamed.value(QString::fromLatin1(caption.caption)).value(1), QStringLiteral("00000029"))
            << caption.caption << " is not read as text";  // ROLE_SYSTEM_STATICTEXT
    // A reader finds each swatch where it shows, and finds it again there.
    for (int i = 0; i < 9; ++i) {
        const PixelRect place = layout::swatchPlace(i);
        const QPoint corner = on.client({place.left, place.top});
        const char* name = layout::kSwatchNames[static_cast<std::size_t>(i)];
        const QString where =
            QStringLiteral("%1,%2,%3,%4").arg(corner.x()).arg(corner.y()).arg(place.width).arg(place.height);
        EXPECT_EQ(controlNamed.value(QString::fromLatin1(name)).mid(2), QStringList({where, QStringLiteral("hit")}))
            << name;
    }
    const QImage pressed = x.settledScreenshot([&](const QImage& screen) {
        return (screen.pixel(on.middleOf(layout::kLabel6.place)) & 0xFFFFFFu) == screenColour(layout::kPalette[5]);
    });
    EXPECT_EQ(pressed.pixel(on.middleOf(layout::kLabel6.place)) & 0xFFFFFFu, screenColour(layout::kPalette[5]))
        << "pressing Red through the reader";

    // With no picture open a press on the canvas asks for one.
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, windowsPath(picturePath))) << "the Open dialog did not take the path";
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the picture was refused";
    Pixels expected = openedOnCanvas(picture);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "the opened picture";

    x.click(on.swatch(3));
    x.click(on.canvasPoint(400, 116));
    expected.fill(interiorOnCanvas(kFrameB), kGreen);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "a green fill";
    const Pixels filled = expected;
    x.key(QStringLiteral("ctrl+z"));
    ASSERT_EQ(on.waitForCanvas(openedOnCanvas(picture)), "") << "Ctrl+Z after the fill";
    x.key(QStringLiteral("ctrl+y"));
    ASSERT_EQ(on.waitForCanvas(filled), "") << "Ctrl+Y after Ctrl+Z";
    // Ctrl+P as far as Wine goes: with no printer it shows no print dialog of
    // its own, and the program says there is none.
    x.key(QStringLiteral("ctrl+p"));
    ASSERT_TRUE(on.answerBox(kErrorTitle, QStringLiteral("Return"))) << "no message after Ctrl+P without a printer";
    EXPECT_TRUE(x.windows(QStringLiteral("^Print$")).isEmpty()) << "Wine's own no-printer box showed";
    ASSERT_EQ(on.waitForCanvas(filled), "") << "the canvas after Ctrl+P";

    x.click(on.toolButton(0));
    x.click(on.swatch(5));
    x.click(on.canvasPoint(100, 250));
    expected.set(100, 250, kRed);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "a 1-pixel pencil dot";

    x.click(on.toolButton(2));
    x.click(on.canvasPoint(kLineX, 300));
    expected.set(kLineX, 300, e2e::kWhite);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "an eraser press on an outline";

    // A bare name lands in pics\mypics beside the program.
    ASSERT_TRUE(x.click(on.saveButton()));
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("my art.bmp"))) << "the Save As dialog did not take the name";
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after saving";
    const QByteArray firstSave = readFile(savedPath);
    EXPECT_EQ(bitCountOf(firstSave), 24);
    EXPECT_EQ(differences(expected, QImage::fromData(firstSave, "BMP")), "");

    // No keeps the file byte for byte; after more painting Yes replaces it.
    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("my art.bmp")));
    ASSERT_TRUE(on.answerBox(kErrorTitle, QStringLiteral("n"))) << "no overwrite question";
    EXPECT_TRUE(x.windows(kConfirmTitle).isEmpty()) << "confirmed a save that was declined";
    EXPECT_TRUE(readFile(savedPath) == firstSave) << "declining the overwrite changed the file";

    x.click(on.canvasPoint(120, 150));
    expected.set(120, 150, e2e::kWhite);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "an eraser press on colour";
    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("my art.bmp")));
    ASSERT_TRUE(on.answerBox(kErrorTitle, QStringLiteral("Return"))) << "no overwrite question";
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after overwriting";
    EXPECT_EQ(differences(expected, QImage(savedPath, "BMP")), "");

    // The artwork opens again from the child's folder, named from pics\.
    x.click(on.openButton());
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("mypics\\my art.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "the saved artwork was refused";
    EXPECT_EQ(on.waitForCanvas(openedOnCanvas(expected)), "");

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

// Windows starts a file dialog in the last folder visited once a program
// has passed the same initial folder before, and Wine has rules of its own:
// bare names must still land in pics and pics\mypics after the child has
// visited other folders in both dialogs, however Wine and the program were
// started: a program's working folder is wherever it was started from, and
// Wine's server may have been started from yet another.
class WineDialogFolders : public WineEndToEnd, public ::testing::WithParamInterface<bool> {};

TEST_P(WineDialogFolders, BareNamesMeanTheFolderTheDialogShows)
{
    const bool wineStartedElsewhere = GetParam();
    const QString elsewhere = m_work.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const Pixels outlines = outlinePicture();
    Pixels cat = outlines;
    cat.outline({40, 40, 100, 100});
    ASSERT_TRUE(writeMonochrome(outlines, elsewhere + QStringLiteral("/outlines.bmp")));
    ASSERT_TRUE(writeMonochrome(cat, m_folder + QStringLiteral("/pics/cat.bmp")));

    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    // Wine's server stays a few seconds after a command, long enough for
    // the program to join it.
    const ToolResult first = runTool(kWineRun, {QStringLiteral("--prefix"), prefix(), QStringLiteral("reg"),
                                                QStringLiteral("query"), QStringLiteral("HKCU\\Software\\Wine")},
                                     30000, wineEnvironment(m_screen.display(), m_home, prefix()),
                                     wineStartedElsewhere ? elsewhere : m_folder);
    ASSERT_EQ(first.exitCode, 0) << first.errors.toStdString();
    ASSERT_NO_FATAL_FAILURE(startProgram({}, m_folder));
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    ASSERT_FALSE(x.waitForWindow(kMainTitle).isEmpty()) << "the program " << m_program.describe();

    x.click(on.openButton());
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "Open did not look in pics";
    ASSERT_EQ(on.waitForCanvas(openedOnCanvas(cat)), "");
    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("first.bmp")));
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return")));
    EXPECT_TRUE(QFile::exists(m_folder + QStringLiteral("/pics/mypics/first.bmp"))) << "Save As did not save in pics\\mypics";

    // Typing a folder and Return browses into it; the dialog stays.
    const auto visit = [&](const QString& title, const QString& folder) {
        return !x.waitForWindow(title).isEmpty() && x.type(windowsPath(folder) + QStringLiteral("\\"))
               && x.key(QStringLiteral("Return"));
    };
    x.click(on.openButton());
    ASSERT_TRUE(visit(kOpenTitle, elsewhere));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("outlines.bmp")));
    ASSERT_EQ(on.waitForCanvas(openedOnCanvas(outlines)), "") << "opened from the folder visited";
    x.click(on.saveButton());
    ASSERT_TRUE(visit(kSaveTitle, elsewhere));
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("there.bmp")));
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return")));
    EXPECT_TRUE(QFile::exists(elsewhere + QStringLiteral("/there.bmp")));

    x.click(on.saveButton());
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("here.bmp")));
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return")));
    EXPECT_TRUE(QFile::exists(m_folder + QStringLiteral("/pics/mypics/here.bmp"))) << "Save As left pics\\mypics";
    EXPECT_FALSE(QFile::exists(m_folder + QStringLiteral("/here.bmp")));
    EXPECT_FALSE(QFile::exists(elsewhere + QStringLiteral("/here.bmp")));
    x.click(on.openButton());
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "Open left pics";
    EXPECT_EQ(on.waitForCanvas(openedOnCanvas(cat)), "");
}

INSTANTIATE_TEST_SUITE_P(Starts, WineDialogFolders, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& start) {
                             return start.param ? "WineStartedElsewhere" : "AllFromTheProgramsFolder";
                         });

TEST_F(WineEndToEnd, AColouringPageNamedOnTheCommandLineReachesTheCanvasWithSolidOutlines)
{
    const QString page = m_work.filePath(QStringLiteral("colouring page.png"));
    ASSERT_TRUE(writeColouringPage(page));
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram({windowsPath(page)}));
    ASSERT_FALSE(m_x->waitForWindow(kMainTitle).isEmpty()) << "the program " << m_program.describe();
    EXPECT_EQ(m_on->showsColouringPage(m_folder + QStringLiteral("/pics/colouring page.bmp")), "");
    m_x->click(m_on->exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);

    // Windows reads no PDF, and Wine 8's Direct2D, like Windows before 10
    // 1703, has no SVG documents (nor, without Direct3D, draws into a
    // bitmap): each file is refused by its kind, read from the message as a
    // screen reader reads it. A Wine that draws SVG fails this, and the
    // drawing must then reach the canvas instead.
    const QStringList files = {m_work.filePath(QStringLiteral("drawing.svg")), m_work.filePath(QStringLiteral("document.pdf"))};
    ASSERT_TRUE(writeColouringPage(files[0]) && writeColouringPage(files[1]));
    ASSERT_NO_FATAL_FAILURE(startProgram({windowsPath(files[0]), windowsPath(files[1])}));
    for (const char* kind : {"Is An SVG Drawing, Not A Picture", "Is A PDF Document, Not A Picture"}) {
        ASSERT_FALSE(m_x->waitForWindow(kErrorTitle).isEmpty()) << kind << "; the program " << m_program.describe();
        const QStringList reader = {QStringLiteral("--prefix"), prefix(), PINTARO_ACCESSIBLE_NAMES, "Pintaro v1.0 [Error]"};
        const ToolResult box = runTool(kWineRun, reader, 30000, wineEnvironment(m_screen.display(), m_home, prefix()));
        EXPECT_TRUE(box.output.contains(kind)) << box.output.toStdString();
        ASSERT_TRUE(m_on->answerBox(kErrorTitle, QStringLiteral("Return")));
    }
    EXPECT_EQ(QDir(m_folder + QStringLiteral("/pics")).entryList(QDir::Files), QStringList{"colouring page.bmp"});
    m_x->click(m_on->exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

TEST_F(WineEndToEnd, RefusesToStartOnAScreenTooNarrow)
{
    ASSERT_NO_FATAL_FAILURE(startScreen(799, 600));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const QString box = x.waitForWindow(kErrorTitle);
    ASSERT_FALSE(box.isEmpty()) << "no refusal shown; the program " << m_program.describe();
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty()) << "the main window appeared on a small screen";
    x.key(QStringLiteral("Return"));
    const std::optional<int> status = m_program.waitForExit(10000);
    ASSERT_TRUE(status.has_value()) << "the program did not end after the refusal";
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty());
}

}  // namespace
