#pragma once

#include "app/Platform.h"

// Windows Imaging Component behind the platform's decoding: every format
// Windows has a decoder for, scaled on the way out of the decoder (JPEG
// then decodes at a fraction of its size) and converted to 32-bit BGRA.
// COM must be initialised on the calling thread.
DecodedImage wicImageSize(const std::filesystem::path& file);
DecodedImage wicDecodeImage(const std::filesystem::path& file, int width, int height);
