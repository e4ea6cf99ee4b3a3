#include "SoakFixture.h"

#include <cstring>

namespace soak {

namespace {
constexpr std::size_t kRowBytes = CanvasImage::kWidth * sizeof(CanvasImage::StoredPixel);

std::string rectText(const PixelRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x"
        + std::to_string(r.height);
}

std::string where(int x, int y)
{
    return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

// The canvas against the shadow of what it held before the event. After each
// event the pixels the window was asked to show are compared; `everywhere`
// compares all of them, which catches a change that was never shown (a
// whole-canvas comparison after every event would take most of the run).
std::string SoakFixture::canvasProblem(const Event& e, bool everywhere)
{
    const CanvasImage::StoredPixel* now = canvas().words();
    if (e.opened) {
        for (std::size_t i = 0; i < kPixels; ++i)
            if (CanvasImage::fromStored(now[i]) != (*e.opened)[i]) return "the canvas does not hold the picture as opened";
        if (window.refreshes == refreshesBefore) return "the opened picture was not shown";
        shadow.assign(now, now + kPixels);
        return {};
    }
    // Each event is one handler, which shows what it changed, once.
    const std::vector<PixelRect>& shown = window.canvasChanges;
    if (shown.size() > 1) return "showed " + std::to_string(shown.size()) + " rectangles for one event";
    const PixelRect area = shown.empty() ? PixelRect{} : shown[0];
    if (!area.isEmpty() && !e.mayPaint) return "showed " + rectText(area) + " but may not paint";
    if (!area.isEmpty() && !(CanvasImage::whole().united(area) == CanvasImage::whole()))
        return "showed " + rectText(area) + ", beyond the canvas";

    PixelRect changed;
    for (int y = area.top; y < area.bottom(); ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * CanvasImage::kWidth;
        for (int x = area.left; x < area.right(); ++x) {
            const Colour before = CanvasImage::fromStored(shadow[row + x]);
            const Colour after = CanvasImage::fromStored(now[row + x]);
            if (before == after) continue;
            if (after == kPureBlack) return "paint became pure black" + where(x, y);
            if (before == kPureBlack && !(e.erasedPixel == std::make_pair(x, y) && after == kWhite))
                return "an outline pixel changed" + where(x, y);
            shadow[row + x] = now[row + x];
            changed = changed.united(PixelRect::point(x, y));
        }
    }
    // An eraser press may show its pixel even when it was white already.
    const bool erasedWhite = e.erasedPixel && area == PixelRect::point(e.erasedPixel->first, e.erasedPixel->second);
    if (!(changed == area) && !erasedWhite)
        return "showed " + rectText(area) + ", but changed " + rectText(changed);

    if (!everywhere) return {};
    for (int y = 0; y < CanvasImage::kHeight; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * CanvasImage::kWidth;
        if (std::memcmp(now + row, shadow.data() + row, kRowBytes) == 0) continue;
        int x = 0;
        while (now[row + x] == shadow[row + x]) ++x;
        return "the canvas changed" + where(x, y) + " without being shown, in one of the last events";
    }
    return {};
}

std::string SoakFixture::stateProblem()
{
    const Colour current = canvas().fillColour();
    if (current == kPureBlack) return "pure black is the current colour";
    if (current != model.colour) return "the current colour is not the one chosen";
    if (window.currentColourBack != current) return "Label6 does not show the current colour";
    if (form->CurrentTool != model.tool) return "CurrentTool is not the tool chosen";
    for (std::size_t i = 0; i < 4; ++i)
        if (window.toolEnabled[i] == (static_cast<int>(i) == model.tool))
            return "the disabled tool button is not the chosen tool's";
    if (form->PencilSize != model.size) return "PencilSize is not the size chosen";
    for (std::size_t i = 0; i < 3; ++i)
        if (window.pencilSquareBack[i] != (static_cast<int>(i) == model.size ? kPureBlack : window.backColour()))
            return "the black pencil-size square is not the chosen one";
    const PixelRect frame = window.selectionFrame;
    if (model.frame == kCollapsed) {
        if (!(frame == PixelRect{})) return "the frame is not collapsed";
    } else {
        const PixelRect swatch = layout::swatchPlace(model.frame);
        if (!(frame == PixelRect{swatch.left - 2, swatch.top - 2, swatch.width + 4, swatch.height + 4}))
            return "the frame is not around the chosen swatch";
        if (kPalette[model.frame] != current) return "the framed swatch is not the current colour";
    }
    if (form->PictureLoaded != model.loaded) return "PictureLoaded is wrong";
    if (window.saveEnabled != (model.loaded == 1)) return "the save button does not follow PictureLoaded";
    if (form->IsDrawing != model.drawing) return "IsDrawing is wrong";
    if (!platform.allAnswersUsed()) return "a scripted answer was left over";
    return {};
}

}  // namespace soak
