#pragma once

#include <filesystem>

// Whether a PNG, GIF or JPEG file stops before the marker its format ends
// with. Decoders draw what they got of a cut-off file and call it whole;
// a page half grey or half missing is no page to colour. Files of other
// kinds, and files that cannot be read, are left to the decoder.
bool endsCut(const std::filesystem::path& file);

// Pages drawn as shapes rather than pixels, which a decoder renders at any size.
enum class VectorKind { None, Svg, Pdf };

// What the file's first bytes say it is: a PDF document, an SVG drawing
// (its XML, or gzipped under a ".svgz" name), or neither.
VectorKind vectorKind(const std::filesystem::path& file);
