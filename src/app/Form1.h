#pragma once

#include "app/CanvasWidget.h"
#include "app/ColourLabel.h"
#include "app/CommonDialog.h"
#include "app/FrameShape.h"
#include "app/PictureButton.h"
#include "app/Platform.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class frmAbout;

// The main window. Declared once here; each subsystem defines its handlers in
// its own folder. Controls and drawing state are public, as on the form
// they model: other parts of the program (and the tests) reach them by name.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Platform& platform() { return m_platform; }

    // ---------------------------------------------------------------------
    // Start-up and window geometry (app/)
    // ---------------------------------------------------------------------
    // False when the screen is too small: the message has been shown and the
    // program must end without showing the window.
    bool Form_Load();
    void Command5_Click();
    // Places the outer window, frame included, at (0, 0) with 800 by 600.
    void placeWindow();

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
    void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void PutPixel(float x, float y, Colour colour);

    // ---------------------------------------------------------------------
    // Picture files (files/)
    // ---------------------------------------------------------------------
    void Command2_Click();
    void Command4_Click();
    // The folder that holds the program's executable, links resolved.
    static QString programFolder();

    // ---------------------------------------------------------------------
    // About dialog (about/)
    // ---------------------------------------------------------------------
    void Command6_Click();
    void Form_Activate();
    frmAbout* aboutDialog() const;

    // ---------------------------------------------------------------------
    // Drawing state, 0 when the program starts
    // ---------------------------------------------------------------------
    std::int16_t CurrentTool = 0;    // 0 draw, 1 fill, 2 erase, 3 grab
    std::int16_t PencilSize = 0;     // stamp is 2 * PencilSize + 1 pixels square
    std::int16_t IsDrawing = 0;
    std::int16_t LastX = 0;
    std::int16_t LastY = 0;
    std::int16_t PictureLoaded = 0;

    // ---------------------------------------------------------------------
    // Controls
    // ---------------------------------------------------------------------
    CanvasWidget* Picture1 = nullptr;
    FrameShape* Shape1 = nullptr;  // selection frame around the chosen swatch
    FrameShape* Shape2 = nullptr;
    FrameShape* Shape3 = nullptr;
    FrameShape* Shape4 = nullptr;
    FrameShape* Shape6 = nullptr;
    FrameShape* Shape7 = nullptr;
    FrameShape* Shape8 = nullptr;
    CaptionLabel* Label2 = nullptr;  // "Paint Tools"
    CaptionLabel* Label4 = nullptr;  // "Pencil Sizes"
    CaptionLabel* Label5 = nullptr;  // "Current Color"
    CaptionLabel* Label7 = nullptr;  // "Color Select"
    CaptionLabel* Label8 = nullptr;  // "Picture Management"
    std::array<ColourLabel*, 9> Label1{};  // palette swatches
    ColourLabel* Label6 = nullptr;         // current colour
    std::array<ColourLabel*, 3> Label3{};  // pencil-size squares
    QPushButton* Command1 = nullptr;       // "More Colors"
    PictureButton* Command2 = nullptr;     // open
    std::array<PictureButton*, 4> Command3{};  // tools
    PictureButton* Command4 = nullptr;     // save
    QPushButton* Command5 = nullptr;       // Exit
    QPushButton* Command6 = nullptr;       // About
    CommonDialog CommonDialog1;

    // The window's background colour (button face), as 0x00BBGGRR.
    Colour backColour() const;

protected:
    bool event(QEvent* event) override;

private:
    void createControls();
    void connectControls();

    Platform& m_platform;
    QPointer<frmAbout> m_about;
    QSize m_frameUsed{-1, -1};  // the frame placeWindow() last allowed for
    // While a canvas mouse handler runs: what it has painted and not yet shown.
    PixelRect* m_unshown = nullptr;
};
