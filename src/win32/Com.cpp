#include "win32/Com.h"

#include <objbase.h>

namespace {

bool g_asked = false;
bool g_started = false;

}  // namespace

void useCom()
{
    if (g_asked) return;
    g_asked = true;
    // Shell extensions in the file dialogs want the single-threaded apartment.
    g_started = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void endCom()
{
    if (g_started) CoUninitialize();
    g_started = false;
}
