#pragma once

#include "raster/PixelRect.h"

#include <filesystem>

class Form1;
class MainWindow;

// What a reload of the page brings back, as a web page is expected to: the
// canvas, whether a picture is open, the tool, the colour with its swatch,
// and the pencil size. Exit forgets it, so starting again starts afresh.
namespace session {

// Whole or not at all: a new file replaces the old only once written.
bool save(const Form1& form, const PixelRect& selectionFrame, const std::filesystem::path& file);
// Puts a saved session back through the selection handlers; false, with
// nothing changed, when there is none or it is not whole.
bool restore(Form1& form, MainWindow& window, const std::filesystem::path& file);

}  // namespace session
