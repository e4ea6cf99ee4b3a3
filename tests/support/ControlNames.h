#pragma once

// What a screen reader must read on the main window's picture buttons,
// palette swatches and pencil-size squares, by the control's name in the
// layout; both front-ends are held to it.
struct ControlName {
    const char* control;
    const char* name;
};

inline constexpr ControlName kControlNames[] = {
    {"Command3_0", "Use This Tool To Draw"},
    {"Command3_1", "Use This Tool To Fill"},
    {"Command3_2", "Use This Tool to Erase"},
    {"Command3_3", "Use This Tool For Color Grabbing"},
    {"Command2", "Click Here To Open A New Image"},
    {"Command4", "Click Here To Save Your Work"},
    {"Label1_0", "Orange"},
    {"Label1_1", "Yellow"},
    {"Label1_2", "Cyan"},
    {"Label1_3", "Green"},
    {"Label1_4", "Magenta"},
    {"Label1_5", "Red"},
    {"Label1_6", "Blue"},
    {"Label1_7", "Black"},
    {"Label1_8", "White"},
    {"Label3_0", "Pencil size 1"},
    {"Label3_1", "Pencil size 2"},
    {"Label3_2", "Pencil size 3"},
};
