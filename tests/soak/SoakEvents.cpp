#include "SoakFixture.h"

namespace soak {

std::pair<float, float> SoakFixture::nextPoint()
{
    if (random.below(10) < 7)  // mostly short steps, so strokes hang together
        return {static_cast<float>(form->LastX) + coordinate(-12, 12),
                static_cast<float>(form->LastY) + coordinate(-12, 12)};
    return {coordinate(-50, 750), coordinate(-50, 620)};
}

// What a press at (x, y) does under the chosen tool, in the model.
void SoakFixture::expectPress(Event& e, float x, float y)
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
        const Colour under = inside ? CanvasImage::fromStored(shadow[static_cast<std::size_t>(py) * CanvasImage::kWidth + px]) : 0;
        if (inside && under != kPureBlack) {
            model.colour = under;
            model.frame = kCollapsed;
        }
        break;
    }
    }
}

void SoakFixture::expectMove(Event& e)
{
    e.name = "move";
    e.mayPaint = model.drawing == 1 && (model.tool == 0 || model.tool == 2);
}

void SoakFixture::pressDirect(Event& e)
{
    const auto [x, y] = random.oneIn(3) ? std::pair{coordinate(-50, 750), coordinate(-50, 620)} : nextPoint();
    expectPress(e, x, y);
    const std::int16_t b = button();
    form->Picture1_MouseDown(b, shift(), x, y);
}

void SoakFixture::moveDirect(Event& e)
{
    const auto [x, y] = nextPoint();
    expectMove(e);
    const std::int16_t b = random.oneIn(2) ? 0 : button();
    form->Picture1_MouseMove(b, shift(), x, y);
}

void SoakFixture::releaseDirect(Event& e)
{
    const auto [x, y] = nextPoint();
    e.name = "release";
    model.drawing = 0;
    const std::int16_t b = button();
    form->Picture1_MouseUp(b, shift(), x, y);
}

void SoakFixture::chooseTool(Event& e)
{
    const auto i = static_cast<std::int16_t>(random.below(4));
    e.name = "tool";
    model.tool = i;
    form->Command3_Click(i);
}

void SoakFixture::chooseSwatch(Event& e)
{
    const auto i = static_cast<std::int16_t>(random.below(9));
    e.name = "swatch";
    model.colour = kPalette[i];
    model.frame = i;
    form->Label1_Click(i);
}

void SoakFixture::choosePencil(Event& e)
{
    const auto i = static_cast<std::int16_t>(random.below(3));
    e.name = "pencil size";
    model.size = i;
    form->Label3_Click(i);
}

void SoakFixture::chooseColourInDialog(Event& e)
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
    form->Command1_Click();
}

// Through the open button, or before any picture by a press on the canvas.
void SoakFixture::open(Event& e)
{
    e.name = "open";
    const bool cancel = random.oneIn(8);
    const Offer& offer = offers[static_cast<std::size_t>(random.below(static_cast<int>(offers.size())))];
    const bool byPress = model.loaded == 0 && random.oneIn(2);
    if (offer.recreateEmpty) write(offer.path, {});
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
    } else {
        form->Command2_Click();
    }
}

// Saving changes nothing on the canvas; the saved artwork then opens like
// any picture (a row down, its top row drawn again).
void SoakFixture::save(Event& e)
{
    e.name = "save";
    const bool cancel = !random.oneIn(5);
    if (model.loaded != 1) {
        form->Command4_Click();
        return;
    }
    const std::filesystem::path target = path("artwork.bmp");
    if (cancel) {
        platform.cancelFileDialog();
    } else {
        platform.answerFileDialog(target);
        // A second save asks before replacing (the script answers Yes).
        std::error_code error;
        e.messages = std::filesystem::file_size(target, error) > 0 && !error ? 2 : 1;
    }
    form->Command4_Click();
    if (cancel) return;
    artwork = Picture{CanvasImage::kHeight, pixelsOf(canvas())}.asOpened();
    if (!savedOnce) offers.push_back({target, &*artwork});
    savedOnce = true;
}

void SoakFixture::runEvent(Event& e)
{
    window.canvasChanges.clear();
    refreshesBefore = window.refreshes;
    const int r = random.below(1000);
    if (r < 315) pressDirect(e);
    else if (r < 635) moveDirect(e);
    else if (r < 790) releaseDirect(e);
    else if (r < 840) chooseTool(e);
    else if (r < 890) chooseSwatch(e);
    else if (r < 920) choosePencil(e);
    else if (r < 940) chooseColourInDialog(e);
    else if (r < 942) open(e);
    else if (r < 943) save(e);
    else moveDirect(e);
}

}  // namespace soak
