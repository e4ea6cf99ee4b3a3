#pragma once

#include "app/Window.h"
#include "qt/CanvasWidget.h"
#include "qt/ColourLabel.h"
#include "qt/FrameShape.h"
#include "qt/PictureButton.h"

#include <QWidget>

#include <array>

class Form1;

// The main window in Qt widgets: every control at its place, each of its
// events turned into a call of Form1's handlers, and the settings the
// handlers change shown on the controls.
class QtMainWindow : public QWidget, public MainWindow {
    Q_OBJECT
public:
    explicit QtMainWindow(QWidget* parent = nullptr);

    // Sends the controls' events to `form` and shows its canvas image.
    void attach(Form1& form);

    void placeOuter(int left, int top, int width, int height) override;
    bool isVisible() const override { return QWidget::isVisible(); }
    Colour backColour() const override;
    void setToolButtonEnabled(int index, bool enabled) override;
    void setSaveButtonEnabled(bool enabled) override;
    void setCurrentColourBack(Colour colour) override;
    void setPencilSquareBack(int index, Colour colour) override;
    void placeSelectionFrame(const PixelRect& place) override;
    void focusCanvas() override;
    void showCanvasChange(const PixelRect& changed) override;
    void refreshCanvas() override;
    std::unique_ptr<AboutWindow> createAboutWindow(frmAbout& dialog) override;

    // Controls, named as on the form they model.
    CanvasWidget* Picture1 = nullptr;
    FrameShape* Shape1 = nullptr;  // selection frame around the chosen swatch
    std::array<FrameShape*, 6> groupFrames{};
    std::array<CaptionLabel*, 5> captions{};  // Label7, Label5, Label2, Label4, Label8
    std::array<ColourLabel*, 9> Label1{};     // palette swatches
    ColourLabel* Label6 = nullptr;            // current colour
    std::array<ColourLabel*, 3> Label3{};     // pencil-size squares
    QPushButton* Command1 = nullptr;          // "More Colors"
    PictureButton* Command2 = nullptr;        // open
    std::array<PictureButton*, 4> Command3{};  // tools
    PictureButton* Command4 = nullptr;        // save
    QPushButton* Command5 = nullptr;          // Exit
    QPushButton* Command6 = nullptr;          // About

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void placeAgain();
    // Room for each one-line caption's text, whatever font stood in for the
    // dialog font.
    void fitCaptions();

    Form1* m_form = nullptr;
    QRect m_outer{0, 0, 800, 600};  // what placeOuter() asked for
    QSize m_frameUsed{-1, -1};      // the frame the last placing allowed for
    bool m_captionsFitted = false;
};
