#pragma once

#include "raster/CanvasImage.h"

#include <cstdint>
#include <filesystem>

// The code module: the program's own BMP reading and the About flag.
namespace Module1 {

// 1 from a press of the About button until the About dialog unloads; while
// it is not 0 the canvas ignores presses.
inline std::int16_t AboutRequested = 0;

// True when the file cannot be used with the program, false when it can:
// false only for "BM" files with a 12- or 40-byte header (by the low 16 bits
// of its size field), 685 pixels wide, 556 or 557 high, uncompressed, 1 or
// 24 bits per pixel. Header bytes past the end of a short file count as 0.
// A path naming no file gives true and creates nothing; an existing empty
// file gives true and is deleted (a failed delete still gives true). A
// folder, any other non-regular file or an unreadable one gives true. Opens
// for reading only, reads no byte past offset 53, shows nothing, never throws
// and keeps the file open only during the call.
bool CheckBitmapFile(const std::filesystem::path& fileName);

enum class DrawOutcome {
    Drawn,             // row 0 painted (or nothing to paint for this header)
    InvalidSignature,  // the caller shows " Invalid BMP File"
    ReadFailure,       // the file could not be opened or read
};

// Paints canvas row 0, x from 0 to width - 1, from the picture's top row: the
// last row stored, read in one piece. 1-bit pixels take the colours of the
// file's two-entry colour table (black for set bits and white for clear ones
// when the file is too short to hold it); 24-bit pixels are blue, green, red.
// Compressed pictures and other bit counts paint nothing. Bytes missing from
// the end of the file, or at positions no file can have, read as 0. Touches no
// other row and does not repaint the screen.
// InvalidSignature: the file does not begin with "BM"; nothing is painted and
// the caller shows " Invalid BMP File" titled with the application title, an
// OK button and no icon. ReadFailure: the file could not be opened (missing,
// not a regular file, unreadable) or read; nothing is painted. Never throws.
DrawOutcome DrawBitmapFile(const std::filesystem::path& fileName, CanvasImage& canvas);

}  // namespace Module1
