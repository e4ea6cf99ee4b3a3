#pragma once

#include "app/DisplayScale.h"
#include "app/Window.h"
#include "win32/ScaledControls.h"

#include <windows.h>

// The About dialog in plain Win32: a white window of its own, no owner, not
// modal, with the logo, the maker and the two links, each event handed to
// the core's frmAbout. However the window goes, the dialog's unload step
// runs once, before the main window is activated again; once this object is
// deleted nothing calls back. Its layout is in units, drawn at the
// window's dpi; sizes and places given to the core are in units too.
class Win32AboutWindow : public AboutWindow {
public:
    Win32AboutWindow(HINSTANCE instance, frmAbout& handlers, HICON smallIcon, HICON bigIcon);
    ~Win32AboutWindow() override;
    Win32AboutWindow(const Win32AboutWindow&) = delete;
    Win32AboutWindow& operator=(const Win32AboutWindow&) = delete;

    void showInFront() override;
    void close() override;
    int outerWidth() const override;
    int outerHeight() const override;
    void moveTo(int left, int top) override;

    HWND handle() const { return m_window; }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createControls();
    HWND createLabel(const char* text, int left, int top, int width, int id);
    void applyScale();
    void paint();
    void unloadOnce();

    HINSTANCE m_instance;
    frmAbout* m_handlers;
    HWND m_window = nullptr;
    DisplayScale m_scale;
    ScaledControls m_scaled;
    HWND m_cmdOK = nullptr;
    HWND m_label1 = nullptr;  // web link
    HWND m_label4 = nullptr;  // mail link
    HBITMAP m_logo = nullptr;
    HBITMAP m_maker = nullptr;
};
