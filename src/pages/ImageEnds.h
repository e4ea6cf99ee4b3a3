#pragma once

#include <filesystem>

// Whether a PNG, GIF or JPEG file stops before the marker its format ends
// with. Decoders draw what they got of a cut-off file and call it whole;
// a page half grey or half missing is no page to colour. Files of other
// kinds, and files that cannot be read, are left to the decoder.
bool endsCut(const std::filesystem::path& file);
