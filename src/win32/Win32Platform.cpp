#include "win32/Win32Platform.h"

#include "win32/Com.h"
#include "win32/CommonControls.h"
#include "win32/Dpi.h"
#include "win32/Text.h"
#include "win32/WicImageDecoder.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

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

// Wine's file dialog takes a bare name to the process's working folder
// where it cannot name the folder it shows, and a program's working folder
// is wherever it was started from. While a dialog is up the working folder
// is the one the dialog starts in (the dialog moves it as the child
// browses); the one before comes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder)
    {
        const DWORD length = GetCurrentDirectoryW(0, nullptr);
        m_before.resize(length);
        if (length == 0 || GetCurrentDirectoryW(length, m_before.data()) >= length) m_before.clear();
        if (m_before.empty() || folder.empty() || !SetCurrentDirectoryW(folder.c_str())) m_before.clear();
    }
    ~WorkingFolder()
    {
        if (!m_before.empty()) SetCurrentDirectoryW(m_before.data());
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::vector<wchar_t> m_before;
};

}  // namespace

std::wstring Win32Platform::dialogFilter(const std::string& filter)
{
    std::wstring result = wideText(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.push_back(L'\0');  // the string's own NUL ends the list
    return result;
}

void Win32Platform::showCommonDialog(DialogAction action, CommonDialogState& state)
{
    const CommonControls look;
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

std::filesystem::path Win32Platform::chosenPath(const std::filesystem::path& folder,
                                                const std::filesystem::path& chosen)
{
    return chosen.is_absolute() || folder.empty() ? chosen : folder / chosen;
}

void Win32Platform::chooseFile(DialogAction action, CommonDialogState& state)
{
    std::vector<wchar_t> name(kFileNameRoom, L'\0');
    const std::wstring given = startingName(state.initDir, state.fileName).wstring();
    std::copy_n(given.begin(), std::min(given.size(), name.size() - 1), name.begin());
    const std::wstring filter = dialogFilter(state.filter);
    const std::wstring title = wideText(state.dialogTitle);

    useCom();
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
    BOOL chosen = FALSE;
    {
        const WorkingFolder startFolder(state.initDir);
        chosen = action == DialogAction::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    }
    state.fileName = chosen ? chosenPath(state.initDir, std::wstring(name.data())) : std::filesystem::path();
    if (!chosen && CommDlgExtendedError() != 0)
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
    if (ChooseColorW(&dialog)) state.colour = dialog.rgbResult & 0x00FFFFFF;
    else if (CommDlgExtendedError() != 0)
        messageBox("The Color Dialog Could Not Be Shown", kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
}

MessageAnswer Win32Platform::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                        MessageButtons buttons)
{
    UINT type = buttons == MessageButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    if (icon == MessageIcon::Critical) type |= MB_ICONSTOP;
    if (icon == MessageIcon::Information) type |= MB_ICONINFORMATION;
    const std::wstring caption = wideText(title.empty() ? std::string(kApplicationTitle) : title);
    const CommonControls look;
    switch (MessageBoxW(m_owner, wideText(text).c_str(), caption.c_str(), type)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

void Win32Platform::openUrl(const std::string& url)
{
    useCom();
    ShellExecuteW(nullptr, nullptr, wideText(url).c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

ScreenSize Win32Platform::screenSize()
{
    const DisplayScale scale = windowScale(m_owner);
    return {scale.toUnits(GetSystemMetrics(SM_CXSCREEN)), scale.toUnits(GetSystemMetrics(SM_CYSCREEN))};
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

std::filesystem::path Win32Platform::userPicturesFolder()
{
    PWSTR folder = nullptr;
    std::filesystem::path result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &folder))) result = folder;
    CoTaskMemFree(folder);  // owed even when the call fails
    return result;
}

void Win32Platform::endProgram(int status)
{
    ExitProcess(static_cast<UINT>(status));
}

DecodedImage Win32Platform::imageSize(const std::filesystem::path& file)
{
    return wicImageSize(file);
}

DecodedImage Win32Platform::decodeImage(const std::filesystem::path& file, int width, int height)
{
    return wicDecodeImage(file, width, height);
}
