#include "app/Form1.h"
#include "win32/Com.h"
#include "win32/MessageLoop.h"
#include "win32/Win32MainWindow.h"
#include "win32/Win32Platform.h"

#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <vector>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    Win32Platform platform;
    Win32MainWindow window(instance);
    if (!window.handle()) {
        platform.messageBox("The Window Could Not Be Made", kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
        return 1;
    }
    platform.setOwner(window.handle());
    Form1 form(window, platform);
    if (!window.attach(form)) {
        platform.messageBox("The Canvas Could Not Be Made", kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
        return 1;
    }
    if (!form.Form_Load()) return 1;
    window.show(show);
    // Pictures named on the command line: what dropping files on the
    // program's icon, or "Open with", gives too.
    int count = 0;
    if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        const std::vector<std::filesystem::path> pages(arguments + (count > 0 ? 1 : 0), arguments + count);
        LocalFree(arguments);
        if (!pages.empty()) form.ImportPages(pages);
    }
    const int status = runMessageLoop(window.handle());
    endCom();
    return status;
}
