#pragma once

#include "app/Platform.h"

#include <windows.h>

#include <string>

// The platform through Windows' own services: the common dialogs, MessageBox,
// ShellExecute, the screen metrics, the module's file name and ExitProcess.
class Win32Platform : public Platform {
public:
    // The window the dialogs and message boxes belong to.
    void setOwner(HWND owner) { m_owner = owner; }

    void showCommonDialog(DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const std::string& url) override;
    ScreenSize screenSize() override;
    std::filesystem::path programFolder() override;
    std::filesystem::path userPicturesFolder() override;
    void endProgram(int status) override;
    PrintResult printImage(const CanvasImage& image) override;
    DecodedImage imageSize(const std::filesystem::path& file) override;
    DecodedImage decodeImage(const std::filesystem::path& file, int width, int height) override;

    // "BMP Files|*.bmp|All Files|*.*" as the file dialogs take it: each bar
    // a NUL, and one more NUL at the end.
    static std::wstring dialogFilter(const std::string& filter);

    // What the file dialogs get as the file name: `name` inside an existing
    // `folder`. Windows starts a dialog in the folder named there, where
    // lpstrInitialDir gives way to the last folder visited once the
    // program has passed the same value before.
    static std::filesystem::path startingName(const std::filesystem::path& folder, const std::filesystem::path& name);
    // What the program takes from a file dialog: a name it returns without
    // a full path means one in the folder the dialog was started in.
    static std::filesystem::path chosenPath(const std::filesystem::path& folder, const std::filesystem::path& chosen);

private:
    void chooseFile(DialogAction action, CommonDialogState& state);
    void chooseColour(CommonDialogState& state);

    HWND m_owner = nullptr;
};
