#pragma once

#include "bitmap/Module1.h"
#include "raster/CanvasImage.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

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
OpenProblem fileSystemProblem(const QString& path);

// What a bitmap header announces. `fileLength` is the bytes the file must
// hold for all its rows, 0 when the header does not describe an uncompressed
// bottom-up picture of 1 or 24 bits per pixel.
struct AnnouncedPicture {
    int width = 0;
    int height = 0;
    std::uint64_t fileLength = 0;
};
// `header` is the file's first bytes; those missing read as zero.
AnnouncedPicture announcedPicture(const char* header, std::size_t size);

struct LoadedPicture {
    OpenProblem problem = OpenProblem::None;
    QImage image;  // RGBX8888: in memory the canvas's own 0x00BBGGRR
};

// The platform's picture loader, held to the whole picture: a file shorter
// than its rows, or one the reader stops on, is damaged rather than half shown.
LoadedPicture loadPicture(const QString& path);

struct OpenedPicture {
    OpenProblem problem = OpenProblem::None;
    Module1::DrawOutcome drawOutcome = Module1::DrawOutcome::Drawn;
};

// The whole open of a chosen path, short of the dialog and the screen. The
// canvas takes the new picture only once all of it is in hand: on any
// problem it is left exactly as it was.
OpenedPicture openPicture(const QString& path, CanvasImage& canvas);

// The path as the bitmap module takes it: the file system's own encoding.
std::string nativePath(const QString& path);
