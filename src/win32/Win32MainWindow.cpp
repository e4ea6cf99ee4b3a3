#include "win32/Win32MainWindow.h"

#include "app/Form1.h"
#include "app/Layout.h"
#include "win32/DialogFont.h"
#include "win32/DialogKeys.h"
#include "win32/Resources.h"
#include "win32/Text.h"
#include "win32/Win32AboutWindow.h"
#include "win32/WindowProc.h"

#include <commctrl.h>

namespace {

const wchar_t kClassName[] = L"PintaroMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;

// Control identifiers; below them IDOK and IDCANCEL, which the dialog keys send.
enum ControlId {
    kPicture1 = 100,
    kCommand1 = 101,
    kCommand2 = 102,
    kCommand4 = 104,
    kCommand5 = 105,
    kCommand6 = 106,
    kCommand3First = 110,
    kLabel1First = 120,
    kLabel3First = 130,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
// Clickable colour labels: the border is the single line around them.
constexpr DWORD kColourLabel = kChild | WS_BORDER | SS_NOTIFY;

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance) : m_instance(instance)
{
    CanvasView::registerClass(instance);
    FrameShape::registerClass(instance);
    m_bigIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WINDOW), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
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

    m_window = CreateWindowExW(0, kClassName, wideText(layout::kMainTitle).c_str(), kStyle, 0, 0, layout::kOuterWidth,
                               layout::kOuterHeight, nullptr, nullptr, instance, this);
    if (!m_window) return;
    createControls();
    giveDialogKeys(m_window);
}

Win32MainWindow::~Win32MainWindow()
{
    if (m_window) {
        forgetWindowOwner(m_window);
        DestroyWindow(m_window);
    }
    for (HICON icon : m_buttonIcons) DestroyIcon(icon);
    DestroyIcon(m_bigIcon);
    DestroyIcon(m_smallIcon);
}

HWND Win32MainWindow::createControl(const wchar_t* windowClass, const char* text, DWORD style, const PixelRect& place,
                                    int id)
{
    const HWND control = CreateWindowExW(0, windowClass, wideText(text ? text : "").c_str(), style, place.left,
                                         place.top, place.width, place.height, m_window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
    useDialogFont(control);
    return control;
}

HWND Win32MainWindow::createPictureButton(const PixelRect& place, int id, int icon)
{
    const HWND button = createControl(WC_BUTTONW, nullptr, kButton | BS_ICON, place, id);
    // Centred by the button; Windows greys it while the button is disabled.
    const auto image = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(icon), IMAGE_ICON, 32, 32, 0));
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image));
    m_buttonIcons.push_back(image);
    return button;
}

void Win32MainWindow::createControls()
{
    m_picture1.create(m_window, m_instance, layout::kPicture1.place, kPicture1);

    for (std::size_t i = 0; i < m_captions.size(); ++i)
        m_captions[i] = createControl(WC_STATICW, layout::kCaptions[i].caption, kChild | SS_CENTER | SS_NOPREFIX,
                                      layout::kCaptions[i].place, -1);
    for (int i = 0; i < 9; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_label1[index] = createControl(WC_STATICW, nullptr, kColourLabel, layout::swatchPlace(i), kLabel1First + i);
        m_backs.set(m_label1[index], layout::kPalette[index]);
    }
    m_label6 = createControl(WC_STATICW, nullptr, kChild | WS_BORDER, layout::kLabel6.place, -1);
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_label3[index] = createControl(WC_STATICW, nullptr, kColourLabel, layout::kLabel3[index], kLabel3First + i);
    }

    m_command1 = createControl(WC_BUTTONW, layout::kCommand1.caption, kButton, layout::kCommand1.place, kCommand1);
    m_command2 = createPictureButton(layout::kCommand2.place, kCommand2, IDI_FOLDER);
    const int toolIcons[4] = {IDI_PENCIL, IDI_BUCKET, IDI_ERASER, IDI_EYEDROPPER};
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_command3[index] = createPictureButton(layout::kCommand3[index].place, kCommand3First + i, toolIcons[i]);
    }
    m_command4 = createPictureButton(layout::kCommand4.place, kCommand4, IDI_FLOPPY);
    EnableWindow(m_command4, FALSE);
    m_command5 = createControl(WC_BUTTONW, layout::kCommand5.caption, kButton, layout::kCommand5.place, kCommand5);
    m_command6 = createControl(WC_BUTTONW, layout::kCommand6.caption, kButton, layout::kCommand6.place, kCommand6);

    // Frames last, so their outlines lie over the controls they group.
    for (std::size_t i = 0; i < m_groupFrames.size(); ++i)
        m_groupFrames[i].create(m_window, m_instance, layout::kGroupFrames[i].place, 1);
    m_shape1.create(m_window, m_instance, layout::kShape1, layout::kShape1Width);

    orderTabStops();
    addToolTips();
    m_lastFocus = m_picture1.handle();
}

void Win32MainWindow::orderTabStops()
{
    // Tab follows the order of the windows; the frames stay above them all.
    const HWND order[] = {m_picture1.handle(), m_command1,    m_command2,    m_command3[0], m_command3[1],
                          m_command3[2],       m_command3[3], m_command4,    m_command5,    m_command6};
    HWND above = HWND_TOP;
    for (HWND control : order) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    for (const FrameShape& frame : m_groupFrames)
        SetWindowPos(frame.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(m_shape1.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32MainWindow::addToolTips()
{
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr,
                                 m_instance, nullptr);
    const std::pair<HWND, const layout::Control*> tips[] = {
        {m_command3[0], &layout::kCommand3[0]}, {m_command3[1], &layout::kCommand3[1]},
        {m_command3[2], &layout::kCommand3[2]}, {m_command3[3], &layout::kCommand3[3]},
        {m_command2, &layout::kCommand2},       {m_command4, &layout::kCommand4},
        {m_command6, &layout::kCommand6},       {m_command5, &layout::kCommand5},
    };
    for (const auto& [control, entry] : tips) {
        std::wstring text = wideText(entry->toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();  // copied by the tooltip
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
}

LRESULT Win32MainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Buttons' BN_CLICKED and the labels' STN_CLICKED are both 0.
        if (HIWORD(wParam) == 0 && lParam != 0) command(LOWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        if (const HBRUSH brush = m_backs.paint(reinterpret_cast<HWND>(lParam), dc))
            return reinterpret_cast<LRESULT>(brush);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus)) m_lastFocus = focus;
        } else {
            activated();
        }
        return 0;
    case WM_SETFOCUS:
        if (m_lastFocus && IsWindowEnabled(m_lastFocus)) SetFocus(m_lastFocus);
        else SetFocus(m_picture1.handle());
        return 0;
    case WM_DESTROY:
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

void Win32MainWindow::activated()
{
    SetFocus(m_lastFocus && IsWindowEnabled(m_lastFocus) ? m_lastFocus : m_picture1.handle());
    if (m_form) m_form->Form_Activate();
}

void Win32MainWindow::command(int id)
{
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
        default: break;
        }
    }
}

void Win32MainWindow::placeOuter(int left, int top, int width, int height)
{
    SetWindowPos(m_window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    m_backs.set(m_label6, colour);
}

void Win32MainWindow::setPencilSquareBack(int index, Colour colour)
{
    m_backs.set(m_label3.at(static_cast<std::size_t>(index)), colour);
}

void Win32MainWindow::placeSelectionFrame(const PixelRect& place)
{
    m_shape1.place(place);
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
