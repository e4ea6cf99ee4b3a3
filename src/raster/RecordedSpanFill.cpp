#include "raster/SpanFill.h"

namespace spanfill {

PixelRect recordedSpanFill(Pixel* pixels, int x, int y, Pixel surface, Pixel fill, CanvasRecorder& recorder)
{
    recorder.fillStarts(surface, fill);
    return spanFill(pixels, x, y, surface, fill,
                    [&recorder](int row, int left, int right) { recorder.filledRun(row, left, right); });
}

}  // namespace spanfill
