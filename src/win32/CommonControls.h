#pragma once

#include <windows.h>

// Common controls 6, the system's own look for the dialogs, message boxes,
// the About window and the tooltips, in effect while one of these lives.
// The program's manifest leaves it out, so start-up does not load it: the
// main window draws its own buttons in that look.
class CommonControls {
public:
    CommonControls();
    ~CommonControls();
    CommonControls(const CommonControls&) = delete;
    CommonControls& operator=(const CommonControls&) = delete;

    // Whether common controls 6 are in effect; without, windows made now
    // have the classic look, and work the same.
    bool active() const { return m_active; }

private:
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};
