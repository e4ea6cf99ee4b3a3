#pragma once

#include "raster/Colour.h"

#include <windows.h>

#include <vector>

// The background colours of the coloured labels (swatches, squares), and a
// brush for each, for WM_CTLCOLORSTATIC.
class LabelBacks {
public:
    LabelBacks() = default;
    LabelBacks(const LabelBacks&) = delete;
    LabelBacks& operator=(const LabelBacks&) = delete;
    ~LabelBacks();

    // Repaints the label when its colour changed.
    void set(HWND label, Colour colour);
    // Sets the label's colour on `dc` and returns its brush; nullptr for a
    // label without a colour of its own.
    HBRUSH paint(HWND label, HDC dc) const;

private:
    struct Back {
        HWND label;
        Colour colour;
        HBRUSH brush;
    };
    std::vector<Back> m_backs;
};
