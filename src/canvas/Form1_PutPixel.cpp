#include "app/Form1.h"

#include "raster/Rounding.h"

void Form1::PutPixel(float x, float y, Colour colour)
{
    // The stamp is centred on the pixel the point rounds to, the same pixel
    // a press reads and a stroke continues from.
    const PixelRect changed = Picture1.stampSquare(roundToPixel(x), roundToPixel(y), PencilSize, colour);
    if (m_unshown)
        *m_unshown = m_unshown->united(changed);  // a mouse handler shows it when it ends
    else
        m_window.showCanvasChange(changed);
}
