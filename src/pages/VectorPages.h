#pragma once

#include "pages/PageConversion.h"

#include <filesystem>
#include <string>

// Pages drawn as shapes rather than pixels, which a decoder renders at any size.
enum class VectorKind { None, Svg, Pdf };

// What the file's first bytes say it is: a PDF document, an SVG drawing
// (its XML, or gzipped under a ".svgz" name), or neither.
VectorKind vectorKind(const std::filesystem::path& file);

// An SVG drawing's own size in pixels at 96 an inch, from its root element:
// its width and height where both are absolute lengths, else its viewBox's,
// else the 300 by 150 a browser gives a drawing that says nothing.
PixelSize svgSize(const std::string& text);
