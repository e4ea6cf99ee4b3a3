// A long run of random use on the real window: presses, drags and releases
// anywhere (outside the canvas too), every tool, colour and pencil size, the
// Color dialog's answers, and opens of good and bad files. After every event
// the outlines must be intact, no paint may have become pure black, and what
// the window shows must match what was chosen.

#include "SoakPictures.h"
#include "support/FormFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

using soak::Picture;
using soak::Random;

constexpr Colour kPalette[9] = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                                0x000000FF, 0x00FF0000, 0x00101010, 0x00FFFFFF};
constexpr int kCollapsed = -1;  // the frame marks no swatch
constexpr std::size_t kRowBytes = CanvasImage::kWidth * sizeof(Colour);
constexpr std::size_t kPixels = std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight;

long fromEnvironment(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (*end == '\0' && value > 0) ? value : fallback;
}

int pixelOf(float v) { return static_cast<int>(std::nearbyint(v)); }  // halves to even

// What the window must show: the test's own account of every choice made.
struct Model {
    std::int16_t tool = 1;
    std::int16_t size = 0;
    Colour colour = kPalette[6];
    int frame = 6;
    std::int16_t loaded = 0;
    std::int16_t drawing = 0;
};

// What one event may do to the canvas.
struct Event {
    const char* name = "";
    bool mayPaint = false;
    std::optional<std::pair<int, int>> erasedPixel;  // an eraser press: the one outline pixel it may whiten
    const std::vector<Colour>* opened = nullptr;     // a successful open: the whole canvas it must give
    std::size_t messages = 0;                        // message boxes it must show
};

// A file offered to the Open dialog, and what opening it must do.
struct Offer {
    QString path;
    const std::vector<Colour>* opens = nullptr;  // nullptr: refused
    bool recreateEmpty = false;
};

