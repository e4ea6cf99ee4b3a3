#include "win32/DialogKeys.h"

namespace {

const wchar_t kProperty[] = L"Pintaro.DialogKeys";

}  // namespace

void giveDialogKeys(HWND topLevel)
{
    SetPropW(topLevel, kProperty, reinterpret_cast<HANDLE>(1));
}

void takeDialogKeys(HWND topLevel)
{
    RemovePropW(topLevel, kProperty);
}

bool handleDialogKeys(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && GetPropW(root, kProperty) && IsDialogMessageW(root, &message);
}
