#pragma once

#include "app/CommonDialog.h"
#include "app/Platform.h"
#include "app/Window.h"
#include "history/UndoHistory.h"
#include "raster/CanvasImage.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

class frmAbout;

// The main window's drawing state and handlers, toolkit-free. Declared once
// here; each subsystem defines its handlers in its own folder. The window it
// drives and the platform it calls are the front-end's. State is public, as
// on the form it models: other parts of the program (and the tests) reach it
// by name.
class Form1 {
public:
    Form1(MainWindow& window, Platform& platform);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // ---------------------------------------------------------------------
    // Start-up and window geometry (app/)
    // ---------------------------------------------------------------------
    // False when the screen is too small: the message has been shown and the
    // program must end without showing the window.
    bool Form_Load();
    void Command5_Click();

    // ---------------------------------------------------------------------
    // Drawing selections (selection/)
    // ---------------------------------------------------------------------
    void Command3_Click(std::int16_t index);
    void Label1_Click(std::int16_t index);
    void Label3_Click(std::int16_t index);
    void Command1_Click();
    // The current colour becomes `colour` with no swatch marked (the Color
    // dialog's and the grab tool's way).
    void takeUnlistedColour(Colour colour);

    // ---------------------------------------------------------------------
    // Canvas painting (canvas/)
    // ---------------------------------------------------------------------
    // Positions in canvas pixels; the button and shift state are VB's codes.
    void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void PutPixel(float x, float y, Colour colour);

    // ---------------------------------------------------------------------
    // Picture files (files/)
    // ---------------------------------------------------------------------
    void Command2_Click();
    void Command4_Click();

    // ---------------------------------------------------------------------
    // Colouring pages (pages/)
    // ---------------------------------------------------------------------
    // Images dropped on the window or named on the command line: each is
    // made into a picture in the pictures folder, and the last one made is
    // opened as the Open dialog's choice would be. Ignored while the About
    // dialog is open or during a stroke, as canvas presses are.
    void ImportPages(const std::vector<std::filesystem::path>& paths);

    // ---------------------------------------------------------------------
    // About dialog (about/)
    // ---------------------------------------------------------------------
    void Command6_Click();
    void Form_Activate();
    // The loaded dialog, or nullptr.
    frmAbout* aboutDialog() const;

    // ---------------------------------------------------------------------
    // Undo and redo (history/)
    // ---------------------------------------------------------------------
    // A step is what one canvas press changed until its release. undo() puts
    // the last step's pixels back as they were, redo() makes an undone step
    // again; nothing else changes, and only the step's rectangle is shown
    // anew. Neither acts during a stroke or while the About dialog is open.
    void undo();
    void redo();
    const UndoHistory& history() const { return m_history; }

    // ---------------------------------------------------------------------
    // Printing (print/)
    // ---------------------------------------------------------------------
    // Ctrl+P: the canvas image on paper through the system's print dialog.
    // Gated like a canvas press, and only once a picture is loaded; changes
    // nothing of the form.
    void PrintArtwork();

    // ---------------------------------------------------------------------
    // Drawing state, 0 when the program starts
    // ---------------------------------------------------------------------
    std::int16_t CurrentTool = 0;  // 0 draw, 1 fill, 2 erase, 3 grab
    std::int16_t PencilSize = 0;   // stamp is 2 * PencilSize + 1 pixels square
    std::int16_t IsDrawing = 0;
    std::int16_t LastX = 0;
    std::int16_t LastY = 0;
    std::int16_t PictureLoaded = 0;

    // The canvas image of Picture1, which the front-end shows; its fill
    // colour is the current colour.
    CanvasImage Picture1;
    CommonDialog CommonDialog1;

private:
    // A refusal or failure in the program's error style: titled
    // kErrorTitle, with the critical icon and OK.
    void showError(const std::string& text);
    // Opens a chosen picture onto the canvas, or says why it cannot.
    void openChosenPicture(const std::filesystem::path& path);

    MainWindow& m_window;
    Platform& m_platform;
    std::unique_ptr<frmAbout> m_about;
    // While a canvas mouse handler runs: what it has painted and not yet shown.
    PixelRect* m_unshown = nullptr;
    // After Picture1, so it is made after the image and gone before it.
    UndoHistory m_history{Picture1};
};