class SoakTest : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(start());
        writeFiles();
        shadow.assign(canvas().data(), canvas().data() + kPixels);
    }

    CanvasImage& canvas() { return form->Picture1->image(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void write(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    void writeFiles()
    {
        Random art(7);
        for (int blackIndex : {0, 1}) {
            const Picture p = soak::lineArt(art, 556, false);
            good.push_back(p.asOpened());
            const char* name = blackIndex == 0 ? "mono-black-first.bmp" : "mono-black-second.bmp";
            write(path(name), soak::monochromeFile(p, blackIndex));
        }
        const Picture colour = soak::lineArt(art, 557, true);
        good.push_back(colour.asOpened());
        const QByteArray colourFile = soak::trueColourFile(colour);
        write(path("colour.bmp"), colourFile);

        write(path("truncated.bmp"), colourFile.left(colourFile.size() / 2));
        write(path("narrow.bmp"), soak::trueColourFile(colour, 684));
        QByteArray garbage(4096, '\0');
        for (char& c : garbage) c = static_cast<char>(art.below(256));
        write(path("noise.bmp"), garbage);
        garbage[0] = 'B';
        garbage[1] = 'M';
        write(path("garbage.bmp"), garbage);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));

        offers = {{path("mono-black-first.bmp"), &good[0]},
                  {path("mono-black-second.bmp"), &good[1]},
                  {path("colour.bmp"), &good[2]},
                  {path("truncated.bmp")},
                  {path("narrow.bmp")},
                  {path("noise.bmp")},
                  {path("garbage.bmp")},
                  {path("empty.bmp"), nullptr, true},
                  {path("missing.bmp")},
                  {path("folder.bmp")}};
    }

    // A position anywhere from well left of and above the canvas to well
    // past it, often between pixels.
    float coordinate(int low, int high)
    {
        static constexpr float kFractions[] = {0.0f, 0.0f, 0.25f, 0.5f, 0.75f, -0.5f};
        return static_cast<float>(random.between(low, high)) + kFractions[random.below(6)];
    }
    std::pair<float, float> nextPoint()
    {
        if (random.below(10) < 7)  // mostly short steps, so strokes hang together
            return {static_cast<float>(form->LastX) + coordinate(-12, 12),
                    static_cast<float>(form->LastY) + coordinate(-12, 12)};
        return {coordinate(-50, 750), coordinate(-50, 620)};
    }
    // Now and then a real click instead of calling the handler; never while
    // a button is held on the canvas, which would take the click.
    bool clickable() { return held == Qt::NoButton && random.oneIn(3); }
    std::int16_t button() { return static_cast<std::int16_t>(1 << random.below(3)); }
    std::int16_t shift() { return static_cast<std::int16_t>(random.below(8)); }

    // What a press at (x, y) does under the chosen tool, in the model.
    void expectPress(Event& e, float x, float y)
    {
        e.name = "press";
        if (model.loaded != 1) return;  // opens the dialog, which is cancelled
        const int px = pixelOf(x), py = pixelOf(y);
        const bool inside = CanvasImage::contains(px, py);
        switch (model.tool) {
        case 0:
            e.mayPaint = true;
            model.drawing = 1;
            break;
        case 1: e.mayPaint = true; break;
        case 2:
            e.mayPaint = true;
            if (inside) e.erasedPixel = std::make_pair(px, py);
            model.drawing = 1;
            break;
        case 3: {
            const Colour under = inside ? shadow[static_cast<std::size_t>(py) * CanvasImage::kWidth + px] : 0;
            if (inside && under != kPureBlack) {
                model.colour = under;
                model.frame = kCollapsed;
            }
            break;
        }
        }
    }
    void expectMove(Event& e)
    {
        e.name = "move";
        e.mayPaint = model.drawing == 1 && (model.tool == 0 || model.tool == 2);
    }

    void pressDirect(Event& e)
    {
        const auto [x, y] = random.oneIn(3) ? std::pair{coordinate(-50, 750), coordinate(-50, 620)} : nextPoint();
        expectPress(e, x, y);
        const std::int16_t b = button();
        form->Picture1_MouseDown(b, shift(), x, y);
    }
    void moveDirect(Event& e)
    {
        const auto [x, y] = nextPoint();
        expectMove(e);
        const std::int16_t b = random.oneIn(2) ? 0 : button();
        form->Picture1_MouseMove(b, shift(), x, y);
    }
    void releaseDirect(Event& e)
    {
        const auto [x, y] = nextPoint();
        e.name = "release";
        model.drawing = 0;
        const std::int16_t b = button();
        form->Picture1_MouseUp(b, shift(), x, y);
    }

    // Real mouse events through Qt, a button held from press to release.
    void mouseThroughQt(Event& e)
    {
        const QPoint at{random.below(CanvasImage::kWidth + 2 * CanvasWidget::kBorder),
                        random.below(CanvasImage::kHeight + 2 * CanvasWidget::kBorder)};
        const float x = static_cast<float>(at.x() - CanvasWidget::kBorder);
        const float y = static_cast<float>(at.y() - CanvasWidget::kBorder);
        const auto modifiers = Qt::KeyboardModifiers::fromInt(random.below(8) << 25);
        if (held == Qt::NoButton && random.oneIn(2)) {
            static constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            held = kButtons[random.below(3)];
            expectPress(e, x, y);
            e.name = "press through Qt";
            QTest::mousePress(form->Picture1, held, modifiers, at);
        } else if (held != Qt::NoButton && random.oneIn(3)) {
            e.name = "release through Qt";
            model.drawing = 0;
            QTest::mouseRelease(form->Picture1, held, modifiers, at);
            held = Qt::NoButton;
        } else {
            expectMove(e);
            e.name = "move through Qt";
            QTest::mouseMove(form->Picture1, at);
        }
    }

    void chooseTool(Event& e)
    {
        const auto i = static_cast<std::int16_t>(random.below(4));
        e.name = "tool";
        if (clickable()) {
            // A click on the chosen tool's button, which is disabled, does nothing.
            if (form->Command3[static_cast<std::size_t>(i)]->isEnabled()) model.tool = i;
            QTest::mouseClick(form->Command3[static_cast<std::size_t>(i)], Qt::LeftButton);
        } else {
            model.tool = i;
            form->Command3_Click(i);
        }
    }
    void chooseSwatch(Event& e)
    {
        const auto i = static_cast<std::int16_t>(random.below(9));
        e.name = "swatch";
        model.colour = kPalette[i];
        model.frame = i;
        if (clickable())
            QTest::mouseClick(form->Label1[static_cast<std::size_t>(i)], Qt::LeftButton);
        else
            form->Label1_Click(i);
    }
    void choosePencil(Event& e)
    {
        const auto i = static_cast<std::int16_t>(random.below(3));
        e.name = "pencil size";
        model.size = i;
        if (clickable())
            QTest::mouseClick(form->Label3[static_cast<std::size_t>(i)], Qt::LeftButton);
        else
            form->Label3_Click(i);
    }
    void chooseColourInDialog(Event& e)
    {
        e.name = "Color dialog";
        std::optional<Colour> answer;
        switch (random.below(7)) {
        case 0: break;  // cancelled
        case 1: answer = kPureBlack; break;
        case 2: answer = 0x00101010; break;
        case 3: answer = static_cast<Colour>(1u << (8 * random.below(3))); break;  // one step from black
        case 4: answer = model.colour; break;
        default: answer = random.colour(); break;
        }
        if (answer) {
            platform.answerColourDialog(*answer);
            if (*answer != model.colour) {
                model.colour = *answer == kPureBlack ? kPalette[8] : *answer;
                model.frame = *answer == kPureBlack ? 8 : kCollapsed;
            }
        } else {
            platform.cancelColourDialog();
        }
        if (clickable())
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        else
            form->Command1_Click();
    }

    // Through the open button, or before any picture by a press on the canvas.
    void open(Event& e)
    {
        e.name = "open";
        const bool cancel = random.oneIn(8);
        const Offer& offer = offers[static_cast<std::size_t>(random.below(static_cast<int>(offers.size())))];
        const bool byPress = model.loaded == 0 && random.oneIn(2);
        if (offer.recreateEmpty) write(offer.path, QByteArray());
        if (cancel) {
            platform.cancelFileDialog();
        } else {
            platform.answerFileDialog(offer.path);
            e.messages = offer.opens ? 0 : 1;
            e.opened = offer.opens;
            lastOffer = &offer;
        }
        if (e.opened) model.loaded = 1;
        if (byPress) {
            const std::int16_t b = button();
            const std::int16_t s = shift();
            const float x = coordinate(0, 684);
            form->Picture1_MouseDown(b, s, x, coordinate(0, 556));
        } else if (clickable()) {
            QTest::mouseClick(form->Command2, Qt::LeftButton);
        } else {
            form->Command2_Click();
        }
    }

    // Saving changes nothing on the canvas; the saved artwork then opens like
    // any picture (a row down, its top row drawn again).
    void save(Event& e)
    {
        e.name = "save";
        const bool cancel = !random.oneIn(5);
        if (model.loaded != 1) {
            form->Command4_Click();
            return;
        }
        const QString target = path("artwork.bmp");
        if (cancel) {
            platform.cancelFileDialog();
        } else {
            platform.answerFileDialog(target);
            // A second save asks before replacing (the script answers Yes).
            e.messages = QFileInfo(target).size() > 0 ? 2 : 1;
        }
        form->Command4_Click();
        if (cancel) return;
        artwork = Picture{CanvasImage::kHeight, shadow}.asOpened();
        if (!savedOnce) offers.push_back({target, &*artwork});
        savedOnce = true;
    }

    void runEvent(Event& e)
    {
        const int r = random.below(1000);
        if (r < 300) pressDirect(e);
        else if (r < 620) moveDirect(e);
        else if (r < 760) releaseDirect(e);
        else if (r < 790) mouseThroughQt(e);
        else if (r < 840) chooseTool(e);
        else if (r < 890) chooseSwatch(e);
        else if (r < 920) choosePencil(e);
        else if (r < 940) chooseColourInDialog(e);
        else if (r < 942) open(e);
        else if (r < 943) save(e);
        else moveDirect(e);
    }

    // The canvas against the shadow of what it held before the event.
    std::string canvasProblem(const Event& e)
    {
        const Colour* now = canvas().data();
        if (e.opened) {
            if (std::memcmp(now, e.opened->data(), kPixels * sizeof(Colour)) != 0)
                return "the canvas does not hold the picture as opened";
            shadow.assign(now, now + kPixels);
            return {};
        }
        for (int y = 0; y < CanvasImage::kHeight; ++y) {
            const std::size_t row = static_cast<std::size_t>(y) * CanvasImage::kWidth;
            if (std::memcmp(now + row, shadow.data() + row, kRowBytes) == 0) continue;
            if (!e.mayPaint) return "the canvas changed at row " + std::to_string(y);
            for (int x = 0; x < CanvasImage::kWidth; ++x) {
                const Colour before = shadow[row + x], after = now[row + x];
                if (before == after) continue;
                const std::string where = " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                if (after == kPureBlack) return "paint became pure black" + where;
                if (before == kPureBlack && !(e.erasedPixel == std::make_pair(x, y) && after == kWhite))
                    return "an outline pixel changed" + where;
                shadow[row + x] = after;
            }
        }
        return {};
    }

    std::string stateProblem()
    {
        const Colour current = canvas().fillColour();
        if (current == kPureBlack) return "pure black is the current colour";
        if (current != model.colour) return "the current colour is not the one chosen";
        if (form->Label6->backColour() != current) return "Label6 does not show the current colour";
        if (form->CurrentTool != model.tool) return "CurrentTool is not the tool chosen";
        for (std::size_t i = 0; i < 4; ++i)
            if (form->Command3[i]->isEnabled() == (static_cast<int>(i) == model.tool))
                return "the disabled tool button is not the chosen tool's";
        if (form->PencilSize != model.size) return "PencilSize is not the size chosen";
        for (std::size_t i = 0; i < 3; ++i)
            if (form->Label3[i]->backColour() != (static_cast<int>(i) == model.size ? kPureBlack : form->backColour()))
                return "the black pencil-size square is not the chosen one";
        const QRect frame = form->Shape1->geometry();
        if (model.frame == kCollapsed) {
            if (frame != QRect(0, 0, 0, 0)) return "the frame is not collapsed";
        } else {
            const QRect swatch = form->Label1[static_cast<std::size_t>(model.frame)]->geometry();
            if (frame != swatch.adjusted(-2, -2, 2, 2)) return "the frame is not around the chosen swatch";
            if (form->Label1[static_cast<std::size_t>(model.frame)]->backColour() != current)
                return "the framed swatch is not the current colour";
        }
        if (form->PictureLoaded != model.loaded) return "PictureLoaded is wrong";
        if (form->Command4->isEnabled() != (model.loaded == 1)) return "the save button does not follow PictureLoaded";
        if (form->IsDrawing != model.drawing) return "IsDrawing is wrong";
        if (!platform.allAnswersUsed()) return "a scripted answer was left over";
        return {};
    }

    std::string filesProblem()
    {
        if (lastOffer == nullptr) return {};
        const QFileInfo info(lastOffer->path);
        if (lastOffer->path == path("missing.bmp") && info.exists()) return "opening a missing file made it";
        if (lastOffer->path == path("folder.bmp") && !info.isDir()) return "opening a folder removed it";
        if (lastOffer->recreateEmpty && info.exists()) return "an empty file chosen was kept";
        return {};
    }

    QTemporaryDir dir;
    Random random{static_cast<std::uint64_t>(fromEnvironment("PINTARO_SOAK_SEED", 20240229))};
    Model model;
    std::vector<Colour> shadow;
    std::vector<std::vector<Colour>> good;
    std::optional<std::vector<Colour>> artwork;
    std::vector<Offer> offers;
    const Offer* lastOffer = nullptr;
    Qt::MouseButton held = Qt::NoButton;
    bool savedOnce = false;
};

