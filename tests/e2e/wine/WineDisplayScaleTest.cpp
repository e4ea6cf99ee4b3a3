// The Windows program on screens at 125, 150 and 200 %, set as Windows sets
// them, by LogPixels in the prefix: the window's size, its captions, the
// opened picture and where presses land, each compared on the screen.

#include "WineFixture.h"

#include <QImage>

#include <vector>

namespace {

using namespace e2e;
using namespace wine_e2e;

struct ScaleCase {
    int dpi;
    QPoint clientOrigin;  // where Wine's frame, drawn at that dpi, puts the client area
    int wordGap;          // device columns between words; letters stand closer
};

void PrintTo(const ScaleCase& c, std::ostream* out) { *out << c.dpi << " dpi"; }

class WineDisplayScale : public WineEndToEnd, public ::testing::WithParamInterface<ScaleCase> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(WineEndToEnd::SetUp());
        setLogPixels(GetParam().dpi);
    }
    void TearDown() override
    {
        WineEndToEnd::TearDown();
        setLogPixels(96);  // the prefix is shared with the other tests
    }
    void setLogPixels(int dpi)
    {
        const QString add = QStringLiteral("reg|add|HKCU\\Control Panel\\Desktop|/v|LogPixels|/t|REG_DWORD|/f|/d|");
        runTool(kWineRun, QStringList{QStringLiteral("--prefix"), prefix()} + (add + QString::number(dpi)).split('|'),
                60000, wineEnvironment(QString(), m_home, prefix()));
        endWine(prefix(), m_home);
    }
};

bool ink(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 110; }

// Why the caption in `area` is not whole, on the lines and with the words
// expected, centred; empty when it is. Ink closer than `lineGap` rows (the
// dot of a "?") is one line.
std::string captionFault(const QImage& shot, const QRect& area, const QString& text, int lineCount, int wordGap,
                         int lineGap)
{
    const auto words = static_cast<int>(text.split(QLatin1Char(' ')).size());
    std::vector<std::pair<int, int>> lines;  // first and last row of each line of ink
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool any = false;
        for (int x = area.left(); x <= area.right(); ++x) any = any || ink(shot.pixel(x, y));
        if (any && (lines.empty() || y - lines.back().second > lineGap)) lines.push_back({y, y});
        if (any) lines.back().second = y;
    }
    if (static_cast<int>(lines.size()) != lineCount)
        return std::to_string(lines.size()) + " lines of ink, not " + std::to_string(lineCount);
    if (lines.front().first == area.top() || lines.back().second == area.bottom()) return "cut at the top or bottom";
    int wordCount = 0;
    for (const auto& [top, bottom] : lines) {
        std::vector<int> columns;
        for (int x = area.left(); x <= area.right(); ++x)
            for (int y = top; y <= bottom; ++y)
                if (ink(shot.pixel(x, y))) {
                    columns.push_back(x);
                    break;
                }
        ++wordCount;
        for (std::size_t i = 1; i < columns.size(); ++i) wordCount += columns[i] - columns[i - 1] > wordGap ? 1 : 0;
        const int left = columns.front() - area.left();
        const int right = area.right() - columns.back();
        if (left == 0 || right == 0) return "cut at the side";
        if (std::abs(left - right) > 3) return "off centre by " + std::to_string(left - right);
    }
    if (wordCount != words) return std::to_string(wordCount) + " words of ink, not " + std::to_string(words);
    return {};
}

// The first device pixel that shows canvas column or row `pixel`.
int firstDevicePixel(const DisplayScale& scale, int pixel)
{
    const int d = scale.canvasToDevice(PixelRect::point(pixel, pixel)).left;
    return scale.canvasPixelAt(d) < pixel ? d + 1 : d;
}

TEST_P(WineDisplayScale, DrawsTheWholeWindowAtTheScaleAndPressesLandOnThePixelUnderThePointer)
{
    const DisplayScale scale(GetParam().dpi);
    const Pixels picture = outlinePicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    ASSERT_NO_FATAL_FAILURE(startScreen(1600, 1200, scale, GetParam().clientOrigin));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    const QString window = x.waitForWindow(kMainTitle);
    ASSERT_FALSE(window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    EXPECT_EQ(x.geometry(window), QRect(0, 0, scale.toDevice(800), scale.toDevice(600)));

    const QImage shot = x.settledScreenshot(
        [&](const QImage& screen) { return (screen.pixel(on.swatch(8)) & 0xFFFFFFu) == e2e::kWhite; });

    // Every caption whole: the labels above what follows them (a swatch's
    // border overlaps their last row), the buttons inside their edges.
    const auto expectWhole = [&](const PixelRect& place, const char* text, int lines, int inset) {
        const QRect area = on.onScreen(place).adjusted(inset, inset, -inset, -inset);
        EXPECT_EQ(captionFault(shot, area, QString::fromUtf8(text), lines, GetParam().wordGap, scale.toDevice(3)), "")
            << text;
    };
    for (const layout::Control& label : layout::kCaptions) {
        const PixelRect& place = label.place;
        expectWhole({place.left, place.top, place.width, place.height - 1}, label.caption, place.height > 17 ? 2 : 1, 0);
    }
    for (const layout::Control* button : {&layout::kCommand1, &layout::kCommand6, &layout::kCommand5})
        expectWhole(button->place, button->caption, 1, layout::kCanvasBorder);

    // The opened picture enlarged, outlines pure black, nothing blended.
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, windowsPath(picturePath))) << "the Open dialog did not take the path";
    Pixels expected = openedOnCanvas(picture);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "the opened picture";

    // Presses at the edges of a canvas pixel's device pixels: the last one
    // still draws on it, and the first one inside an outline fills.
    x.click(on.toolButton(0));
    x.click(on.swatch(5));
    const PixelRect dot = scale.canvasToDevice(PixelRect::point(100, 250));
    x.click(on.canvasOrigin() + QPoint(dot.right() - 1, dot.bottom() - 1));
    expected.set(100, 250, kRed);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "a pencil press at the last device pixel of (100, 250)";

    x.click(on.toolButton(1));
    x.click(on.swatch(3));
    const int insideLeft = kFrameB.left() + 1;
    x.click(on.canvasOrigin() + QPoint(firstDevicePixel(scale, insideLeft), firstDevicePixel(scale, 116)));
    expected.fill(interiorOnCanvas(kFrameB), kGreen);
    ASSERT_EQ(on.waitForCanvas(expected), "") << "a fill at the first device pixel inside an outline";

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, WineDisplayScale,
                         ::testing::Values(ScaleCase{120, {4, 28}, 3}, ScaleCase{144, {5, 33}, 4},
                                           ScaleCase{192, {5, 42}, 4}),
                         [](const auto& p) { return std::to_string(p.param.dpi) + "dpi"; });

}  // namespace
