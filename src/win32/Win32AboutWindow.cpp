#include "win32/Win32AboutWindow.h"

#include "about/frmAbout.h"
#include "raster/PixelRect.h"
#include "win32/CommonControls.h"
#include "win32/DialogFont.h"
#include "win32/DialogKeys.h"
#include "win32/Dpi.h"
#include "win32/Resources.h"
#include "win32/Text.h"
#include "win32/WindowProc.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace {

const wchar_t kClassName[] = L"PintaroAbout";
// A fixed border with title bar and close box; no minimise, no maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kClientWidth = 318;
constexpr int kClientHeight = 246;
constexpr COLORREF kLinkColour = 0x00C00000;
constexpr COLORREF kLineColour = 0x00808080;
enum ControlId { kLabel1 = 301, kLabel4 = 304 };

// The bitmap at the box's top-left corner, cut at the box's edges; enlarged
// pixel by pixel with the scale, as the box is.
void drawInBox(HDC dc, HBITMAP bitmap, const PixelRect& box, const DisplayScale& scale)
{
    BITMAP size{};
    if (!bitmap || !GetObjectW(bitmap, sizeof size, &size)) return;
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const int width = std::min(box.width, static_cast<int>(size.bmWidth));
    const int height = std::min(box.height, static_cast<int>(size.bmHeight));
    SetStretchBltMode(dc, COLORONCOLOR);
    const PixelRect shown = scale.toDevice(PixelRect{box.left, box.top, width, height});
    StretchBlt(dc, shown.left, shown.top, shown.width, shown.height, memory, 0, 0, width, height, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace

Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, frmAbout& handlers, HICON smallIcon, HICON bigIcon)
    : m_instance(instance), m_handlers(&handlers)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = routeToOwner<Win32AboutWindow>;
    windowClass.hInstance = instance;
    windowClass.hIcon = bigIcon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly from the second dialog on

    const CommonControls look;
    m_window = CreateWindowExW(0, kClassName, wideText(frmAbout::kCaption).c_str(), kStyle, 0, 0, kClientWidth,
                               kClientHeight, nullptr, nullptr, instance, this);
    if (!m_window) return;
    m_scale = windowScale(m_window);
    m_logo = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0, 0));
    m_maker = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_MAKER), IMAGE_BITMAP, 0, 0, 0));
    createControls();
    applyScale();
    giveDialogKeys(m_window);
}

Win32AboutWindow::~Win32AboutWindow()
{
    m_handlers = nullptr;
    if (m_window) DestroyWindow(m_window);
    if (m_logo) DeleteObject(m_logo);
    if (m_maker) DeleteObject(m_maker);
}

HWND Win32AboutWindow::createLabel(const char* text, int left, int top, int width, int id)
{
    DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    if (id != -1) style |= SS_NOTIFY;
    const HWND label = CreateWindowExW(0, WC_STATICW, wideText(text).c_str(), style, 0, 0, 0, 0, m_window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
    m_scaled.add(label, {left, top, width, 17}, id == -1 ? dialogFont : linkFont);
    return label;
}

void Win32AboutWindow::createControls()
{
    createLabel("Developed by", 8, 192, 73, -1);
    createLabel(frmAbout::kMakerName.c_str(), 8, 208, 97, -1);
    m_label4 = createLabel(frmAbout::kMailAddress.c_str(), 102, 208, 113, kLabel4);  // 1523 twips: the nearest pixel
    createLabel("Get The Latest Updates at", 8, 224, 129, -1);
    m_label1 = createLabel(frmAbout::kWebAddress.c_str(), 137, 224, 105, kLabel1);
    m_cmdOK = CreateWindowExW(0, WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0,
                              0, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), m_instance, nullptr);
    m_scaled.add(m_cmdOK, {261, 216, 52, 23});
}

// The client area, the controls and their fonts at m_scale.
void Win32AboutWindow::applyScale()
{
    RECT outer{};
    RECT client{};
    GetWindowRect(m_window, &outer);
    GetClientRect(m_window, &client);
    SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left - client.right + m_scale.toDevice(kClientWidth),
                 outer.bottom - outer.top - client.bottom + m_scale.toDevice(kClientHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_scaled.place(m_scale);
    InvalidateRect(m_window, nullptr, TRUE);
}

void Win32AboutWindow::showInFront()
{
    if (!m_window) return;
    ShowWindow(m_window, SW_SHOW);
    BringWindowToTop(m_window);
    SetForegroundWindow(m_window);
}

void Win32AboutWindow::close()
{
    if (!m_window) return;
    unloadOnce();
    DestroyWindow(m_window);
}

int Win32AboutWindow::outerWidth() const
{
    RECT outer{};
    GetWindowRect(m_window, &outer);
    return m_scale.toUnits(outer.right - outer.left);
}

int Win32AboutWindow::outerHeight() const
{
    RECT outer{};
    GetWindowRect(m_window, &outer);
    return m_scale.toUnits(outer.bottom - outer.top);
}

void Win32AboutWindow::moveTo(int left, int top)
{
    SetWindowPos(m_window, nullptr, m_scale.toDevice(left), m_scale.toDevice(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32AboutWindow::unloadOnce()
{
    // Before the window hides, so the main window, activated again as it
    // does, finds the dialog gone.
    if (frmAbout* handlers = std::exchange(m_handlers, nullptr)) handlers->Form_Unload();
}

LRESULT Win32AboutWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        // Enter sends IDOK, Escape IDCANCEL: both press OK.
        if ((id == IDOK || id == IDCANCEL) && m_handlers) m_handlers->cmdOK_Click();
        else if (id == kLabel1 && HIWORD(wParam) == STN_CLICKED && m_handlers) m_handlers->Label1_Click();
        else if (id == kLabel4 && HIWORD(wParam) == STN_CLICKED && m_handlers) m_handlers->Label4_Click();
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        // Transparent labels: the window has painted the white beneath them.
        const auto dc = reinterpret_cast<HDC>(wParam);
        const auto label = reinterpret_cast<HWND>(lParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, label == m_label1 || label == m_label4 ? kLinkColour : GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_SETCURSOR: {
        const auto under = reinterpret_cast<HWND>(wParam);
        if (under == m_label1 || under == m_label4) {
            SetCursor(LoadCursorW(nullptr, IDC_UPARROW));
            return TRUE;
        }
        break;
    }
    case WM_PAINT:
        paint();
        return 0;
    case WM_DPICHANGED:
        m_scale = takeSuggestedPlace(window, wParam, lParam);
        applyScale();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(m_cmdOK);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_DESTROY:
        unloadOnce();
        takeDialogKeys(window);
        return 0;
    case WM_NCDESTROY:
        forgetWindowOwner(window);
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32AboutWindow::paint()
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(m_window, &ps);
    drawInBox(dc, m_logo, {8, 8, 305, 129}, m_scale);
    drawInBox(dc, m_maker, {24, 152, 273, 33}, m_scale);
    // The line from (6, 144) to (312, 144), its end point blank as Windows draws lines.
    const PixelRect line = m_scale.toDevice(PixelRect{6, 144, 306, 1});
    const RECT lineRect{line.left, line.top, line.right(), line.top + std::max(1, line.height)};
    const HBRUSH brush = CreateSolidBrush(kLineColour);
    FillRect(dc, &lineRect, brush);
    DeleteObject(brush);
    EndPaint(m_window, &ps);
}
