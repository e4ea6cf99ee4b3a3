#include "app/Form1.h"

#include "app/Layout.h"

#include <cstddef>

void Form1::Command3_Click(std::int16_t index)
{
    m_window.setToolButtonEnabled(CurrentTool, true);
    m_window.setToolButtonEnabled(index, false);
    CurrentTool = index;
    // During start-up the window is not visible yet and the focus stays put.
    if (m_window.isVisible()) m_window.focusCanvas();
}

void Form1::Label1_Click(std::int16_t index)
{
    Picture1.setFillColour(layout::kPalette.at(static_cast<std::size_t>(index)));
    m_window.setCurrentColourBack(Picture1.fillColour());
    const PixelRect swatch = layout::swatchPlace(index);
    m_window.placeSelectionFrame({swatch.left - 2, swatch.top - 2, swatch.width + 4, swatch.height + 4});
}

void Form1::Label3_Click(std::int16_t index)
{
    m_window.setPencilSquareBack(PencilSize, m_window.backColour());
    PencilSize = index;
    m_window.setPencilSquareBack(index, kPureBlack);
}

void Form1::Command1_Click()
{
    const Colour current = Picture1.fillColour();
    CommonDialog1.setColour(current);
    CommonDialog1.setFlags(kCcFullOpen);
    CommonDialog1.setAction(DialogAction::Color);
    const Colour chosen = CommonDialog1.colour() & 0x00FFFFFF;
    if (chosen == current) return;  // cancelled, or the colour already current
    if (chosen == kPureBlack) {
        // Pure black is kept for outlines: the child gets white instead.
        Label1_Click(8);
        return;
    }
    takeUnlistedColour(chosen);
}

void Form1::takeUnlistedColour(Colour colour)
{
    Picture1.setFillColour(colour);
    m_window.setCurrentColourBack(Picture1.fillColour());
    m_window.placeSelectionFrame({0, 0, 0, 0});
}
