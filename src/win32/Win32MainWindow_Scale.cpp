// The main window at its dpi: every place in the layout is in units, turned
// into device pixels here, again whenever the window moves to a screen
// with another dpi.
#include "win32/Win32MainWindow.h"

#include "app/Layout.h"

void Win32MainWindow::applyScale()
{
    m_scaled.place(m_scale);
    m_picture1.setScale(m_scale, layout::kPicture1.place);
    m_buttonFaces.load(m_instance, m_scale);
}

void Win32MainWindow::paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_window, &paint);
    m_drawn.paint(dc);
    EndPaint(m_window, &paint);
}

void Win32MainWindow::pressed(POINT client)
{
    const int id = m_drawn.commandAt(client);
    if (id >= 0) command(id);
}

void Win32MainWindow::placeOuter(int left, int top, int width, int height)
{
    const PixelRect place{m_scale.toDevice(left), m_scale.toDevice(top), m_scale.toDevice(width),
                          m_scale.toDevice(height)};
    // At 96 dpi start-up asks for the place the window was made at; moving
    // it there anyway costs a round of messages before it can show.
    RECT now{};
    if (GetWindowRect(m_window, &now) && now.left == place.left && now.top == place.top
        && now.right == place.right() && now.bottom == place.bottom())
        return;
    SetWindowPos(m_window, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::placeSelectionFrame(const PixelRect& place)
{
    m_drawn.placeSelectionFrame(place);
}
