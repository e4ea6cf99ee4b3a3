#pragma once

#include "raster/CanvasImage.h"

#include <filesystem>
#include <vector>

// Why a picture could not be opened, beyond what the bitmap check refuses.
enum class OpenProblem {
    None,
    Refused,     // the bitmap check says the program cannot use it
    Folder,      // the name chosen is a folder
    NotAFile,    // a device, pipe or socket: reading it could hang or never end
    Unreadable,  // the file system would not let the file be read
    Damaged,     // the file holds less than its header announces, or its header cannot be read
};

// What must stop an open before the bitmap check sees the name: the check
// opens, and may delete, what it is given. A name that names nothing is no
// problem here; the check refuses it.
OpenProblem fileSystemProblem(const std::filesystem::path& path);

// A picture the program can colour, decoded whole: 685 pixels a row, picture
// row y (counted from the top) at pixels[y * CanvasImage::kWidth].
struct LoadedPicture {
    OpenProblem problem = OpenProblem::None;
    int height = 0;
    std::vector<Colour> pixels;
};

// Reads the picture's headers, colour table and rows, each in one piece, and
// decodes every row as the top-row drawing does: 1-bit pixels in the file's
// own two colours, 24-bit ones blue, green, red. A header the program cannot
// colour, or a file shorter than its rows, is Damaged; a failed read is
// Unreadable. Opens for reading only.
LoadedPicture loadPicture(const std::filesystem::path& path);

// The whole open of a chosen path, short of the dialog and the screen: the
// file-system gate, the bitmap check, the loader, the copy one row down and
// the top row drawn again. The canvas takes the new picture only once all of
// it is in hand: on any problem it is left exactly as it was.
OpenProblem openPicture(const std::filesystem::path& path, CanvasImage& canvas);
