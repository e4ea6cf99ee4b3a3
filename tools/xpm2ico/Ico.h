#pragma once

#include "PixelArt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A Windows icon file holding one 16-colour image per art, in the given
// order: a 4-bit image with a palette of the art's own colours, and a 1-bit
// AND mask set where the art is transparent. Refused, with the reason in
// error, when an art is over 256 pixels on a side or needs more than 16
// palette entries (transparent pixels take a black one).
std::optional<std::vector<std::uint8_t>> encodeIco(const std::vector<PixelArt>& arts, std::string& error);
