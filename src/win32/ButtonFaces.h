#pragma once

#include "app/DisplayScale.h"

#include <windows.h>

#include <vector>

// The main window's button faces. Each button is owner-drawn in the
// system's button look, so the window needs no common controls 6 to start:
// a picture button shows its icon, enlarged only by whole factors so the
// pixel art stays sharp, and while disabled the greyed art made with the
// icons, which keeps the icon's shape where Windows' own greying may not;
// a text button shows its text in its font. Where a theme draws buttons,
// the one under the mouse shows its hover look.
class ButtonFaces {
public:
    ButtonFaces() = default;
    ButtonFaces(const ButtonFaces&) = delete;
    ButtonFaces& operator=(const ButtonFaces&) = delete;
    ~ButtonFaces();

    void add(HWND button, int icon, int greyedIcon);
    void addText(HWND button);
    // Icons at a whole enlargement of their 32 pixels that suits the scale
    // from now on, each loaded when first drawn: most greyed ones never are.
    void load(HINSTANCE instance, const DisplayScale& scale);
    // For WM_DRAWITEM; false when the item is not one of these buttons.
    bool draw(const DRAWITEMSTRUCT& item);

private:
    struct Button {
        HWND window;
        int icon;  // 0: a text button
        int greyedIcon;
        HICON normal;
        HICON greyed;
    };
    void release();

    std::vector<Button> m_buttons;
    HINSTANCE m_instance = nullptr;
    int m_iconSize = 32;
};
