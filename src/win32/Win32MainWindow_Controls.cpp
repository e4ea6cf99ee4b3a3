// The main window's controls, made at the window's scale in their order on
// screen, and their tooltips.
#include "win32/Win32MainWindow.h"

#include "app/Layout.h"
#include "win32/CommonControls.h"
#include "win32/DialogFont.h"
#include "win32/MainWindowControls.h"
#include "win32/Resources.h"
#include "win32/Text.h"

#include <commctrl.h>

#include <utility>

using namespace controls;

namespace {

// Owner-drawn: see ButtonFaces.
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW;

}  // namespace

HWND Win32MainWindow::createControl(const wchar_t* windowClass, const char* text, DWORD style, const PixelRect& place,
                                    int id)
{
    // Made where it belongs, with its font: moving every control afterwards
    // would cost as much again as making them.
    const PixelRect device = m_scale.toDevice(place);
    const HWND control = CreateWindowExW(0, windowClass, wideText(text ? text : "").c_str(), style, device.left,
                                         device.top, device.width, device.height, m_window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
    useDialogFont(control, dialogFont(m_scale.dpi()));
    m_scaled.add(control, place);
    return control;
}

// The button's text is its name, its tooltip; the button draws only its icon.
HWND Win32MainWindow::createPictureButton(const PixelRect& place, int id, int icon, const char* name)
{
    const HWND button = createControl(WC_BUTTONW, name, kButton, place, id);
    m_buttonFaces.add(button, icon, icon + IDI_GREYED_AFTER);
    return button;
}

// Windows puts each new child below its siblings, and Tab follows that
// order from the top, so the controls are made top first and none is moved
// in the order afterwards. What takes no focus is drawn by the window.
void Win32MainWindow::createControls()
{
    m_picture1.create(m_window, m_instance, kPicture1, m_scale, layout::kPicture1.place);
    m_command1 = createControl(WC_BUTTONW, layout::kCommand1.caption, kButton, layout::kCommand1.place, kCommand1);
    m_buttonFaces.addText(m_command1);
    m_command2 = createPictureButton(layout::kCommand2.place, kCommand2, IDI_FOLDER, layout::kCommand2.toolTip);
    const int toolIcons[4] = {IDI_PENCIL, IDI_BUCKET, IDI_ERASER, IDI_EYEDROPPER};
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_command3[index] = createPictureButton(layout::kCommand3[index].place, kCommand3First + i, toolIcons[i],
                                                layout::kCommand3[index].toolTip);
    }
    m_command4 = createPictureButton(layout::kCommand4.place, kCommand4, IDI_FLOPPY, layout::kCommand4.toolTip);
    EnableWindow(m_command4, FALSE);
    m_command5 = createControl(WC_BUTTONW, layout::kCommand5.caption, kButton, layout::kCommand5.place, kCommand5);
    m_command6 = createControl(WC_BUTTONW, layout::kCommand6.caption, kButton, layout::kCommand6.place, kCommand6);
    m_buttonFaces.addText(m_command5);
    m_buttonFaces.addText(m_command6);
    m_buttonFaces.load(m_instance, m_scale);

    m_drawn.create(m_window);
    m_lastFocus = m_picture1.handle();
}

void Win32MainWindow::addToolTips()
{
    if (m_toolTips) return;
    const CommonControls look;
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

