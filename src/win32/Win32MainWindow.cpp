#include "win32/Win32MainWindow.h"

#include "app/Form1.h"
#include "app/Layout.h"
#include "win32/DialogKeys.h"
#include "win32/DrawnAccessible.h"
#include "win32/Dpi.h"
#include "win32/MainWindowControls.h"
#include "win32/Resources.h"
#include "win32/Text.h"
#include "win32/Win32AboutWindow.h"
#include "win32/WindowProc.h"

#include <shellapi.h>
#include <windowsx.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const wchar_t kClassName[] = L"PintaroMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance) : m_instance(instance)
{
    CanvasView::registerClass(instance);
    // The taskbar and Alt+Tab show the program's icon; the title bar keeps the window's own.
    m_bigIcon = static_cast<HICON>(LoadImageW(instance, L"PINTARO", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    m_smallIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WINDOW), IMAGE_ICON, 16, 16, 0));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = routeToOwner<Win32MainWindow>;
    windowClass.hInstance = instance;
    windowClass.hIcon = m_bigIcon;
    windowClass.hIconSm = m_smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return;

    // Accepting dropped files by style, as DragAcceptFiles would, leaves
    // shell32 unloaded until the first drop.
    m_window = CreateWindowExW(WS_EX_ACCEPTFILES, kClassName, wideText(layout::kMainTitle).c_str(), kStyle, 0, 0,
                               layout::kOuterWidth, layout::kOuterHeight, nullptr, nullptr, instance, this);
    if (!m_window) return;
    m_scale = windowScale(m_window);
    createControls();
    giveDialogKeys(m_window);
}

Win32MainWindow::~Win32MainWindow()
{
    if (m_window) {
        forgetWindowOwner(m_window);
        DestroyWindow(m_window);
    }
    DestroyIcon(m_bigIcon);
    DestroyIcon(m_smallIcon);
}

bool Win32MainWindow::attach(Form1& form)
{
    m_form = &form;
    return m_picture1.attach(form);
}

void Win32MainWindow::show(int how)
{
    ShowWindow(m_window, how);
    UpdateWindow(m_window);
    addToolTips();
}

LRESULT Win32MainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // A button's BN_CLICKED is 0; a shortcut key comes as 1, with no
        // control. An owner-drawn button reports the second click of a
        // double click as BN_DOUBLECLICKED, where a push button clicks twice.
        if ((HIWORD(wParam) == 0 && lParam != 0) || (HIWORD(wParam) == 1 && lParam == 0)
            || (HIWORD(wParam) == BN_DOUBLECLICKED && lParam != 0))
            command(LOWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        if (m_buttonFaces.draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
        pressed({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case controls::kDrawnPressed:
        command(static_cast<int>(wParam));
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = DrawnAccessible::answer(m_accessible, window, m_drawn, wParam, lParam))
            return answer;
        break;
    case WM_DPICHANGED:
        m_scale = takeSuggestedPlace(window, wParam, lParam);
        applyScale();
        InvalidateRect(m_window, nullptr, TRUE);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus)) m_lastFocus = focus;
        } else {
            activated();
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_DROPFILES:
        dropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DESTROY:
        DrawnAccessible::disconnect(m_accessible);
        takeDialogKeys(m_window);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The control that last had the focus gets it back; the canvas when that
// control is gone or disabled.
void Win32MainWindow::restoreFocus()
{
    SetFocus(m_lastFocus && IsWindowEnabled(m_lastFocus) ? m_lastFocus : m_picture1.handle());
}

void Win32MainWindow::activated()
{
    restoreFocus();
    if (m_form) m_form->Form_Activate();
}

void Win32MainWindow::dropped(HDROP drop)
{
    std::vector<std::filesystem::path> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        if (!name.empty() && DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1)) != 0)
            files.emplace_back(name);
    }
    DragFinish(drop);
    if (m_form && !files.empty()) m_form->ImportPages(files);
}

void Win32MainWindow::command(int id)
{
    using namespace controls;
    if (!m_form) return;
    if (id >= kCommand3First && id < kCommand3First + 4) {
        m_form->Command3_Click(static_cast<std::int16_t>(id - kCommand3First));
    } else if (id >= kLabel1First && id < kLabel1First + 9) {
        m_form->Label1_Click(static_cast<std::int16_t>(id - kLabel1First));
    } else if (id >= kLabel3First && id < kLabel3First + 3) {
        m_form->Label3_Click(static_cast<std::int16_t>(id - kLabel3First));
    } else {
        switch (id) {
        case kCommand1: m_form->Command1_Click(); break;
        case kCommand2: m_form->Command2_Click(); break;
        case kCommand4: m_form->Command4_Click(); break;
        case kCommand5: m_form->Command5_Click(); break;
        case kCommand6: m_form->Command6_Click(); break;
        case kUndo: m_form->undo(); break;
        case kRedo: m_form->redo(); break;
        case kPrint: m_form->PrintArtwork(); break;
        default: break;
        }
    }
}

bool Win32MainWindow::isVisible() const
{
    return IsWindowVisible(m_window) != FALSE;
}

Colour Win32MainWindow::backColour() const
{
    return GetSysColor(COLOR_BTNFACE) & 0x00FFFFFF;
}

void Win32MainWindow::setToolButtonEnabled(int index, bool enabled)
{
    EnableWindow(m_command3.at(static_cast<std::size_t>(index)), enabled ? TRUE : FALSE);
}

void Win32MainWindow::setSaveButtonEnabled(bool enabled)
{
    EnableWindow(m_command4, enabled ? TRUE : FALSE);
}

void Win32MainWindow::setCurrentColourBack(Colour colour)
{
    m_drawn.setCurrentColour(colour);
}

void Win32MainWindow::setPencilSquareBack(int index, Colour colour)
{
    m_drawn.setPencilSquare(index, colour);
}

void Win32MainWindow::focusCanvas()
{
    SetFocus(m_picture1.handle());
}

void Win32MainWindow::showCanvasChange(const PixelRect& changed)
{
    m_picture1.showChanged(changed);
}

void Win32MainWindow::refreshCanvas()
{
    m_picture1.refresh();
}

std::unique_ptr<AboutWindow> Win32MainWindow::createAboutWindow(frmAbout& dialog)
{
    return std::make_unique<Win32AboutWindow>(m_instance, dialog, m_smallIcon, m_bigIcon);
}
