#pragma once

#include "app/DisplayScale.h"

#include <windows.h>

#include <vector>

// The picture buttons' faces. Each button is owner-drawn: the system's
// button face, then its icon, enlarged only by whole factors so the pixel
// art stays sharp, and while disabled the greyed art made with the icons,
// which keeps the icon's shape where Windows' own greying may not.
class PictureButtons {
public:
    PictureButtons() = default;
    PictureButtons(const PictureButtons&) = delete;
    PictureButtons& operator=(const PictureButtons&) = delete;
    ~PictureButtons();

    void add(HWND button, int icon, int greyedIcon);
    // Icons at a whole enlargement of their 32 pixels that suits the scale
    // from now on, each loaded when first drawn: most greyed ones never are.
    void load(HINSTANCE instance, const DisplayScale& scale);
    // For WM_DRAWITEM; false when the item is not a picture button.
    bool draw(const DRAWITEMSTRUCT& item);

private:
    struct Button {
        HWND window;
        int icon;
        int greyedIcon;
        HICON normal;
        HICON greyed;
    };
    void release();

    std::vector<Button> m_buttons;
    HINSTANCE m_instance = nullptr;
    int m_iconSize = 32;
};
