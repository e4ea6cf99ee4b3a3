// Prints what a screen reader reads on another program's window: for each
// control of the top-level window titled argv[1], its class, its style and
// its window text (UTF-8), one control a line, tab-separated.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    char windowClass[64] = {};
    GetClassNameA(control, windowClass, sizeof windowClass);
    std::printf("%s\t%08lx\t%s\n", windowClass, static_cast<unsigned long>(GetWindowLongW(control, GWL_STYLE)),
                utf8);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) return 2;
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;
    EnumChildWindows(window, printControl, 0);
    return 0;
}
