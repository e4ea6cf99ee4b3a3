#pragma once

#include "raster/CanvasImage.h"

#include <filesystem>

// What lies under the name chosen to save to, found without creating it.
enum class SaveTarget {
    Free,      // nothing there, or an empty file: written without a question
    NonEmpty,  // a file with something in it: the child is asked first
    Folder,    // a folder: nothing can be saved under this name
    NotAFile,  // a device, pipe or socket, which a save must never replace
};
SaveTarget saveTarget(const std::filesystem::path& path);

enum class SaveProblem {
    None,
    Folder,         // the name is a folder
    NotAFile,       // the name is a device, pipe or socket
    MissingFolder,  // the folder the name points into does not exist
    NotWritable,    // the file, or the folder it goes into, may not be written
    WriteFailed,    // writing stopped part way, a full disk say
};

// Writes the canvas image as a 24-bit bottom-up bitmap under exactly `path`.
// The new file goes beside the old one and replaces it only once it is whole
// and on disk, so on any problem whatever was there before is left byte for
// byte. A link keeps pointing where it did: the file it leads to is replaced,
// keeping its permission bits. A file that may not be written is refused,
// though its folder would let a new one take its place.
SaveProblem saveArtwork(const CanvasImage& image, const std::filesystem::path& path);
