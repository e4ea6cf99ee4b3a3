#include "raster/SpanFill.h"

PixelRect CanvasImage::floodFillSurface(int x, int y, Colour surface)
{
    surface &= 0x00FFFFFF;
    if (!contains(x, y) || pixel(x, y) != surface || m_fillColour == surface) return {};
    // Compared as stored: the conversion is one to one, so equal colours are equal words.
    const spanfill::Pixel from = toStored(surface);
    const spanfill::Pixel to = toStored(m_fillColour);
    if (m_recorder) return spanfill::recordedSpanFill(m_pixels, x, y, from, to, *m_recorder);
    return spanfill::spanFill(m_pixels, x, y, from, to, [](int, int, int) {});
}
