#pragma once

#include "raster/Colour.h"
#include "raster/PixelRect.h"

#include <memory>

class frmAbout;

// Interface to the windows, as the handlers see them: the few settings of
// the main window's controls that change while the program runs, and the
// About dialog's window. Each front-end implements these with its own
// controls; the tests' implementation records what it is told.

// The About dialog's window. Closing it, by close() or any way the platform
// offers, runs the dialog's unload step.
class AboutWindow {
public:
    virtual ~AboutWindow() = default;

    // Without an owner window and not modal; in front and active.
    virtual void showInFront() = 0;
    virtual void close() = 0;
    // The whole window, frame and title bar included, as far as the platform
    // knows it yet.
    virtual int outerWidth() const = 0;
    virtual int outerHeight() const = 0;
    // Places the window's outer top-left corner, in layout units.
    virtual void moveTo(int left, int top) = 0;
};

class MainWindow {
public:
    virtual ~MainWindow() = default;

    // Places the whole window, frame included, in layout units (pixels at 96 dpi).
    virtual void placeOuter(int left, int top, int width, int height) = 0;
    virtual bool isVisible() const = 0;
    // The window's background, the system's button face.
    virtual Colour backColour() const = 0;

    virtual void setToolButtonEnabled(int index, bool enabled) = 0;  // Command3(index)
    virtual void setSaveButtonEnabled(bool enabled) = 0;             // Command4
    virtual void setCurrentColourBack(Colour colour) = 0;            // Label6
    virtual void setPencilSquareBack(int index, Colour colour) = 0;  // Label3(index)
    virtual void placeSelectionFrame(const PixelRect& place) = 0;    // Shape1

    virtual void focusCanvas() = 0;
    // Shows this part of the canvas image anew, soon; nothing for an empty rectangle.
    virtual void showCanvasChange(const PixelRect& changed) = 0;
    // Shows the whole canvas image now.
    virtual void refreshCanvas() = 0;

    // A new About dialog's window, for `dialog`'s handlers, not yet shown.
    virtual std::unique_ptr<AboutWindow> createAboutWindow(frmAbout& dialog) = 0;
};
