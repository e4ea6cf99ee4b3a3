#include "app/Form1.h"

void Form1::Command3_Click(std::int16_t index)
{
    Command3.at(static_cast<std::size_t>(CurrentTool))->setEnabled(true);
    Command3.at(static_cast<std::size_t>(index))->setEnabled(false);
    CurrentTool = index;
    // During start-up the window is not visible yet and the focus stays put.
    if (isVisible()) Picture1->setFocus(Qt::OtherFocusReason);
}

void Form1::Label1_Click(std::int16_t index)
{
    const ColourLabel* swatch = Label1.at(static_cast<std::size_t>(index));
    Picture1->image().setFillColour(swatch->backColour());
    Label6->setBackColour(Picture1->image().fillColour());
    Shape1->setLeft(swatch->x() - 2);
    Shape1->setTop(swatch->y() - 2);
    Shape1->setHeight(swatch->height() + 4);
    Shape1->setWidth(swatch->width() + 4);
}

void Form1::Label3_Click(std::int16_t index)
{
    Label3.at(static_cast<std::size_t>(PencilSize))->setBackColour(backColour());
    PencilSize = index;
    Label3.at(static_cast<std::size_t>(index))->setBackColour(kPureBlack);
}

void Form1::Command1_Click()
{
    const Colour current = Picture1->image().fillColour();
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
    Picture1->image().setFillColour(colour);
    Label6->setBackColour(Picture1->image().fillColour());
    Shape1->setLeft(0);
    Shape1->setTop(0);
    Shape1->setHeight(0);
    Shape1->setWidth(0);
}
