#pragma once

#include "pages/PageConversion.h"

#include <filesystem>
#include <optional>
#include <string>

// The name a page made from `source` is saved under, before any number:
// the source's own name without its extension ("page" for "page.png").
std::string pageStem(const std::filesystem::path& source);

// Saves the page's bitmap into `folder` under the first free name of
// "stem.bmp", "stem (2).bmp", "stem (3).bmp" and so on. Nothing is ever
// overwritten, and the file appears only once it is whole. The path
// written, or nothing when the folder would take no file.
std::optional<std::filesystem::path> savePage(const InkMask& page, const std::filesystem::path& folder,
                                              const std::string& stem);