TEST_F(SoakTest, RandomUseKeepsOutlinesAndShowsEveryChoice)
{
    const long events = fromEnvironment("PINTARO_SOAK_EVENTS", 100000);
    QElapsedTimer clock;
    clock.start();
    long opens = 0;
    for (long i = 0; i < events; ++i) {
        Event e;
        lastOffer = nullptr;
        const std::size_t messagesBefore = platform.messages.size();
        runEvent(e);
        if (e.opened) ++opens;

        std::string problem = canvasProblem(e);
        if (problem.empty()) problem = stateProblem();
        if (problem.empty()) problem = filesProblem();
        if (problem.empty() && platform.messages.size() - messagesBefore != e.messages)
            problem = "showed " + std::to_string(platform.messages.size() - messagesBefore) + " messages";
        if (!problem.empty()) {
            FAIL() << "event " << i << " (" << e.name << "): " << problem;
        }
        if (platform.messages.size() > 1000 || platform.dialogs.size() > 1000) {
            platform.messages.clear();
            platform.dialogs.clear();
        }
        if (i % 256 == 0) QCoreApplication::processEvents();  // let the canvas repaint now and then
    }
    // The run must have reached what it is meant to stress.
    EXPECT_GT(opens, 0);
    EXPECT_TRUE(savedOnce || events < 20000);
    std::cout << "soak: " << events << " events, " << opens << " pictures opened, in " << clock.elapsed() << " ms\n";
}

}  // namespace
