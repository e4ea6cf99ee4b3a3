#pragma once

#include "app/Platform.h"

#include <windows.h>

#include <string>

// The platform through Windows' own services: the common dialogs, MessageBox,
// ShellExecute, the screen metrics, the module's file name and ExitProcess.
class Win32Platform : public Platform {
public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;
    ~Win32Platform() override;

    // The window the dialogs and message boxes belong to.
    void setOwner(HWND owner) { m_owner = owner; }

    void showCommonDialog(DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const std::string& url) override;
    ScreenSize screenSize() override;
    std::filesystem::path programFolder() override;
    void endProgram(int status) override;

    // "BMP Files|*.bmp|All Files|*.*" as the file dialogs take it: each bar
    // a NUL, and one more NUL at the end.
    static std::wstring dialogFilter(const std::string& filter);

    // What the file dialogs get as the file name: `name` inside an existing
    // `folder`. Windows starts a dialog in the folder named there, where
    // lpstrInitialDir gives way to the last folder visited once the
    // program has passed the same value before.
    static std::filesystem::path startingName(const std::filesystem::path& folder, const std::filesystem::path& name);

private:
    void chooseFile(DialogAction action, CommonDialogState& state);
    void chooseColour(CommonDialogState& state);
    // Before the first dialog or ShellExecute, which may load shell
    // extensions that want COM; not at start-up, which it would slow.
    void useCom();

    HWND m_owner = nullptr;
    bool m_comTried = false;
    bool m_comStarted = false;
};
