#include "win32/Win32Platform.h"

#include "win32/Text.h"

#include <cderr.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

static_assert(kOfnHideReadOnly == OFN_HIDEREADONLY && kCcFullOpen == CC_FULLOPEN,
              "the core's dialog flags are Windows' own values");

namespace {

// The Color dialog's custom colours last for the run and are kept nowhere.
COLORREF g_customColours[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

// Room for any path the file dialogs give, long ones included.
constexpr std::size_t kFileNameRoom = 32768;

// The dialogs' and the shell's libraries are loaded at their first use:
// imported, they and the libraries they pull in would slow every start-up.
// Once loaded they stay for the run. Nullptr when missing.
template <typename Function>
Function systemFunction(const wchar_t* library, const char* name)
{
    const HMODULE module = LoadLibraryW(library);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

DWORD dialogError()
{
    static const auto function = systemFunction<decltype(&CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    return function ? function() : CDERR_INITIALIZATION;
}

}  // namespace

Win32Platform::~Win32Platform()
{
    if (!m_comStarted) return;
    if (const auto stop = systemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize")) stop();
}

void Win32Platform::useCom()
{
    if (m_comTried) return;
    m_comTried = true;
    const auto start = systemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    m_comStarted = start && SUCCEEDED(start(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

std::wstring Win32Platform::dialogFilter(const std::string& filter)
{
    std::wstring result = wideText(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.push_back(L'\0');  // the string's own NUL ends the list
    return result;
}

void Win32Platform::showCommonDialog(DialogAction action, CommonDialogState& state)
{
    useCom();
    if (action == DialogAction::Color)
        chooseColour(state);
    else
        chooseFile(action, state);
}

std::filesystem::path Win32Platform::startingName(const std::filesystem::path& folder,
                                                  const std::filesystem::path& name)
{
    if (folder.empty() || name.has_parent_path()) return name;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return name;
    return (folder / L"").wstring() + name.wstring();
}

void Win32Platform::chooseFile(DialogAction action, CommonDialogState& state)
{
    std::vector<wchar_t> name(kFileNameRoom, L'\0');
    const std::wstring given = startingName(state.initDir, state.fileName).wstring();
    std::copy_n(given.begin(), std::min(given.size(), name.size() - 1), name.begin());
    const std::wstring filter = dialogFilter(state.filter);
    const std::wstring title = wideText(state.dialogTitle);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title.c_str();
    // Nothing asks about overwriting or demands that the file exist: the
    // program itself asks, and refuses what it cannot open, in its own words.
    dialog.Flags = state.flags | OFN_EXPLORER | OFN_NOCHANGEDIR;
    static const auto open = systemFunction<decltype(&GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto save = systemFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    const auto show = action == DialogAction::Open ? open : save;
    const BOOL chosen = show ? show(&dialog) : FALSE;
    state.fileName = chosen ? std::filesystem::path(std::wstring(name.data())) : std::filesystem::path();
    if (!chosen && (!show || dialogError() != 0))
        messageBox("The File Dialog Could Not Be Shown", kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
}

void Win32Platform::chooseColour(CommonDialogState& state)
{
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.rgbResult = state.colour;  // a COLORREF is 0x00BBGGRR too
    dialog.lpCustColors = g_customColours;
    dialog.Flags = state.flags | CC_RGBINIT;
    static const auto show = systemFunction<decltype(&ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    if (show && show(&dialog)) state.colour = dialog.rgbResult & 0x00FFFFFF;
    else if (!show || dialogError() != 0)
        messageBox("The Color Dialog Could Not Be Shown", kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
}

MessageAnswer Win32Platform::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                        MessageButtons buttons)
{
    UINT type = buttons == MessageButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    if (icon == MessageIcon::Critical) type |= MB_ICONSTOP;
    if (icon == MessageIcon::Information) type |= MB_ICONINFORMATION;
    const std::wstring caption = wideText(title.empty() ? std::string(kApplicationTitle) : title);
    switch (MessageBoxW(m_owner, wideText(text).c_str(), caption.c_str(), type)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

void Win32Platform::openUrl(const std::string& url)
{
    useCom();
    static const auto execute = systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (execute) execute(nullptr, nullptr, wideText(url).c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

ScreenSize Win32Platform::screenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::filesystem::path Win32Platform::programFolder()
{
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
        name.resize(name.size() * 2);  // cut short: try again with more room
    }
}

void Win32Platform::endProgram(int status)
{
    ExitProcess(static_cast<UINT>(status));
}
