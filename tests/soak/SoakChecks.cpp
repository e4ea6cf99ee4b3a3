#include "SoakFixture.h"

#include <cstring>

namespace soak {

namespace {
constexpr std::size_t kRowBytes = CanvasImage::kWidth * sizeof(CanvasImage::StoredPixel);
}  // namespace

// The canvas against the shadow of what it held before the event.
std::string SoakFixture::canvasProblem(const Event& e)
{
    const CanvasImage::StoredPixel* now = canvas().words();
    if (e.opened) {
        for (std::size_t i = 0; i < kPixels; ++i)
            if (CanvasImage::fromStored(now[i]) != (*e.opened)[i]) return "the canvas does not hold the picture as opened";
        shadow.assign(now, now + kPixels);
        return {};
    }
    for (int y = 0; y < CanvasImage::kHeight; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * CanvasImage::kWidth;
        if (std::memcmp(now + row, shadow.data() + row, kRowBytes) == 0) continue;
        if (!e.mayPaint) return "the canvas changed at row " + std::to_string(y);
        for (int x = 0; x < CanvasImage::kWidth; ++x) {
            const Colour before = CanvasImage::fromStored(shadow[row + x]);
            const Colour after = CanvasImage::fromStored(now[row + x]);
            if (before == after) continue;
            const std::string where = " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (after == kPureBlack) return "paint became pure black" + where;
            if (before == kPureBlack && !(e.erasedPixel == std::make_pair(x, y) && after == kWhite))
                return "an outline pixel changed" + where;
            shadow[row + x] = now[row + x];
        }
    }
    return {};
}

std::string SoakFixture::stateProblem()
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

}  // namespace soak
