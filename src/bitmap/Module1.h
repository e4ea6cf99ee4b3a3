#pragma once

#include "raster/CanvasImage.h"

#include <cstdint>
#include <string>

// The code module: the program's own BMP reading and the About flag.
namespace Module1 {

// 1 from a press of the About button until the About dialog unloads; while
// it is not 0 the canvas ignores presses.
inline std::int16_t AboutRequested = 0;

// True when the file cannot be used with the program, false when it can.
// A path naming no file gives true and creates nothing; an existing empty
// file gives true and is deleted. Opens for reading only.
bool CheckBitmapFile(const std::string& fileName);

enum class DrawOutcome {
    Drawn,             // row 0 painted (or nothing to paint for this header)
    InvalidSignature,  // the caller shows " Invalid BMP File"
    ReadFailure,       // the file could not be opened or read
};

// Paints canvas row 0 from the picture's top row as stored in the file.
DrawOutcome DrawBitmapFile(const std::string& fileName, CanvasImage& canvas);

}  // namespace Module1
