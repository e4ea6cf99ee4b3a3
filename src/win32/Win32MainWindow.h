#pragma once

#include "app/Layout.h"
#include "app/Window.h"
#include "win32/ButtonFaces.h"
#include "win32/CanvasView.h"
#include "win32/DrawnControls.h"
#include "win32/ScaledControls.h"

#include <windows.h>

#include <shellapi.h>

#include <array>

class DrawnAccessible;
class Form1;

// The main window in plain Win32: every control of the layout at its place,
// each event turned into a call of Form1's handlers, and the settings the
// handlers change shown on the controls.
class Win32MainWindow : public MainWindow {
public:
    explicit Win32MainWindow(HINSTANCE instance);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Nullptr when Windows could not make the window.
    HWND handle() const { return m_window; }
    // Sends the controls' events to `form` and shows its canvas image; false
    // when the canvas bitmap could not be made.
    bool attach(Form1& form);
    void show(int how);

    // In layout units: device pixels at the window's dpi.
    void placeOuter(int left, int top, int width, int height) override;
    bool isVisible() const override;
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

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createControls();
    HWND createControl(const wchar_t* windowClass, const char* text, DWORD style, const PixelRect& place, int id);
    HWND createPictureButton(const PixelRect& place, int id, int icon, const char* name);
    // Made once the window shows: no tip is wanted before the first hover.
    void addToolTips();
    void command(int id);
    void restoreFocus();
    void activated();
    // Places every control, its font and the icons at m_scale.
    void applyScale();
    void paint();
    // A press on the window's own face: a drawn control's click.
    void pressed(POINT client);
    // Files dropped on the window become pictures to colour.
    void dropped(HDROP drop);

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    Form1* m_form = nullptr;
    HWND m_lastFocus = nullptr;  // given back when the window is active again
    DisplayScale m_scale;
    ScaledControls m_scaled;     // every control placed by its layout units

    // Controls, named as on the form they model; the captions, swatches,
    // current colour, pencil-size squares and selection frame are drawn.
    CanvasView m_picture1;
    HWND m_command1 = nullptr;         // "More Colors"
    HWND m_command2 = nullptr;         // open
    std::array<HWND, 4> m_command3{};  // tools
    HWND m_command4 = nullptr;         // save
    HWND m_command5 = nullptr;         // Exit
    HWND m_command6 = nullptr;         // About
    DrawnControls m_drawn{m_scale};
    DrawnAccessible* m_accessible = nullptr;  // made when a screen reader asks
    HWND m_toolTips = nullptr;

    ButtonFaces m_buttonFaces;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
};
