#pragma once

#include "app/Platform.h"

class QPrinter;
class QWidget;

// Printing in two steps: the dialog, where a person chooses the printer and
// the page, and the page itself, which a test makes onto a PDF printer
// without anyone at a dialog. Built into the module pintaro-print beside the
// program, the only user of Qt Print Support, which the program loads at its
// first print.

// The settings the dialog first shows: landscape, in colour, the job named
// after the program.
void preparePrinter(QPrinter& printer);
// Qt's print dialog, modal to `owner`; false when cancelled.
bool choosePrinter(QPrinter& printer, QWidget* owner);
// One page on the chosen printer, the image where canvasPlaceOnPage puts it
// in the printable area, each pixel a sharp block.
PrintResult printCanvasImage(QPrinter& printer, const CanvasImage& image);

// The whole print: the printer chosen in the dialog, then the page.
PrintResult printWithDialog(const CanvasImage& image, QWidget* owner);

// The module's one entry, found by this name.
inline constexpr char kPrintEntry[] = "pintaroPrintImage";
using PrintEntry = void (*)(const CanvasImage* image, QWidget* owner, PrintResult* result);
