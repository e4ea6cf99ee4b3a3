#pragma once

#include "raster/Colour.h"
#include "raster/PixelRect.h"

#include <algorithm>
#include <array>

// The main window's controls: where each lies in the client area, in pixels,
// and what it says. One table for the handlers and every front-end.
namespace layout {

inline constexpr char kMainTitle[] = "The Tovella Vadovov Rurira Pintaro v1.0";

// The outer window, frame included, and the client area the layout needs.
constexpr int kOuterWidth = 800;
constexpr int kOuterHeight = 600;
constexpr int kClientWidth = 792;
constexpr int kClientHeight = 569;

struct Control {
    const char* name;
    PixelRect place;
    const char* caption;  // nullptr: none
    const char* toolTip;  // nullptr: none
};

// The canvas: a 2-pixel sunken edge around the 685 by 557 drawing area.
constexpr Control kPicture1{"Picture1", {8, 8, 689, 561}, nullptr, nullptr};
constexpr int kCanvasBorder = 2;

// The palette swatches Label1(0..8): three rows of three, 24 pixels apart.
constexpr std::array<Colour, 9> kPalette = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                                            0x000000FF, 0x00FF0000, 0x00101010, 0x00FFFFFF};
constexpr PixelRect swatchPlace(int index) { return {712 + 24 * (index % 3), 32 + 24 * (index / 3), 17, 17}; }
// What a screen reader calls them, colour by colour.
constexpr std::array<const char*, 9> kSwatchNames = {"Orange", "Yellow", "Cyan",  "Green", "Magenta",
                                                     "Red",    "Blue",   "Black", "White"};

// The caption labels, centred; "Picture Management" wraps onto two lines,
// the others keep to one.
constexpr std::array<Control, 5> kCaptions = {{
    {"Label7", {712, 16, 65, 17}, "Color Select", nullptr},
    {"Label5", {712, 144, 65, 17}, "Current Color", nullptr},
    {"Label2", {712, 200, 65, 17}, "Paint Tools", nullptr},
    {"Label4", {712, 360, 65, 17}, "Pencil Sizes", nullptr},
    {"Label8", {712, 432, 65, 33}, "Picture Management", nullptr},
}};

// A line of the dialog font is 13 pixels high.
constexpr bool isOneLine(const Control& caption) { return caption.place.height < 2 * 13; }

// Where a one-line caption goes when its text is `textWidth` pixels wide:
// its label, widened evenly on both sides should the font need more room,
// as far as the inside of its group's frame.
constexpr PixelRect oneLinePlace(const PixelRect& label, int textWidth)
{
    constexpr int kSpare = 7;  // between the label and the frame, each side
    const int width = std::min(std::max(textWidth, label.width), label.width + 2 * kSpare);
    const int grow = (width - label.width + 1) / 2;
    return {label.left - grow, label.top, label.width + 2 * grow, label.height};
}

// The current-colour swatch.
constexpr Control kLabel6{"Label6", {712, 160, 65, 17}, nullptr, nullptr};

// The tool buttons Command3(0..3), one 32 by 32 icon each.
constexpr std::array<Control, 4> kCommand3 = {{
    {"Command3_0", {712, 216, 65, 25}, nullptr, "Use This Tool To Draw"},
    {"Command3_1", {712, 248, 65, 25}, nullptr, "Use This Tool To Fill"},
    {"Command3_2", {712, 280, 65, 25}, nullptr, "Use This Tool to Erase"},
    {"Command3_3", {712, 312, 65, 25}, nullptr, "Use This Tool For Color Grabbing"},
}};

// The pencil-size squares Label3(0..2), and their names for a screen reader.
constexpr std::array<PixelRect, 3> kLabel3 = {{{716, 384, 9, 9}, {734, 384, 13, 13}, {756, 384, 17, 17}}};
constexpr std::array<const char*, 3> kPencilSizeNames = {"Pencil size 1", "Pencil size 2", "Pencil size 3"};

constexpr Control kCommand1{"Command1", {712, 104, 65, 17}, "More Colors", nullptr};
constexpr Control kCommand2{"Command2", {712, 464, 65, 25}, nullptr, "Click Here To Open A New Image"};
constexpr Control kCommand4{"Command4", {712, 496, 65, 25}, nullptr, "Click Here To Save Your Work"};
constexpr Control kCommand6{"Command6", {712, 544, 33, 17}, "?", "About This Program"};
constexpr Control kCommand5{"Command5", {744, 544, 33, 17}, "Exit", "Exit This Program"};

// The group frames: 1-pixel outlines with nothing inside.
constexpr std::array<Control, 6> kGroupFrames = {{
    {"Shape2", {704, 8, 81, 121}, nullptr, nullptr},
    {"Shape4", {704, 136, 81, 49}, nullptr, nullptr},
    {"Shape6", {704, 192, 81, 153}, nullptr, nullptr},
    {"Shape3", {704, 352, 81, 65}, nullptr, nullptr},
    {"Shape7", {704, 424, 81, 105}, nullptr, nullptr},
    {"Shape8", {704, 536, 81, 33}, nullptr, nullptr},
}};

// The selection frame where it is created; start-up moves it at once.
constexpr PixelRect kShape1{688, 552, 9, 17};
constexpr int kShape1Width = 2;  // in pixels, so it stands out around a swatch

}  // namespace layout
