#pragma once

#include "PixelArt.h"

#include <optional>
#include <string>

// Reads the XPM our icons are drawn in: a header "width height colours
// chars-per-pixel", one string per colour with the "c" key and #RRGGBB or
// None, then one string per row. Anything else is refused, with the reason
// in error.
std::optional<PixelArt> parseXpm(const std::string& text, std::string& error);
