#pragma once

#include "Page.h"

#include <cstdint>
#include <string>
#include <vector>

// The page as a 1-bit BMP with a 40-byte info header, rows bottom-up and the
// usual two-entry palette: index 0 black (ink), index 1 white.
std::vector<std::uint8_t> encodeBmp(const Page& page);

// False when the file could not be written completely.
bool writeBmp(const Page& page, const std::string& path);
