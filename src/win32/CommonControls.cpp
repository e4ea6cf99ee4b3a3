#include "win32/CommonControls.h"

#include <commctrl.h>

namespace {

// The activation context of the manifest resource naming common controls 6,
// made at first use and kept for the run; nullptr when it cannot be made.
HANDLE commonControlsContext()
{
    static const HANDLE context = [] {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
        request.hModule = GetModuleHandleW(nullptr);
        request.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
        const HANDLE made = CreateActCtxW(&request);
        return made == INVALID_HANDLE_VALUE ? nullptr : made;
    }();
    return context;
}

}  // namespace

CommonControls::CommonControls()
{
    const HANDLE context = commonControlsContext();
    m_active = context && ActivateActCtx(context, &m_cookie);
    // Loaded here, inside the context, so comctl32 is version 6 and its
    // classes (tooltips among them) are registered.
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)loaded;
}

CommonControls::~CommonControls()
{
    if (m_active) DeactivateActCtx(0, m_cookie);
}
