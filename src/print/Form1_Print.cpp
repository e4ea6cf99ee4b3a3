#include "app/Form1.h"

#include "bitmap/Module1.h"

#include <string>

void Form1::PrintArtwork()
{
    // Gated like a canvas press; the picture itself must be there to print.
    if (PictureLoaded != 1 || IsDrawing == 1 || Module1::AboutRequested != 0) return;
    const PrintResult result = m_platform.printImage(Picture1);
    std::string reason;
    switch (result.outcome) {
    case PrintOutcome::Printed:
    case PrintOutcome::Cancelled: return;
    case PrintOutcome::NoPrinter: reason = "No Printer Is Installed"; break;
    case PrintOutcome::Failed: reason = result.reason.empty() ? "The Printer Reported A Problem" : result.reason; break;
    }
    showError("Your Artwork Could Not Be Printed" + kLineBreak + reason);
}
