#include "app/Form1.h"

#include "bitmap/Module1.h"

// Gated like a canvas press: a stroke half made, or the About dialog open,
// leaves the picture alone.

void Form1::undo()
{
    if (IsDrawing == 1 || Module1::AboutRequested != 0) return;
    m_window.showCanvasChange(m_history.undo());
}

void Form1::redo()
{
    if (IsDrawing == 1 || Module1::AboutRequested != 0) return;
    m_window.showCanvasChange(m_history.redo());
}
