#include "app/Form1.h"

#include "bitmap/Module1.h"
#include "canvas/DragLine.h"
#include "raster/Rounding.h"

#include <optional>

namespace {

enum Tool : std::int16_t { Draw = 0, Fill = 1, Erase = 2, Grab = 3 };

// Gathers what one handler paints so the canvas repaints that rectangle
// once, when the handler ends, instead of once per stamp.
class ShownAtEnd {
public:
    ShownAtEnd(PixelRect*& slot, MainWindow& window) : m_slot(slot), m_outer(slot), m_window(window)
    {
        m_slot = &m_changed;
    }
    ~ShownAtEnd()
    {
        m_slot = m_outer;
        m_window.showCanvasChange(m_changed);
    }
    ShownAtEnd(const ShownAtEnd&) = delete;
    ShownAtEnd& operator=(const ShownAtEnd&) = delete;

    void add(const PixelRect& rect) { m_changed = m_changed.united(rect); }

private:
    PixelRect*& m_slot;
    PixelRect* m_outer;
    MainWindow& m_window;
    PixelRect m_changed;
};

// Fill and grab act only on a colour of the picture: not on an outline, and
// not on the border around the drawing area, which reads as no colour at all.
bool isColourToTake(std::int32_t pixel)
{
    return pixel != static_cast<std::int32_t>(kPureBlack) && pixel != kOutsidePixel;
}

}  // namespace

// The button and shift state are not looked at: every button paints alike.
void Form1::Picture1_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    if (PictureLoaded != 1) {
        if (Module1::AboutRequested == 0) Command2_Click();
        return;
    }
    if (Module1::AboutRequested != 0) return;

    m_history.beginStep();
    ShownAtEnd shown(m_unshown, m_window);
    CanvasImage& canvas = Picture1;
    switch (CurrentTool) {
    case Draw:
        PutPixel(x, y, canvas.fillColour());
        IsDrawing = 1;
        break;
    case Fill: {
        const std::int32_t under = canvas.readPixel(x, y);
        if (isColourToTake(under))
            shown.add(canvas.floodFillSurface(roundToPixel(x), roundToPixel(y), static_cast<Colour>(under)));
        break;
    }
    case Erase:
        // Only the press reaches the outline under the pointer; the drag spares it.
        shown.add(canvas.setPixel(x, y, kWhite));
        IsDrawing = 1;
        break;
    case Grab: {
        const std::int32_t under = canvas.readPixel(x, y);
        if (isColourToTake(under)) takeUnlistedColour(static_cast<Colour>(under));
        break;
    }
    default:
        break;
    }
    // Refused fills and grabs too: the next stroke starts from here.
    LastX = roundToPixel(x);
    LastY = roundToPixel(y);
    // A press that starts no stroke is its own step; a stroke's ends with its release.
    if (IsDrawing != 1) m_history.endStep();
}

void Form1::Picture1_MouseMove(std::int16_t, std::int16_t, float x, float y)
{
    if (IsDrawing != 1) return;

    // The tool may have changed by keyboard during the stroke.
    std::optional<Colour> stroke;
    if (CurrentTool == Draw) stroke = Picture1.fillColour();
    if (CurrentTool == Erase) stroke = kWhite;

    if (stroke) {
        ShownAtEnd shown(m_unshown, m_window);
        const DragLine line(LastX, LastY, x, y);
        const DragLine::Range steps = line.stepsTouching(PencilSize, CanvasImage::kWidth, CanvasImage::kHeight);
        for (int i = steps.first; i <= steps.last; ++i)
            PutPixel(static_cast<float>(line.xAt(i)), static_cast<float>(line.yAt(i)), *stroke);
    }
    LastX = roundToPixel(x);
    LastY = roundToPixel(y);
}

void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float, float)
{
    IsDrawing = 0;
    m_history.endStep();
}
