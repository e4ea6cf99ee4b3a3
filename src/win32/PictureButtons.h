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
    // (Re)loads every icon at a whole enlargement of its 32 pixels that suits the scale.
    void load(HINSTANCE instance, const DisplayScale& scale);
    // For WM_DRAWITEM; false when the item is not a picture button.
    bool draw(const DRAWITEMSTRUCT& item) const;

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
    int m_iconSize = 32;
};
