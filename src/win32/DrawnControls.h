#pragma once

#include "app/DisplayScale.h"
#include "raster/Colour.h"
#include "raster/PixelRect.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

// The main window's parts that take no focus and no keys: the group frames,
// the captions, the palette swatches, the current colour, the pencil-size
// squares and the selection frame. The window draws them and takes their
// clicks itself, since every child window costs start-up time. Each is drawn
// as the static control it stands for would draw itself, so the screen is
// the same pixel for pixel.
class DrawnControls {
public:
    // What a screen reader is told of one.
    struct Item {
        bool clickable;     // a button; otherwise a caption's text
        std::wstring name;
        PixelRect place;    // in layout units
        int command;        // the control id a click gives; -1 for text
    };

    // `scale` is the window's, followed as it changes.
    explicit DrawnControls(const DisplayScale& scale) : m_scale(scale) {}

    void create(HWND window);

    // Everything in the update region, in the order the controls lay on
    // one another: frames, captions, then the coloured labels and the
    // selection frame over them.
    void paint(HDC dc) const;
    // The control id under a point of the client area, in device pixels,
    // borders included; -1 for none.
    int commandAt(POINT client) const;

    void setCurrentColour(Colour colour);
    void setPencilSquare(int index, Colour colour);
    // In units; an empty place hides it.
    void placeSelectionFrame(const PixelRect& place);

    const std::vector<Item>& items() const;
    // An item's place in device pixels of the client area.
    RECT deviceRect(const Item& item) const;

private:
    // Gives each one-line caption room for its text in the dialog font,
    // selected in `dc`: once, when first drawn or asked for, since the
    // font's first use is slow and showing the window need not wait for it.
    void measureCaptions(HDC dc) const;
    void invalidate(const PixelRect& units, bool erase) const;

    const DisplayScale& m_scale;
    HWND m_window = nullptr;
    std::optional<Colour> m_currentColour;       // the window's face until set
    std::array<std::optional<Colour>, 3> m_pencilSquares{};
    PixelRect m_selectionFrame;
    mutable bool m_measured = false;
    mutable std::vector<Item> m_items;  // the captions first
};
